// The progress line of pelmora-convert, with standard error on a real pseudo-terminal.

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

#include "CliRun.h"

namespace fs = std::filesystem;
using namespace pmrconv::test;

namespace {

class CliProgressTest : public TCliTest {
protected:
  // Runs pelmora-convert with standard error on a terminal of Columns columns and standard output into a file (or
  // on the terminal too), standard input from the terminal or the file In; returns everything the terminal received.
  std::string RunOnTerminal(const std::vector<std::string>& Args, unsigned short Columns = 80,
                            bool OutOnTerminal = false, const char* In = nullptr) {
    const fs::path out = FDir / ".stdout";
    winsize size{};
    size.ws_row = 24;
    size.ws_col = Columns;
    int master = -1;
    const pid_t pid = ::forkpty(&master, nullptr, nullptr, &size);
    if (pid == 0) {
      if (::chdir(FDir.c_str()) != 0 || (!OutOnTerminal && !std::freopen(out.c_str(), "wb", stdout)) ||
          (In != nullptr && !std::freopen(In, "rb", stdin)))
        ::_exit(127);
      ::alarm(kTimeLimitSeconds);
      ::execv(PELMORA_CONVERT, Argv(Args).data());
      ::_exit(127);
    }
    EXPECT_GT(pid, 0);
    std::string terminal;
    char buffer[4096];
    for (;;) {
      const ssize_t got = ::read(master, buffer, sizeof buffer);
      if (got > 0) {
        terminal.append(buffer, static_cast<size_t>(got));
      } else if (!(got < 0 && errno == EINTR)) {
        break;  // EIO: the program has ended and closed its side
      }
    }
    ::close(master);
    int status = 0;
    ::waitpid(pid, &status, 0);
    FStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return terminal;
  }

  int FStatus = -1;
};

// What the terminal shows in the end: the text with each "\r" returning to the start of the line being written.
std::string Visible(const std::string& Terminal) {
  std::string screen, line;
  size_t column = 0;
  for (const char c : Terminal) {
    if (c == '\r') {
      column = 0;
    } else if (c == '\n') {
      while (!line.empty() && line.back() == ' ') line.pop_back();
      screen += line + "\n";
      line.clear();
      column = 0;
    } else {
      if (column < line.size()) line[column] = c; else line += c;
      ++column;
    }
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return screen + line;
}

// The first progress line drawn: the text after the first "\r", up to the "\r" of the next redraw or clear.
std::string FirstProgressLine(const std::string& Terminal) {
  const size_t start = Terminal.find('\r');
  if (start == std::string::npos) return "";
  const size_t end = Terminal.find('\r', start + 1);
  return Terminal.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
}

// The columns text takes on the terminal: a UTF-8 sequence takes one.
size_t Columns(const std::string& Text) {
  size_t columns = 0;
  for (const char c : Text) columns += (static_cast<unsigned char>(c) & 0xC0) == 0x80 ? 0 : 1;
  return columns;
}

}  // namespace

TEST_F(CliProgressTest, BatchOnTerminalShowsProgressAndClearsIt) {
  for (const char* name : {"a.rtf", "b.rtf", "c.rtf"}) WriteAll(FDir / name, "{x}");
  const std::string terminal = RunOnTerminal({"a.rtf", "b.rtf", "c.rtf"});
  EXPECT_EQ(FStatus, 0);
  EXPECT_NE(terminal.find("\r0 of 3 documents converted, 0 failed: a.rtf"), std::string::npos) << terminal;
  EXPECT_EQ(Visible(terminal), "") << terminal;  // nothing left on success
  EXPECT_EQ(ReadAll(FDir / "c.htm"), Page("c.rtf", "x"));
}

TEST_F(CliProgressTest, FailuresInterruptTheLineAndTheCountEndsTheBatch) {
  WriteAll(FDir / "a.rtf", "{x}");
  WriteAll(FDir / "bad.rtf", "{\\'zz}");
  const std::string terminal = RunOnTerminal({"bad.rtf", "a.rtf"});
  EXPECT_EQ(FStatus, 1);
  // The terminal turns "\n" into "\r\n".
  EXPECT_EQ(Visible(terminal),
            "bad.rtf: 'z' ist kein gültiger Integerwert.\n"
            "1 of 2 documents converted, 1 failed\n")
      << terminal;
}

TEST_F(CliProgressTest, LongNamesAreShortenedToTheTerminalWidth) {
  const std::string name = std::string(60, 'n') + ".rtf";
  WriteAll(FDir / name, "{x}");
  WriteAll(FDir / "b.rtf", "{x}");
  const std::string terminal = RunOnTerminal({name, "b.rtf"}, 50);
  // One column of the 50 stays free, so the line never wraps before its "\r".
  const std::string shown = FirstProgressLine(terminal);
  EXPECT_EQ(shown, "0 of 2 documents converted, 0 failed: ..." + std::string(4, 'n') + ".rtf") << terminal;
  EXPECT_EQ(Columns(shown), 49u) << terminal;

  // A character of several bytes is one column, and is never cut in two.
  const std::string wide = "\xC3\xA4";  // a-umlaut
  std::string wideName;
  for (int i = 0; i < 60; ++i) wideName += wide;
  wideName += ".rtf";
  WriteAll(FDir / wideName, "{x}");
  const std::string wideTerminal = RunOnTerminal({wideName, "b.rtf"}, 50);
  const std::string wideShown = FirstProgressLine(wideTerminal);
  EXPECT_EQ(wideShown, "0 of 2 documents converted, 0 failed: ..." + wide + wide + wide + wide + ".rtf")
      << wideTerminal;
  EXPECT_EQ(Columns(wideShown), 49u) << wideTerminal;
}

TEST_F(CliProgressTest, NoProgressForOneDocumentOrWithQuiet) {
  WriteAll(FDir / "a.rtf", "{x}");
  WriteAll(FDir / "b.rtf", "{x}");
  EXPECT_EQ(RunOnTerminal({"a.rtf"}), "");
  EXPECT_EQ(RunOnTerminal({"-q", "a.rtf", "b.rtf"}), "");
  // Not a terminal: standard error stays silent as well (the other tests run with it in a file).
  EXPECT_EQ(Run({"a.rtf", "b.rtf"}).Err, "");
}

TEST_F(CliProgressTest, TheLineIsClearedBeforeAPageOnTheTerminalAndNeverWraps) {
  WriteAll(FDir / "s1.rtf", "{one}");
  WriteAll(FDir / "s2.rtf", "{two}");
  const std::string terminal = RunOnTerminal({"-", "s1.rtf"}, 80, true, "s2.rtf");
  EXPECT_EQ(FStatus, 0);
  // The page starts on a clean line: no rest of "0 of 2 documents converted" beside "<HTML>".
  EXPECT_TRUE(Visible(terminal).starts_with("<HTML>\n")) << terminal;

  // Narrower than the counts: they are cut as well, and the escaped name takes its columns.
  WriteAll(FDir / "a\033b.rtf", "{x}");
  const std::string narrow = RunOnTerminal({"a\033b.rtf", "s1.rtf"}, 20);
  EXPECT_EQ(FirstProgressLine(narrow), "0 of 2 documents co") << narrow;  // 19 of 20 columns
  const std::string wide = RunOnTerminal({"a\033b.rtf", "s1.rtf"}, 60);
  EXPECT_EQ(FirstProgressLine(wide), "0 of 2 documents converted, 0 failed: a\\033b.rtf") << wide;
}
