// The Win32 controls. The lists and the drive box are owner-drawn so that each entry shows its picture (and,
// in the folder list, its depth); the buttons are owner-drawn to show their pictures beside the caption.
#include "FileCtrlWin32.h"

#include <algorithm>
#include <array>

#include "Forms.h"

namespace FileCtrl {

namespace {

constexpr int kPictureSize = 16;
constexpr int kIndentPerLevel = 8;
constexpr int kDroppedListHeight = 160;
constexpr int kFirstPictureId = 100;  // the pictures' icon resources, in the order of TPicture

HICON Picture(TPicture picture) {
  static std::array<Win32::TIcon, static_cast<std::size_t>(TPicture::Close) + 1> icons;
  Win32::TIcon& icon = icons[static_cast<std::size_t>(picture)];
  if (!icon) {
    icon.reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                             MAKEINTRESOURCEW(kFirstPictureId + static_cast<int>(picture)),
                                             IMAGE_ICON, kPictureSize, kPictureSize, LR_DEFAULTCOLOR)));
  }
  return icon.get();
}

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageW(window, message, wParam, lParam);
}

// An entry: the selection's colours or the list's, the picture, then the text, all indented by the depth.
void DrawEntry(const DRAWITEMSTRUCT& item, const TListEntry& entry) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const int left = item.rcItem.left + 2 + kIndentPerLevel * entry.Depth;
  const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - kPictureSize) / 2;
  if (HICON icon = Picture(entry.Picture))
    DrawIconEx(item.hDC, left, top, icon, kPictureSize, kPictureSize, 0, nullptr, DI_NORMAL);
  RECT text = item.rcItem;
  text.left = left + kPictureSize + 3;
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const std::wstring caption = Forms::WideText(entry.Text);
  DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_COMBOBOXEDIT) == 0)
    DrawFocusRect(item.hDC, &item.rcItem);
}

void ShowInList(HWND list, UINT reset, UINT add, const std::vector<std::wstring>& texts) {
  Send(list, WM_SETREDRAW, FALSE);
  Send(list, reset);
  for (const std::wstring& text : texts) Send(list, add, 0, reinterpret_cast<LPARAM>(text.c_str()));
  Send(list, WM_SETREDRAW, TRUE);
  InvalidateRect(list, nullptr, TRUE);
}

std::vector<std::wstring> TextsOf(const std::vector<TListEntry>& entries) {
  std::vector<std::wstring> texts;
  for (const TListEntry& entry : entries) texts.push_back(Forms::WideText(entry.Text));
  return texts;
}

}  // namespace

TDriveComboBox::TDriveComboBox(Forms::TForm& form)
    : TWinControl(form, L"COMBOBOX",
                  CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP, 0) {
  Send(Handle(), CB_SETITEMHEIGHT, 0, kPictureSize);
  SetDrives(SystemDrives());
}

void TDriveComboBox::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, width, height + kDroppedListHeight);
  // The closed box's height is its selection field's plus a frame that systems draw differently (Windows from
  // the field's height as set, Wine from the height the owner measures): set a field, measure, and correct
  // it.
  FFieldHeight = static_cast<UINT>(height);
  for (int pass = 0; pass < 2; ++pass) {
    Send(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), static_cast<LPARAM>(FFieldHeight));
    RECT box;
    GetWindowRect(Handle(), &box);
    FFieldHeight = static_cast<UINT>(
        std::max<long>(static_cast<long>(FFieldHeight) + height - (box.bottom - box.top), 1));
  }
}

void TDriveComboBox::MeasureItem(MEASUREITEMSTRUCT& item) {
  if (item.itemID != static_cast<UINT>(-1))
    item.itemHeight = kPictureSize;
  else if (FFieldHeight != 0)
    item.itemHeight = FFieldHeight;
}

void TDriveComboBox::ShowEntries(const std::vector<TListEntry>& entries) {
  FEntries = entries;
  ShowInList(Handle(), CB_RESETCONTENT, CB_ADDSTRING, TextsOf(entries));
}

void TDriveComboBox::ShowPicked(int index) {
  Send(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index));
}

void TDriveComboBox::Notified(WORD code) {
  if (code == CBN_SELCHANGE) Picked(static_cast<int>(Send(Handle(), CB_GETCURSEL)));
}

void TDriveComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID < FEntries.size()) DrawEntry(item, FEntries[item.itemID]);
}

TDirectoryListBox::TDirectoryListBox(Forms::TForm& form)
    : TWinControl(
          form, L"LISTBOX",
          LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
          WS_EX_CLIENTEDGE) {
  Start();
}

void TDirectoryListBox::SetItemHeight(int height) {
  Send(Handle(), LB_SETITEMHEIGHT, 0, height);
}

void TDirectoryListBox::ShowEntries(const std::vector<TListEntry>& entries, int current) {
  FEntries = entries;
  ShowInList(Handle(), LB_RESETCONTENT, LB_ADDSTRING, TextsOf(entries));
  Send(Handle(), LB_SETCURSEL, static_cast<WPARAM>(current));
}

void TDirectoryListBox::Notified(WORD code) {
  if (code == LBN_DBLCLK) Open(static_cast<int>(Send(Handle(), LB_GETCURSEL)));
}

void TDirectoryListBox::DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID < FEntries.size()) DrawEntry(item, FEntries[item.itemID]);
}

bool TDirectoryListBox::KeyDown(WPARAM key) {
  const int highlighted = static_cast<int>(Send(Handle(), LB_GETCURSEL));
  if (key != VK_RETURN || !IsOtherFolder(highlighted)) return false;
  Open(highlighted);
  return true;
}

TFileListBox::TFileListBox(Forms::TForm& form)
    : TWinControl(form, L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                  WS_EX_CLIENTEDGE) {
  Start();
}

void TFileListBox::SetItemHeight(int height) {
  Send(Handle(), LB_SETITEMHEIGHT, 0, height);
}

void TFileListBox::ShowNames(const std::vector<std::string>& names) {
  std::vector<std::wstring> texts;
  for (const std::string& name : names) texts.push_back(Forms::WideText(name));
  ShowInList(Handle(), LB_RESETCONTENT, LB_ADDSTRING, texts);
  Send(Handle(), LB_SETCURSEL, static_cast<WPARAM>(-1));
}

int TFileListBox::SelectedIndex() const {
  return static_cast<int>(Send(Handle(), LB_GETCURSEL));
}

void TFileListBox::ShowSelected(int index) {
  // A single-selection list box scrolls the entry it selects into view itself.
  Send(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index));
}

TBitBtn::TBitBtn(Forms::TForm& form, TBitBtnKind kind)
    : TWinControl(form, L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0), FKind(kind) {
  SetWindowTextW(Handle(), Forms::WideText(CaptionOf(kind)).c_str());
  if (kind == TBitBtnKind::OK) form.SetDefaultButton(this);
}

void TBitBtn::Notified(WORD code) {
  if (code != BN_CLICKED) return;
  if (OnClick) Forms::Guarded(OnClick);
  if (FKind == TBitBtnKind::Close) FForm.Close();
}

bool TBitBtn::KeyDown(WPARAM key) {
  if (key != VK_RETURN) return false;
  Notified(BN_CLICKED);
  return true;
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  RECT face = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  if (FKind == TBitBtnKind::OK) {  // the default button's dark outline
    FrameRect(item.hDC, &face, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&face, -1, -1);
  }
  DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

  wchar_t caption[64] = {};
  const int length = GetWindowTextW(Handle(), caption, 64);
  SIZE extent{};
  HGDIOBJ previous = SelectObject(item.hDC, reinterpret_cast<HGDIOBJ>(Send(Handle(), WM_GETFONT)));
  GetTextExtentPoint32W(item.hDC, caption, length,
                        &extent);  // the "&" counts, but is not drawn: a close enough width
  const bool pictured = FKind != TBitBtnKind::Custom;
  const int gap = 4;
  const int width = (pictured ? kPictureSize + gap : 0) + extent.cx;
  const int shift = pushed ? 1 : 0;
  int left = (face.left + face.right - width) / 2 + shift;
  if (pictured) {
    DrawIconEx(item.hDC, left, (face.top + face.bottom - kPictureSize) / 2 + shift, Picture(PictureOf(FKind)),
               kPictureSize, kPictureSize, 0, nullptr, DI_NORMAL);
    left += kPictureSize + gap;
  }
  RECT text{left, face.top + shift, face.right, face.bottom + shift};
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
  DrawTextW(item.hDC, caption, length, &text,
            DT_SINGLELINE | DT_VCENTER | ((item.itemState & ODS_NOACCEL) != 0 ? DT_HIDEPREFIX : 0));
  SelectObject(item.hDC, previous);
  if ((item.itemState & ODS_FOCUS) != 0) {
    InflateRect(&face, -4, -4);
    DrawFocusRect(item.hDC, &face);
  }
}

}  // namespace FileCtrl
