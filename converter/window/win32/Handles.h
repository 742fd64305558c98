#pragma once
// Move-only owners of the Win32 handles the window uses: each releases its handle exactly once.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace Win32 {

struct TWindowDestroyer {
  void operator()(HWND window) const noexcept { DestroyWindow(window); }
};
struct TGdiDeleter {
  void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
struct TIconDestroyer {
  void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};

// A window; destroying the owner destroys the window and its children.
using TWindow = std::unique_ptr<std::remove_pointer_t<HWND>, TWindowDestroyer>;
using TFont = std::unique_ptr<std::remove_pointer_t<HFONT>, TGdiDeleter>;
using TIcon = std::unique_ptr<std::remove_pointer_t<HICON>, TIconDestroyer>;

}  // namespace Win32
