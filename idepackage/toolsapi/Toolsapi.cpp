#include <korvex50/Toolsapi.h>

namespace Toolsapi {

TIntfRef<IBorlandIDEServices> BorlandIDEServices;

}  // namespace Toolsapi
