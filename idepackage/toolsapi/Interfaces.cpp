#include <korvex50/Interfaces.h>

namespace vcl {

EIntfCastError::EIntfCastError() : rtl::Exception("Interface not supported") {}

const char* EIntfCastError::ClassName() const noexcept { return "EIntfCastError"; }

void RaiseIntfCastError() { throw EIntfCastError(); }

}  // namespace vcl
