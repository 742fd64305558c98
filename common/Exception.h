#pragma once
// The one root of every error the tools raise. The message is the user-visible text, byte for byte.

#include <exception>
#include <string>
#include <utility>

namespace rtl {

class Exception : public std::exception {
public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}

  // The message exactly as the user sees it.
  const std::string& Message() const noexcept { return FMessage; }
  const char* what() const noexcept override { return FMessage.c_str(); }

  // The class name shown by error reports that name the class.
  virtual const char* ClassName() const noexcept { return "Exception"; }

private:
  std::string FMessage;
};

}  // namespace rtl
