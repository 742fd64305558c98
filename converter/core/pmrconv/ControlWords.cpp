#include "pmrconv/ControlWords.h"

namespace pmrconv {

std::string TranslateControlWord(const std::string&, TTagStack&, format&, int32_t) { return {}; }

std::string FontSizeTag(int32_t) { return {}; }

}  // namespace pmrconv
