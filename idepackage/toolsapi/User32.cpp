#include <korvex50/User32.h>

#include <utility>

namespace Windows {
namespace {
TMessageBeepHook& BeepHook() {
  static TMessageBeepHook hook;
  return hook;
}
}  // namespace

bool MessageBeep(uint32_t uType) {
  if (const TMessageBeepHook& hook = BeepHook()) hook(uType);
  return true;
}

TMessageBeepHook SetMessageBeepHook(TMessageBeepHook Hook) { return std::exchange(BeepHook(), std::move(Hook)); }

}  // namespace Windows
