#include "PackageLibrary.h"

namespace testhost {

// Without a resource section the package serves its resources itself.
std::span<const uint8_t> TPackageLibrary::Resource(const char* name) const { return ServedResource(name); }

}  // namespace testhost
