#pragma once
// Collects the errors the window would show in message boxes, for as long as it lives.

#include <string>
#include <utility>
#include <vector>

#include "Forms.h"

struct TShownError {
  std::string Caption;
  std::string Text;
};

class TErrorCapture {
public:
  TErrorCapture()
      : FPrevious(Forms::SetExceptionReporter(
            [this](const std::string& caption, const std::string& text) { Shown.push_back({caption, text}); })) {}
  ~TErrorCapture() { Forms::SetExceptionReporter(std::move(FPrevious)); }
  TErrorCapture(const TErrorCapture&) = delete;
  TErrorCapture& operator=(const TErrorCapture&) = delete;

  std::vector<TShownError> Shown;

private:
  Forms::TExceptionReporter FPrevious;
};
