#include "pmrconv/Context.h"

namespace pmrconv {

TConversionContext& Context() {
  static TConversionContext context;
  return context;
}

}  // namespace pmrconv
