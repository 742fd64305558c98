#include "Toolsapi.h"

namespace Toolsapi {

TIntfRef<IBorlandIDEServices> BorlandIDEServices;

}  // namespace Toolsapi
