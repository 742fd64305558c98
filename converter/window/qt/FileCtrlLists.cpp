// The folder list and the file list.
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include "FileCtrlQt.h"
#include "FileCtrlPictures.h"
#include "TFormQt.h"

namespace FileCtrl {

namespace {

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

void UseItemHeight(QListWidget* list, int itemHeight) {
  QAbstractItemDelegate* previous = list->itemDelegate();
  list->setItemDelegate(new TItemDelegate(list, itemHeight));
  if (previous != nullptr && previous->parent() == list) delete previous;
}

void SetUpList(QListWidget* list, int itemHeight) {
  UseItemHeight(list, itemHeight);
  list->setUniformItemSizes(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
}

}  // namespace

TDirectoryListBox::TDirectoryListBox(QWidget* parent) : QListWidget(parent) {
  SetUpList(this, 16);
  setIconSize(QSize(16, 16));
  Start();
  connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { Open(row(item)); });
}

void TDirectoryListBox::SetItemHeight(int height) {
  UseItemHeight(this, height);
}

void TDirectoryListBox::ShowEntries(const std::vector<TListEntry>& entries, int current) {
  clear();
  for (const TListEntry& entry : entries) {
    auto* item = new QListWidgetItem(Picture(entry.Picture), Forms::ToQString(entry.Text), this);
    item->setData(kDepthRole, entry.Depth);
  }
  setCurrentRow(current);
}

void TDirectoryListBox::keyPressEvent(QKeyEvent* event) {
  // Enter opens the highlighted entry; on the current folder itself it goes on to the window's default
  // button.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && IsOtherFolder(currentRow())) {
    Open(currentRow());
    event->accept();
    return;
  }
  QListWidget::keyPressEvent(event);
}

TFileListBox::TFileListBox(QWidget* parent) : QListWidget(parent) {
  SetUpList(this, 13);
  Start();
}

void TFileListBox::SetItemHeight(int height) {
  UseItemHeight(this, height);
}

void TFileListBox::ShowNames(const std::vector<std::string>& names) {
  clear();
  for (const std::string& name : names) new QListWidgetItem(Forms::ToQString(name), this);
  clearSelection();
}

int TFileListBox::SelectedIndex() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : row(selected.front());
}

void TFileListBox::ShowSelected(int index) {
  setCurrentRow(index);
  scrollToItem(item(index));
}

}  // namespace FileCtrl
