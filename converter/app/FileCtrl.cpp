// The drive box, the picture buttons and the pictures they share with the lists.
#include "FileCtrl.h"

#include <algorithm>

#include "FileCtrlDetail.h"
#include "Forms.h"

// Resources of a static library must be registered by name, from the global namespace.
static void RegisterPictures() { Q_INIT_RESOURCE(pelmora); }

namespace FileCtrl {

namespace detail {

QIcon Picture(const char* name) {
  static const bool registered = (RegisterPictures(), true);
  (void)registered;
  return QIcon(QStringLiteral(":/pelmora/%1.png").arg(QLatin1String(name)));
}

}  // namespace detail

namespace {

const char* PictureOf(TDriveType type) {
  switch (type) {
    case TDriveType::Removable: return "drive-removable";
    case TDriveType::Network: return "drive-network";
    case TDriveType::Optical: return "drive-optical";
    case TDriveType::Ram: return "drive-ram";
    case TDriveType::Fixed: break;
  }
  return "drive-fixed";
}

}  // namespace

TDriveComboBox::TDriveComboBox(QWidget* parent) : QComboBox(parent) {
  setIconSize(QSize(16, 16));
  SetDrives(MountedDrives());
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < FDrives.size())
      Forms::Guarded([this, index] { SetDrive(FDrives[static_cast<std::size_t>(index)].Root); });
  });
}

void TDriveComboBox::SetDrives(std::vector<TDrive> drives) {
  FDrives = std::move(drives);
  clear();
  for (const TDrive& drive : FDrives)
    addItem(detail::Picture(PictureOf(drive.Type)), Forms::ToQString(DriveCaption(drive)));
  if (FDrives.empty()) {
    FDrive.clear();
    return;
  }
  int index = -1;
  for (std::size_t i = 0; i < FDrives.size() && index < 0; ++i)
    if (FDrives[i].Root == FDrive) index = static_cast<int>(i);
  if (index < 0) {
    std::string folder = "/";
    try {
      folder = detail::CurrentFolder();
    } catch (const std::exception&) {
      // Without a current folder the box starts on the first drive.
    }
    index = std::max(DriveOf(FDrives, folder), 0);
  }
  setCurrentIndex(index);
  FDrive = FDrives[static_cast<std::size_t>(index)].Root;
}

void TDriveComboBox::SetDrive(const std::string& root) {
  for (std::size_t i = 0; i < FDrives.size(); ++i) {
    if (FDrives[i].Root != root) continue;
    setCurrentIndex(static_cast<int>(i));
    if (root == FDrive) return;
    FDrive = root;
    if (OnChange) OnChange();
    return;
  }
}

TBitBtn::TBitBtn(QWidget* parent, TBitBtnKind kind) : QPushButton(parent), FKind(kind) {
  setIconSize(QSize(16, 16));
  connect(this, &QPushButton::clicked, this, [this] {
    if (OnClick) Forms::Guarded(OnClick);
  });
  switch (kind) {
    case TBitBtnKind::OK:
      setText(QStringLiteral("OK"));
      setIcon(detail::Picture("ok"));
      setDefault(true);
      break;
    case TBitBtnKind::Close:
      setText(QStringLiteral("&Schließen"));
      setIcon(detail::Picture("close"));
      connect(this, &QPushButton::clicked, this, [this] { window()->close(); });
      break;
    case TBitBtnKind::Custom:
      break;
  }
}

}  // namespace FileCtrl
