// The Win32 toolkit's form, the event loop, the application's title and the stop box.
#include "TFormWin32.h"

#include <stdexcept>

#include "Forms.h"

namespace Forms {

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

TForm* gMainForm = nullptr;

TForm* FormOf(HWND window) {
  return reinterpret_cast<TForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The control whose window is this child of the form, or the one it belongs to (a combo box's own parts);
// null for any other window. Only the form's children carry a control in their user data.
TWinControl* ControlOf(HWND form, HWND window) {
  while (window != nullptr && GetParent(window) != form) window = GetParent(window);
  return window == nullptr ? nullptr
                           : reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

[[noreturn]] void RaiseWindowError(const char* what) {
  throw std::runtime_error(std::string(what) + " failed with code " + std::to_string(GetLastError()));
}

// Dialog keys find controls by their ids (the default button's, for Enter), so each gets its own.
INT_PTR NextControlId() {
  static INT_PTR next = 100;
  return next++;
}

std::wstring RegisteredClass(const char* name) {
  const std::wstring className = L"T" + WideText(name);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), className.c_str(), &windowClass)) return className;
  windowClass.lpfnWndProc = DefWindowProcW;  // replaced per window once its form is known
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.hIcon = LoadIconW(windowClass.hInstance, L"MAINICON");
  windowClass.lpszClassName = className.c_str();
  if (!RegisterClassExW(&windowClass)) RaiseWindowError("RegisterClassEx");
  return className;
}

}  // namespace

TWinControl::TWinControl(TForm& form, const wchar_t* className, DWORD style, DWORD exStyle)
    : FForm(form),
      FHandle(CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                              form.Handle(), reinterpret_cast<HMENU>(NextControlId()),
                              GetModuleHandleW(nullptr), nullptr)) {
  if (FHandle == nullptr) RaiseWindowError("CreateWindowEx");
  SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(form.Font()), FALSE);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  MoveWindow(FHandle, left, top, width, height, TRUE);
}

TForm::TForm(const char* name) {
  const std::wstring className = RegisteredClass(name);
  FWindow.reset(CreateWindowExW(kFormExStyle, className.c_str(), L"", kFormStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr),
                                nullptr));
  if (!FWindow) RaiseWindowError("CreateWindowEx");
  SetWindowLongPtrW(Handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TForm::WindowProc));
  if (gMainForm == nullptr) gMainForm = this;
}

TForm::~TForm() {
  // Freeing the form is not the user closing it: the event loop goes on.
  if (gMainForm == this) gMainForm = nullptr;
  FWindow.reset();  // destroys the controls' windows while their objects still live
}

void TForm::SetCaption(const std::string& caption) {
  SetWindowTextW(Handle(), WideText(caption).c_str());
}

void TForm::SetFont(const char* face, int height) {
  Win32::TFont font(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_SWISS, WideText(face).c_str()));
  if (!font) RaiseWindowError("CreateFont");
  FFont = std::move(font);
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FFont.get()), FALSE);
  for (const auto& control : FControls)
    SendMessageW(control->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FFont.get()), TRUE);
}

void TForm::SetPosition(int left, int top) {
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::SetClientSize(int width, int height) {
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, kFormStyle, FALSE, kFormExStyle);
  SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::FocusControl(TWinControl* control) {
  FFocus = control->Handle();
  if (IsWindowVisible(Handle())) SetFocus(FFocus);
}

void TForm::Show() {
  ShowWindow(Handle(), SW_SHOWNORMAL);
  UpdateWindow(Handle());
  SetForegroundWindow(Handle());
  if (FFocus != nullptr) SetFocus(FFocus);
}

void TForm::Close() {
  SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

bool TForm::PreTranslate(MSG& message) {
  const HWND root = message.hwnd == nullptr ? nullptr : GetAncestor(message.hwnd, GA_ROOT);
  if (root == nullptr ||
      GetWindowLongPtrW(root, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&TForm::WindowProc))
    return false;  // a message box or another program's window: its own procedure handles its keys
  if (message.message == WM_KEYDOWN && message.hwnd != root) {
    TWinControl* control = ControlOf(root, message.hwnd);
    if (control != nullptr && control->KeyDown(message.wParam)) return true;
  }
  return IsDialogMessageW(root, &message) != FALSE;
}

LRESULT CALLBACK TForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TForm* form = FormOf(window);
  if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return form->Dispatch(message, wParam, lParam);
}

LRESULT TForm::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (TWinControl* control = ControlOf(Handle(), reinterpret_cast<HWND>(lParam)))
        control->Notified(HIWORD(wParam));
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (TWinControl* control = ControlOf(Handle(), item.hwndItem)) control->DrawItem(item);
      return TRUE;
    }
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      // Also sent while a control is being created, before it is known: it then keeps the toolkit's height.
      if (TWinControl* control = ControlOf(Handle(), GetDlgItem(Handle(), static_cast<int>(item.CtlID))))
        control->MeasureItem(item);
      return TRUE;
    }
    case DM_GETDEFID:
      if (FDefaultButton == nullptr) break;
      return MAKELRESULT(GetDlgCtrlID(FDefaultButton->Handle()), DC_HASDEFID);
    case WM_ACTIVATE:
      // Dialog-style focus: kept while another window is active, given back on return.
      if (LOWORD(wParam) == WA_INACTIVE) {
        if (HWND focus = GetFocus(); focus != nullptr && IsChild(Handle(), focus)) FFocus = focus;
      } else if (FFocus != nullptr) {
        SetFocus(FFocus);
      }
      return 0;
    case WM_CLOSE:
      DestroyWindow(Handle());
      return 0;
    case WM_DESTROY:
      if (gMainForm == this) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      (void)FWindow.release();  // the window is gone; the owner must not destroy it again
      return 0;
    default:
      break;
  }
  return DefWindowProcW(Handle(), message, wParam, lParam);
}

void RunEventLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (TForm::PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // left for the event loop that ends on it
      return;
    }
    if (TForm::PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::wstring WideText(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  UINT codePage = CP_UTF8;
  int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length == 0) {
    codePage = CP_ACP;
    length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  }
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, codePage == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0, bytes.data(), size,
                      text.data(), length);
  return text;
}

std::string ApplicationTitle() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return TitleFromFileName(std::string_view(path, length));
}

namespace detail {

void ShowStopBox(const std::string& caption, const std::string& text) {
  // No owner and task-modal: the box belongs to the application and disables all its windows meanwhile.
  MessageBoxW(nullptr, WideText(text).c_str(), WideText(caption).c_str(), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

}  // namespace detail

}  // namespace Forms
