#pragma once
// The system's beep as the package sounds it: user32's MessageBeep on Windows, where the package
// imports it; the runtime's stand-in, which a host can listen to, elsewhere.

#include <cstdint>

namespace KorvexOTA50 {

void SystemBeep(uint32_t uType);

}  // namespace KorvexOTA50
