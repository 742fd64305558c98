#pragma once
// The Win32 toolkit's form: a top-level window with a fixed dialog frame that owns the controls created on
// it, the event loop with dialog-style keyboard navigation, and the text conversion for the screen.

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Handles.h"

namespace Forms {

class TForm;

// A control: a child window of its form. The form's window procedure passes it the notifications it sends.
class TWinControl {
 public:
  virtual ~TWinControl() = default;
  TWinControl(const TWinControl&) = delete;
  TWinControl& operator=(const TWinControl&) = delete;

  // The control's window; the form's window owns and destroys it.
  HWND Handle() const { return FHandle; }
  virtual void SetBounds(int left, int top, int width, int height);

  // A WM_COMMAND notification from the control (BN_CLICKED, LBN_DBLCLK, CBN_SELCHANGE...).
  virtual void Notified(WORD /*code*/) {}
  // Tells the height of an owner-drawn item (itemID -1: a combo box's selection field).
  virtual void MeasureItem(MEASUREITEMSTRUCT& /*item*/) {}
  // Draws an owner-drawn control or item.
  virtual void DrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  // A key pressed while the control has the focus, before the dialog keys are looked at; true when used.
  virtual bool KeyDown(WPARAM /*key*/) { return false; }

 protected:
  // Creates the window of a stock control class on the form, in the form's font.
  TWinControl(TForm& form, const wchar_t* className, DWORD style, DWORD exStyle);

  TForm& FForm;

 private:
  HWND FHandle;
};

class TForm {
 public:
  // A hidden top-level window of the class "T<name>", caption empty. The first form made is the main form:
  // closing it ends the event loop.
  explicit TForm(const char* name);
  virtual ~TForm();
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;

  HWND Handle() const { return FWindow.get(); }
  HFONT Font() const { return FFont.get(); }

  void SetCaption(const std::string& caption);
  // A font of the face at a character height in pixels (negative: without the internal leading).
  void SetFont(const char* face, int height);
  void SetPosition(int left, int top);
  void SetClientSize(int width, int height);
  // The control that gets the focus when the form is shown or activated again.
  void FocusControl(TWinControl* control);
  // The button that Enter presses when the focused control does not use Enter itself.
  void SetDefaultButton(TWinControl* button) { FDefaultButton = button; }
  void Show();
  void Close();

  // Creates a control on the form, which owns it.
  template <class TControl, class... TArgs>
  TControl* Create(TArgs&&... args) {
    auto control = std::make_unique<TControl>(*this, std::forward<TArgs>(args)...);
    TControl* created = control.get();
    FControls.push_back(std::move(control));
    return created;
  }

  // Gives a message taken from the queue to the form it is meant for: the controls' own keys, then the dialog
  // keys (Tab, arrows, Enter, access keys). True when the message was used and must not be dispatched.
  static bool PreTranslate(MSG& message);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  Win32::TWindow FWindow;
  Win32::TFont FFont;
  std::vector<std::unique_ptr<TWinControl>> FControls;
  TWinControl* FDefaultButton = nullptr;
  HWND FFocus = nullptr;
};

// Runs the event loop until the main form has been closed.
void RunEventLoop();

// Handles the messages waiting in the queue as the event loop would, then returns.
void ProcessMessages();

// 8-bit text for the screen: UTF-8 where it is valid, otherwise the system's ANSI code page, so no byte is
// lost.
std::wstring WideText(std::string_view bytes);

}  // namespace Forms
