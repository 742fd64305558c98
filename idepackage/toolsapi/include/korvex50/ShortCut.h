#pragma once
// Key shortcuts of the class library: a virtual key code with a shift state in one 16-bit value.

#include <cstdint>
#include <initializer_list>

#include "Vcl50Api.h"

namespace vcl {

using TShortCut = uint16_t;

// Members of a shift state; each stands for the bit 1 << ordinal (Shift 1, Alt 2, Ctrl 4).
enum TShiftStateFlag : uint8_t { ssShift = 0, ssAlt = 1, ssCtrl = 2 };

// A set of shift-state flags.
class TShiftState {
 public:
  constexpr TShiftState() = default;
  constexpr TShiftState(std::initializer_list<TShiftStateFlag> flags) {
    for (const TShiftStateFlag flag : flags) FBits = static_cast<uint8_t>(FBits | (1u << flag));
  }
  constexpr bool Contains(TShiftStateFlag flag) const { return (FBits >> flag) & 1u; }
  constexpr uint8_t Value() const { return FBits; }

 private:
  uint8_t FBits = 0;
};

// Key code in the low byte, Shift adds 0x2000, Ctrl 0x4000, Alt 0x8000. A key code that does not
// fit in the low byte gives 0 (no shortcut).
VCL50_API TShortCut ShortCut(uint16_t Key, TShiftState Shift);

}  // namespace vcl
