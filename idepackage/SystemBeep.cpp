#include "SystemBeep.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <korvex50/User32.h>
#endif

namespace KorvexOTA50 {

void SystemBeep(uint32_t uType) {
#if defined(_WIN32)
  ::MessageBeep(uType);
#else
  Windows::MessageBeep(uType);
#endif
}

}  // namespace KorvexOTA50
