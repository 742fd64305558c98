#pragma once
// How the window and pelmora-convert show an error, kept in one place so that the two never drift apart.

#include <string>
#include <string_view>

namespace PageRules {

// How an error message is shown: the message, and "." after it when its last byte sorts after "." (so "Ende."
// and "Maximum (3)" stay as they are, "I/O-Fehler 32" becomes "I/O-Fehler 32.").
std::string MessageWithPeriod(std::string_view message);

}  // namespace PageRules
