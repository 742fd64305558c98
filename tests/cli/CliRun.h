#pragma once
// Runs the built pelmora-convert in a folder of its own and collects its exit status, standard output and standard
// error, for the tests at the program's boundary.

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "FileHelpers.h"

namespace pmrconv::test {

struct TRun {
  int Status = -1;
  std::string Out, Err;
};

// What the program's standard streams are: standard input from a text or a file of the test folder (else
// /dev/null), standard output into a file of the test folder (else collected), opened for appending when asked.
struct TStreams {
  std::optional<std::string> In;
  std::filesystem::path InFile;
  std::filesystem::path OutFile;
  bool AppendOut = false;

  static TStreams InputText(std::string Text) {
    TStreams streams;
    streams.In = std::move(Text);
    return streams;
  }
  static TStreams InputFile(std::filesystem::path File) {
    TStreams streams;
    streams.InFile = std::move(File);
    return streams;
  }
  static TStreams AppendOutputTo(std::filesystem::path File) {
    TStreams streams;
    streams.OutFile = std::move(File);
    streams.AppendOut = true;
    return streams;
  }
};

inline const std::string kHead = "<HTML>\r\n<HEAD>\r\n<TITLE>";
inline const std::string kBody =
    "</TITLE>\r\n</HEAD>\r\n<BODY TEXT=\"#000000\" BGCOLOR=\"#FFFFFF\" LINK=\"#3333FF\" VLINK=\"#999999\" "
    "ALINK=\"#FF0000\">\r\n";
inline const std::string kTail = "</BODY>\r\n</HTML>\r\n";

class TCliTest : public ::testing::Test {
protected:
  static constexpr unsigned kTimeLimitSeconds = 30;

  void SetUp() override {
    FDir = std::filesystem::temp_directory_path() /
           ("pmrcli-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(FDir);
    std::filesystem::create_directories(FDir);
  }
  void TearDown() override { std::filesystem::remove_all(FDir); }

  // Runs pelmora-convert with Args in the test folder.
  TRun Run(const std::vector<std::string>& Args, const TStreams& Streams = {}) {
    const std::filesystem::path in = Streams.InFile.empty() ? FDir / ".stdin" : FDir / Streams.InFile;
    const std::filesystem::path err = FDir / ".stderr";
    const std::filesystem::path out = Streams.OutFile.empty() ? FDir / ".stdout" : FDir / Streams.OutFile;
    if (Streams.In) WriteAll(in, *Streams.In);
    const pid_t pid = ::fork();
    if (pid == 0) {
      if (::chdir(FDir.c_str()) != 0) ::_exit(127);
      if (!std::freopen(Streams.In || !Streams.InFile.empty() ? in.c_str() : "/dev/null", "rb", stdin) ||
          !std::freopen(out.c_str(), Streams.AppendOut ? "ab" : "wb", stdout) ||
          !std::freopen(err.c_str(), "wb", stderr)) {
        ::_exit(127);
      }
      ::alarm(kTimeLimitSeconds);  // a program that hangs is killed, and the test fails instead of waiting forever
      ::execv(PELMORA_CONVERT, Argv(Args).data());
      ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    TRun run;
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (Streams.OutFile.empty()) run.Out = ReadAll(out);
    run.Err = ReadAll(err);
    return run;
  }

  // The argument vector of execv for Args; it points into Args.
  static std::vector<char*> Argv(const std::vector<std::string>& Args) {
    std::vector<char*> argv{const_cast<char*>(PELMORA_CONVERT)};
    for (const std::string& a : Args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    return argv;
  }

  static std::string Page(const std::string& Title, const std::string& Body) {
    return kHead + Title + kBody + Body + "\r\n" + kTail;
  }

  std::filesystem::path FDir;
};

}  // namespace pmrconv::test
