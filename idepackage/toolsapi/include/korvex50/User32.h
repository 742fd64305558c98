#pragma once
// The few user32 services the package uses: virtual key codes and the system beep, which the host
// can observe.

#include <cstdint>
#include <functional>

#include "Vcl50Api.h"

namespace Windows {

constexpr uint16_t VK_LEFT = 0x25;
constexpr uint16_t VK_UP = 0x26;
constexpr uint16_t VK_RIGHT = 0x27;
constexpr uint16_t VK_DOWN = 0x28;

// Sounds the beep of type uType (0xFFFFFFFF: the simple beep); always succeeds here.
VCL50_API bool MessageBeep(uint32_t uType);

// Called with the type of every beep; the host installs it to hear beeps. An empty hook beeps silently.
using TMessageBeepHook = std::function<void(uint32_t uType)>;
// Installs Hook and returns the previous one.
VCL50_API TMessageBeepHook SetMessageBeepHook(TMessageBeepHook Hook);

}  // namespace Windows
