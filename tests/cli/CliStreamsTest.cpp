// pelmora-convert with "-": the document from standard input, the page to standard output.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "CliRun.h"

namespace fs = std::filesystem;
using namespace pmrconv::test;
using CliStreamsTest = TCliTest;

TEST_F(CliStreamsTest, DashReadsStandardInputAndWritesStandardOutput) {
  const TRun run = Run({"-"}, TStreams::InputText("{\\b bold}\r\n{plain}"));
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out, Page("-", "<B>bold</B>plain"));
  EXPECT_EQ(run.Err, "");
  EXPECT_FALSE(fs::exists(FDir / "-"));
  EXPECT_FALSE(fs::exists(FDir / "htm"));
}

TEST_F(CliStreamsTest, DashOSendsAnyOnePageToStandardOutput) {
  WriteAll(FDir / "a.rtf", "{a}");
  const TRun fromFile = Run({"-o", "-", "a.rtf"});
  EXPECT_EQ(fromFile.Status, 0);
  EXPECT_EQ(fromFile.Out, Page("a.rtf", "a"));
  EXPECT_FALSE(fs::exists(FDir / "a.htm"));
  EXPECT_FALSE(fs::exists(FDir / "-"));

  const TRun fromInput = Run({"-o-", "-"}, TStreams::InputText("{b}"));
  EXPECT_EQ(fromInput.Out, Page("-", "b"));

  const TRun intoFile = Run({"-", "-o", "page.htm"}, TStreams::InputText("{c}"));
  EXPECT_EQ(intoFile.Status, 0);
  EXPECT_EQ(intoFile.Out, "");
  EXPECT_EQ(ReadAll(FDir / "page.htm"), Page("-", "c"));
}

TEST_F(CliStreamsTest, FailingDocumentOnStandardOutputStillGetsItsTail) {
  const TRun run = Run({"-"}, TStreams::InputText("{x\\'zz rest}"));
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Out, Page("-", "x"));
  EXPECT_EQ(run.Err, "-: 'z' ist kein gültiger Integerwert.\n");
}

TEST_F(CliStreamsTest, DashMixesWithFilesInOneRun) {
  WriteAll(FDir / "a.rtf", "{a}");
  const TRun run = Run({"a.rtf", "-"}, TStreams::InputText("{b}"));
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Out, Page("-", "b"));
  EXPECT_EQ(ReadAll(FDir / "a.htm"), Page("a.rtf", "a"));
}

TEST_F(CliStreamsTest, StandardOutputThatIsTheSourceIsRefused) {
  // Appending the page to the document being read would never end; the source stays as it was.
  WriteAll(FDir / "a.rtf", "{a}");
  const TRun run = Run({"-o", "-", "a.rtf"}, TStreams::AppendOutputTo("a.rtf"));
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Err, "a.rtf: standard output: I/O-Fehler 32.\n");
  EXPECT_EQ(ReadAll(FDir / "a.rtf"), "{a}");
}

TEST_F(CliStreamsTest, DestinationThatIsStandardInputIsRefused) {
  // Truncating the file standard input reads would lose the document before it is read.
  WriteAll(FDir / "page.htm", "{keep}");
  const TRun run = Run({"-", "-o", "page.htm"}, TStreams::InputFile("page.htm"));
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Err, "-: page.htm: I/O-Fehler 32.\n");
  EXPECT_EQ(ReadAll(FDir / "page.htm"), "{keep}");
}
