#pragma once
// The Qt toolkit's form: a fixed-size dialog that owns the controls created on it.

#include <QDialog>
#include <string>
#include <string_view>
#include <utility>

namespace Forms {

class TForm : public QDialog {
 public:
  // A top-level dialog with a fixed frame and a close box, without minimise and maximise boxes.
  explicit TForm(const char* name);

  void SetCaption(const std::string& caption);
  // The face, or the closest one installed, at a height in pixels (negative, as a character height).
  void SetFont(const char* face, int height);
  void SetPosition(int left, int top);
  void SetClientSize(int width, int height);
  void FocusControl(QWidget* control);
  void Show();

  // Creates a control on the form, which owns it.
  template <class TControl, class... TArgs>
  TControl* Create(TArgs&&... args) {
    return new TControl(this, std::forward<TArgs>(args)...);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// Runs the application's event loop until the last window has closed.
void RunEventLoop();

// 8-bit text for the screen: UTF-8 where it is valid, otherwise read as Latin-1 so that no byte is lost.
QString ToQString(std::string_view bytes);

}  // namespace Forms
