// The drive box, the picture buttons and the pictures they share with the lists.
#include "FileCtrlQt.h"

#include "FileCtrlPictures.h"
#include "Forms.h"
#include "TFormQt.h"

// Resources of a static library must be registered by name, from the global namespace.
static void RegisterPictures() {
  Q_INIT_RESOURCE(pelmora);
}

namespace FileCtrl {

QIcon Picture(TPicture picture) {
  static const bool registered = (RegisterPictures(), true);
  (void)registered;
  return QIcon(QStringLiteral(":/pelmora/%1.png").arg(QLatin1String(PictureName(picture))));
}

TDriveComboBox::TDriveComboBox(QWidget* parent) : QComboBox(parent) {
  setIconSize(QSize(16, 16));
  SetDrives(SystemDrives());
  connect(this, &QComboBox::activated, this, [this](int index) { Picked(index); });
}

void TDriveComboBox::ShowEntries(const std::vector<TListEntry>& entries) {
  clear();
  for (const TListEntry& entry : entries) addItem(Picture(entry.Picture), Forms::ToQString(entry.Text));
}

void TDriveComboBox::ShowPicked(int index) {
  setCurrentIndex(index);
}

TBitBtn::TBitBtn(QWidget* parent, TBitBtnKind kind) : QPushButton(parent), FKind(kind) {
  setIconSize(QSize(16, 16));
  connect(this, &QPushButton::clicked, this, [this] {
    if (OnClick) Forms::Guarded(OnClick);
  });
  if (kind == TBitBtnKind::Custom) return;
  setText(Forms::ToQString(CaptionOf(kind)));
  setIcon(Picture(PictureOf(kind)));
  if (kind == TBitBtnKind::OK) setDefault(true);
  if (kind == TBitBtnKind::Close) connect(this, &QPushButton::clicked, this, [this] { window()->close(); });
}

}  // namespace FileCtrl
