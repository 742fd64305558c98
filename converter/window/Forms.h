#pragma once
// What the window toolkit's application object does for pelmora: its title, and how an error that leaves an
// event handler is shown to the user.

#include <exception>
#include <functional>
#include <string>
#include <string_view>

namespace Forms {

// The application's title for a program file: the name without its folder and without everything from its
// first
// "." on, every character after the first in lower case ("/usr/bin/PelMora.bin" gives "Pelmora"; on Windows
// "C:\Tools\PELMORA.EXE" gives "Pelmora").
std::string TitleFromFileName(std::string_view path);

// The title of the running program, taken from its file name (per toolkit).
std::string ApplicationTitle();

// Shows how an error is reported: caption and text as they reach the box.
using TExceptionReporter = std::function<void(const std::string& caption, const std::string& text)>;

// Replaces the message box by another reporter (tests); an empty one restores the box. Returns the previous
// one.
TExceptionReporter SetExceptionReporter(TExceptionReporter reporter);

// Shows an error as the event loop does: a stop box with one OK button, modal to the whole application.
void ShowException(const std::exception& error) noexcept;

// Runs an event handler the way the event loop does: an error it raises is shown and goes no further.
template <class Handler>
void Guarded(Handler&& handler) noexcept {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowException(error);
  }
}

namespace detail {
// The toolkit's stop box: one OK button, modal to the whole application.
void ShowStopBox(const std::string& caption, const std::string& text);
}  // namespace detail

}  // namespace Forms
