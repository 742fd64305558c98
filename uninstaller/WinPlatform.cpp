// Win32 registry access and process start, through the 8-bit (A) functions.

#include <windows.h>

#include <utility>

#include "uVoUnInstaller.h"

namespace uVoUnInstaller {

namespace {

// Move-only owner of an open registry key.
class TKeyHandle {
public:
  TKeyHandle() = default;
  explicit TKeyHandle(HKEY key) noexcept : FKey(key) {}
  TKeyHandle(TKeyHandle&& other) noexcept : FKey(std::exchange(other.FKey, nullptr)) {}
  TKeyHandle& operator=(TKeyHandle&& other) noexcept {
    if (this != &other) {
      Close();
      FKey = std::exchange(other.FKey, nullptr);
    }
    return *this;
  }
  TKeyHandle(const TKeyHandle&) = delete;
  TKeyHandle& operator=(const TKeyHandle&) = delete;
  ~TKeyHandle() { Close(); }

  HKEY Get() const noexcept { return FKey; }

private:
  void Close() noexcept {
    if (FKey != nullptr) RegCloseKey(FKey);
    FKey = nullptr;
  }
  HKEY FKey = nullptr;
};

// Move-only owner of a kernel handle.
class TKernelHandle {
public:
  explicit TKernelHandle(HANDLE handle) noexcept : FHandle(handle) {}
  TKernelHandle(TKernelHandle&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
  TKernelHandle& operator=(TKernelHandle&&) = delete;
  TKernelHandle(const TKernelHandle&) = delete;
  TKernelHandle& operator=(const TKernelHandle&) = delete;
  ~TKernelHandle() {
    if (FHandle != nullptr && FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
  }

  HANDLE Get() const noexcept { return FHandle; }

private:
  HANDLE FHandle;
};

// Both handles that CreateProcessA returns, closed together on every path.
struct TProcessHandles {
  explicit TProcessHandles(const PROCESS_INFORMATION& info) noexcept : Process(info.hProcess), Thread(info.hThread) {}
  TKernelHandle Process;
  TKernelHandle Thread;
};

class TWinRegistry final : public TRegistry {
public:
  bool OpenKey(const std::string& path) override {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return false;
    FCurrent = TKeyHandle(key);
    return true;
  }

  std::optional<std::size_t> ValueSize(const std::string& name) override {
    if (FCurrent.Get() == nullptr) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(FCurrent.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
      return std::nullopt;
    return size;
  }

  std::optional<TRegValue> ReadValue(const std::string& name, std::size_t size) override {
    if (FCurrent.Get() == nullptr || size > MAXDWORD) return std::nullopt;
    TRegValue value;
    value.Data.assign(size, '\0');
    DWORD type = 0;
    auto length = static_cast<DWORD>(size);
    // A value that grew since its size was asked gives ERROR_MORE_DATA: the data cannot be read.
    if (RegQueryValueExA(FCurrent.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.Data.data()),
                         &length) != ERROR_SUCCESS)
      return std::nullopt;
    value.Type = type;
    value.Data.resize(length);
    return value;
  }

private:
  TKeyHandle FCurrent;
};

#ifndef _WIN64
static_assert(sizeof(STARTUPINFOA) == 68, "the start-up information of 32-bit Windows");
#endif

class TWinLauncher final : public TLauncher {
public:
  TOutcome RunAndWait(char* commandLine) override {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION info{};
    // No program name: Windows takes the program from the command line's first item.
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &info))
      return TOutcome::kNotStarted;
    const TProcessHandles handles(info);
    return WaitForSingleObject(handles.Process.Get(), INFINITE) == WAIT_OBJECT_0 ? TOutcome::kEnded
                                                                                  : TOutcome::kWaitFailed;
  }
};

}  // namespace

std::unique_ptr<TRegistry> MakeSystemRegistry() { return std::make_unique<TWinRegistry>(); }
std::unique_ptr<TLauncher> MakeSystemLauncher() { return std::make_unique<TWinLauncher>(); }

}  // namespace uVoUnInstaller
