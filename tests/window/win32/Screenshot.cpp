// Usage: pelmora_screenshot_win FILE.bmp — shows the window on the current folder with its first file
// selected, as a user about to press OK would have it, and saves a picture of the whole window, frame
// included.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "pmrform.h"

namespace {

// The window as the screen shows it, frame included, as a 24-bit bottom-up BMP file.
bool SaveWindow(HWND window, const char* path) {
  RECT frame;
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  const bool copied = BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY) != FALSE;
  SelectObject(memory, previous);

  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) & ~3;
  std::vector<char> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
  const bool read = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == height;
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!copied || !read) return false;

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: pelmora_screenshot_win FILE.bmp\n");
    return 2;
  }
  pmrform::TForm1 form;
  form.Show();
  SendMessageA(form.FileListBox1->Handle(), LB_SETCURSEL, 0, 0);
  SetFocus(form.FileListBox1->Handle());
  // Let the window and its frame be drawn before the picture is taken.
  for (int i = 0; i < 20; ++i) {
    Forms::ProcessMessages();
    Sleep(50);
  }
  if (!SaveWindow(form.Handle(), argv[1])) {
    std::fprintf(stderr, "pelmora_screenshot_win: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
