// ConvertFile with real files: errors and their messages, the sharing guard, closing on every path.

#include <fcntl.h>
#ifndef _WIN32  // advisory locks are POSIX's; Windows sharing has tests of its own in windows/
#include <sys/file.h>
#endif
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "ConvertHelpers.h"
#include "pmrconv/Convert.h"

#include "FileHelpers.h"

namespace fs = std::filesystem;
using namespace pmrconv;
using namespace pmrconv::test;

namespace {

class ConvertFileTest : public ConverterTest {
protected:
  void SetUp() override {
    ConverterTest::SetUp();
    FDir = fs::temp_directory_path() /
           ("pmrconv-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(FDir);
    fs::create_directories(FDir / "sub");
    FSource = FDir / "a.rtf";
    WriteAll(FSource, kDocument);
  }
  void TearDown() override { fs::remove_all(FDir); }

  // Expects ConvertFile to fail with the file error Code and Message.
  void ExpectFileError(const std::string& Source, const std::string& Dest, int Code, const std::string& Message) {
    try {
      ConvertFile(Source, Dest);
      ADD_FAILURE() << "no error for " << Source << " -> " << Dest;
    } catch (const EInOutError& e) {
      EXPECT_EQ(e.ErrorCode(), Code) << Source << " -> " << Dest;
      EXPECT_EQ(e.Message(), Message);
      EXPECT_STREQ(e.ClassName(), "EInOutError");
    }
  }

  static constexpr std::string_view kDocument = "{\\rtf1 Hello}\r\n";
  fs::path FDir, FSource;
};

#ifndef _WIN32
// Holds an flock on a file for the length of a scope, as another process would.
class TForeignLock {
public:
  TForeignLock(const fs::path& Path, int Operation) : FFd(::open(Path.c_str(), O_RDONLY)) {
    EXPECT_GE(FFd, 0);
    EXPECT_EQ(::flock(FFd, Operation), 0);
  }
  ~TForeignLock() { ::close(FFd); }

private:
  int FFd;
};
#endif

}  // namespace

TEST_F(ConvertFileTest, WritesThePageWithTheSourceNameAsTitle) {
  const std::string dest = (FDir / "a.htm").string();
  ConvertFile(FSource.string(), dest);
  EXPECT_EQ(ReadAll(dest), Head(FSource.string()) + "Hello\r\n" + std::string(kTail));
  WriteAll(dest, std::string(100000, 'x'));  // an existing file is replaced, not overwritten in part
  ConvertFile(FSource.string(), dest);
  EXPECT_EQ(ReadAll(dest), Head(FSource.string()) + "Hello\r\n" + std::string(kTail));
}

TEST_F(ConvertFileTest, SourceErrorsStopBeforeTheDestinationIsCreated) {
  const fs::path dest = FDir / "x.htm";
  ExpectFileError((FDir / "missing.rtf").string(), dest.string(), 2, "Datei nicht gefunden");
  ExpectFileError((FDir / "nofolder" / "a.rtf").string(), dest.string(), 3, "Ungültiger Dateiname");
  ExpectFileError((FSource / "a.rtf").string(), dest.string(), 3, "Ungültiger Dateiname");  // a file as folder
  ExpectFileError((FDir / "sub").string(), dest.string(), 5, "Dateizugriff verweigert");
#ifndef _WIN32
  // A link that leads only to itself names no file: the window's folder reading reads the same.
  fs::create_symlink(FDir / "loop.rtf", FDir / "loop.rtf");
  ExpectFileError((FDir / "loop.rtf").string(), dest.string(), 3, "Ungültiger Dateiname");
#endif
  EXPECT_FALSE(fs::exists(dest));
}

TEST_F(ConvertFileTest, DestinationErrorsReleaseTheSource) {
  ExpectFileError(FSource.string(), (FDir / "nofolder" / "a.htm").string(), 3, "Ungültiger Dateiname");
  ExpectFileError(FSource.string(), (FDir / "sub").string(), 5, "Dateizugriff verweigert");
  // The failed conversions closed the source again, so it can now be written.
  const fs::path other = FDir / "b.rtf";
  WriteAll(other, "{new}");
  ConvertFile(other.string(), FSource.string());
  EXPECT_EQ(ReadAll(FSource), Head(other.string()) + "new\r\n" + std::string(kTail));
}

TEST_F(ConvertFileTest, RefusesTheSourceItselfUnderAnyNameAndLeavesItUnchanged) {
  fs::create_hard_link(FSource, FDir / "hard.htm");
#ifndef _WIN32  // symbolic links need a privilege on Windows
  fs::create_symlink(FSource, FDir / "soft.htm");
#endif
  const std::string spellings[] = {FSource.string(), (FDir / "sub" / ".." / "a.rtf").string(),
                                   (FDir / "hard.htm").string(),
#ifndef _WIN32
                                   (FDir / "soft.htm").string()
#endif
  };
  for (const std::string& dest : spellings) ExpectFileError(FSource.string(), dest, 32, "I/O-Fehler 32");
  ExpectFileError((FDir / "hard.htm").string(), FSource.string(), 32, "I/O-Fehler 32");
  EXPECT_EQ(ReadAll(FSource), kDocument);
}

#ifndef _WIN32
TEST_F(ConvertFileTest, RefusesFilesThatOthersHoldOpen) {
  const fs::path dest = FDir / "busy.htm";
  WriteAll(dest, "keep me");
  {
    TForeignLock writer(dest, LOCK_EX);
    ExpectFileError(FSource.string(), dest.string(), 32, "I/O-Fehler 32");
  }
  {
    TForeignLock reader(dest, LOCK_SH);
    ExpectFileError(FSource.string(), dest.string(), 32, "I/O-Fehler 32");
  }
  EXPECT_EQ(ReadAll(dest), "keep me");
  {
    TForeignLock writer(FSource, LOCK_EX);  // a source being written may not be read
    ExpectFileError(FSource.string(), (FDir / "c.htm").string(), 32, "I/O-Fehler 32");
  }
  {
    TForeignLock reader(FSource, LOCK_SH);  // other readers are fine
    ConvertFile(FSource.string(), (FDir / "c.htm").string());
  }
}
#endif

TEST_F(ConvertFileTest, FullDiskIsReportedAndBothFilesAreClosed) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ExpectFileError(FSource.string(), "/dev/full", 101, "Kapazität der Diskette/Festplatte erschöpft");
  ConvertFile((FDir / "sub" / ".." / "a.rtf").string(), (FDir / "after.htm").string());
  WriteAll(FSource, "{x}");  // nothing holds the source any more
  ConvertFile((FDir / "after.htm").string(), FSource.string());
}

TEST_F(ConvertFileTest, ConversionErrorLeavesThePartlyWrittenPageWithItsTail) {
  WriteAll(FSource, "{before\\'zz after}");
  const std::string dest = (FDir / "a.htm").string();
  try {
    ConvertFile(FSource.string(), dest);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'z' ist kein gültiger Integerwert");
  }
  EXPECT_EQ(ReadAll(dest), Head(FSource.string()) + "before\r\n" + std::string(kTail));
}

namespace {

// Accepts Budget bytes, then fails like a full disk; remembers what it was asked to write.
class TFailingSink final : public TPageSink {
public:
  explicit TFailingSink(size_t Budget) : FBudget(Budget) {}
  void Write(std::string_view Bytes) override {
    FAsked += Bytes;
    if (FWritten.size() + Bytes.size() > FBudget) throw EInOutError(io::kDiskFull);
    FWritten += Bytes;
  }
  void Flush() override {}
  std::string FWritten, FAsked;

private:
  size_t FBudget;
};

}  // namespace

TEST_F(ConverterTest, FailingWriteStillRunsTheFinishingPartAndReportsTheFirstError) {
  std::string big = "{";
  for (int i = 0; i < 200; ++i) big += "text {\\*\\x y}";  // ends in a tag-free run; the page grows in chunks
  big += "{\\pict 00}}";
  TFailingSink sink(400);
  TLineSource source(big);
  try {
    ConvertStream(source, sink, "t");
    FAIL() << "no error";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.ErrorCode(), io::kDiskFull);
  }
  EXPECT_TRUE(sink.FAsked.ends_with(kTail));  // the tail was still attempted

  TFailingSink tailFails(Head("t").size() + 3);
  TLineSource bad("{ok\\'zz}");
  EXPECT_THROW(ConvertStream(bad, tailFails, "t"), EConvertError);  // the reading error stays the one reported
}
