#include <korvex50/ShortCut.h>

namespace vcl {

TShortCut ShortCut(uint16_t Key, TShiftState Shift) {
  if (Key > 0xFF) return 0;
  uint32_t value = Key;
  if (Shift.Contains(ssShift)) value += 0x2000;
  if (Shift.Contains(ssCtrl)) value += 0x4000;
  if (Shift.Contains(ssAlt)) value += 0x8000;
  return static_cast<TShortCut>(value);
}

}  // namespace vcl
