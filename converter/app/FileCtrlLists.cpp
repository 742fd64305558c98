// The folder list and the file list.
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include "FileCtrl.h"
#include "FileCtrlDetail.h"
#include "Forms.h"

namespace FileCtrl {

namespace {

constexpr int kPathRole = Qt::UserRole;       // the entry's path or name, as the file system's bytes
constexpr int kDepthRole = Qt::UserRole + 1;  // the folder list's indentation level
constexpr int kIndentPerLevel = 8;

// Fixed item heights, and the folder list's indentation by depth.
class TItemDelegate : public QStyledItemDelegate {
public:
  TItemDelegate(QObject* parent, int itemHeight) : QStyledItemDelegate(parent), FItemHeight(itemHeight) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(FItemHeight);
    return size;
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem indented(option);
    indented.rect.setLeft(option.rect.left() + kIndentPerLevel * index.data(kDepthRole).toInt());
    QStyledItemDelegate::paint(painter, indented, index);
  }

private:
  int FItemHeight;
};

QByteArray Bytes(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

std::string PathOf(const QListWidgetItem* item) {
  const QByteArray bytes = item->data(kPathRole).toByteArray();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QListWidgetItem* AddEntry(QListWidget* list, const std::string& text, const std::string& path, int depth,
                          const char* picture) {
  auto* item = new QListWidgetItem(detail::Picture(picture), Forms::ToQString(text), list);
  item->setData(kPathRole, Bytes(path));
  item->setData(kDepthRole, depth);
  return item;
}

void SetUpList(QListWidget* list, int itemHeight) {
  list->setItemDelegate(new TItemDelegate(list, itemHeight));
  list->setUniformItemSizes(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
}

}  // namespace

TDirectoryListBox::TDirectoryListBox(QWidget* parent) : QListWidget(parent) {
  SetUpList(this, 16);
  setIconSize(QSize(16, 16));
  const std::string folder = detail::CurrentFolder();
  const std::vector<TDrive> drives = MountedDrives();
  const int drive = DriveOf(drives, folder);
  MoveTo(drive < 0 ? "/" : drives[static_cast<std::size_t>(drive)].Root, folder);
  connect(this, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { Forms::Guarded([this, item] { OpenEntry(item); }); });
}

void TDirectoryListBox::SetDirectory(const std::string& folder) {
  if (folder == FDirectory) return;
  MoveTo(FDrive, folder);
  if (OnChange) OnChange();
}

void TDirectoryListBox::SetDrive(const std::string& root) {
  const auto last = FLastOnDrive.find(root);
  MoveTo(root, last == FLastOnDrive.end() ? root : last->second);
  if (OnChange) OnChange();
}

void TDirectoryListBox::MoveTo(const std::string& root, const std::string& folder) {
  const std::vector<std::string> subfolders = detail::ReadSubfolders(folder);  // raises before anything changes
  FDrive = root;
  FDirectory = folder;
  FLastOnDrive[root] = folder;

  clear();
  // The root, then one entry per name on the way down; the last of them is the current folder.
  std::string path = root;
  int depth = 0;
  QListWidgetItem* current = AddEntry(this, root, root, depth, "folder-open");
  std::string_view rest = std::string_view(folder).substr(std::min(root.size(), folder.size()));
  while (!rest.empty()) {
    rest.remove_prefix(std::min(rest.find_first_not_of('/'), rest.size()));
    if (rest.empty()) break;
    const std::string name(rest.substr(0, rest.find('/')));
    rest.remove_prefix(name.size());
    path = JoinPath(path, name);
    current = AddEntry(this, name, path, ++depth, "folder-open");
  }
  current->setIcon(detail::Picture("folder-current"));
  for (const std::string& name : subfolders) AddEntry(this, name, JoinPath(folder, name), depth + 1, "folder-closed");
  setCurrentItem(current);
}

void TDirectoryListBox::OpenEntry(const QListWidgetItem* item) {
  if (item != nullptr) SetDirectory(PathOf(item));
}

void TDirectoryListBox::keyPressEvent(QKeyEvent* event) {
  // Enter opens the highlighted entry; on the current folder itself it goes on to the window's default button.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && currentItem() != nullptr && PathOf(currentItem()) != FDirectory) {
    Forms::Guarded([this] { OpenEntry(currentItem()); });
    event->accept();
    return;
  }
  QListWidget::keyPressEvent(event);
}

TFileListBox::TFileListBox(QWidget* parent) : QListWidget(parent) {
  SetUpList(this, 13);
  Read(detail::CurrentFolder());
}

void TFileListBox::SetDirectory(const std::string& folder) {
  if (folder != FDirectory) Read(folder);
}

void TFileListBox::SetMask(const std::string& mask) {
  FMask = mask;
  Read(FDirectory);
}

void TFileListBox::Read(const std::string& folder) {
  const std::vector<std::string> names = detail::ReadFiles(folder, FMask);
  detail::ChangeFolder(folder);
  FDirectory = folder;
  clear();
  for (const std::string& name : names) {
    auto* item = new QListWidgetItem(Forms::ToQString(name), this);
    item->setData(kPathRole, Bytes(name));
  }
  clearSelection();
}

std::string TFileListBox::FileName() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  if (selected.isEmpty()) return {};
  return JoinPath(FDirectory, PathOf(selected.front()));
}

}  // namespace FileCtrl
