// Cutting the input into lines, and the working line's cached searches.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "pmrconv/LineSource.h"
#include "pmrconv/WorkingLine.h"

using namespace pmrconv;

namespace {

// Hands out the text in blocks of a fixed size, to put line ends across block boundaries.
class TSmallBlocks final : public TBlockReader {
public:
  TSmallBlocks(std::string_view Text, size_t Size) : FText(Text), FSize(Size) {}
  size_t ReadBlock(char* Buffer, size_t Size) override {
    const size_t n = std::min({Size, FSize, FText.size() - FAt});
    std::copy_n(FText.data() + FAt, n, Buffer);
    FAt += n;
    return n;
  }

private:
  std::string_view FText;
  size_t FSize;
  size_t FAt = 0;
};

std::vector<std::string> LinesOf(TLineSource& Source) {
  std::vector<std::string> lines;
  while (!Source.Eof()) {
    std::string line;
    Source.ReadLine(line);
    lines.push_back(line);
  }
  return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(LineSource, CutsAtCrLfCrOrLfAlike) {
  const std::pair<std::string, Lines> cases[] = {
      {"", {}},
      {"abc", {"abc"}},
      {"abc\r\n", {"abc"}},
      {"abc\r\n\r\n", {"abc", ""}},
      {"a\rb\r\rc", {"a", "b", "", "c"}},
      {"a\nb\nc\n", {"a", "b", "c"}},
      {"a\r\n\nb", {"a", "", "b"}},
      {"a\n\rb\r\r\nc", {"a", "", "b", "", "c"}},
      {"ab\x1a" "cd\r\nef", {"ab"}},
      {"\x1a", {}},
      {"ab\r\n\x1a\r\nxy", {"ab"}},
  };
  for (const auto& [text, expected] : cases) {
    TLineSource memory(text);
    EXPECT_EQ(LinesOf(memory), expected) << "memory: " << testing::PrintToString(text);
    for (size_t block = 1; block <= 4; ++block) {
      TSmallBlocks reader(text, block);
      TLineSource blocks(reader, block);
      EXPECT_EQ(LinesOf(blocks), expected) << "blocks of " << block << ": " << testing::PrintToString(text);
    }
  }
}

// Binary data may hold code 26 and CR LF: the reader that skips it passes the Ctrl-Z and counts the line end's bytes.
TEST(LineSource, ACtrlZCanBePassedAsDataAndLineEndsTellTheirBytes) {
  const std::string text = "ab\r\ncd\x1a" "ef\x1a\rg\nh";
  for (size_t block = 1; block <= 4; ++block) {
    SCOPED_TRACE(block);
    TSmallBlocks reader(text, block);
    TLineSource source(reader, block);
    std::string line;
    source.ReadLine(line);
    EXPECT_EQ(line, "ab");
    EXPECT_TRUE(source.LineEnded());
    EXPECT_FALSE(source.Eof());
    EXPECT_EQ(source.LineEndBytes(), 2u);
    EXPECT_FALSE(source.PassCtrlZ());  // not stopped at one
    source.ReadLine(line);
    EXPECT_EQ(line, "cd");
    EXPECT_FALSE(source.LineEnded());
    EXPECT_TRUE(source.Eof());
    EXPECT_TRUE(source.PassCtrlZ());
    source.ReadLine(line);
    EXPECT_EQ(line, "ef");
    EXPECT_TRUE(source.Eof());  // the next Ctrl-Z ends the input again
    EXPECT_TRUE(source.PassCtrlZ());
    source.ReadLine(line);
    EXPECT_EQ(line, "");
    EXPECT_EQ(source.LineEndBytes(), 1u);
    source.ReadLine(line);
    EXPECT_EQ(line, "g");
    source.ReadLine(line);
    EXPECT_EQ(line, "h");
    EXPECT_TRUE(source.Eof());
    EXPECT_FALSE(source.PassCtrlZ());
  }
}

TEST(LineSource, ReadingPastTheEndYieldsEmptyLinesAndLongLinesStayWhole) {
  const std::string longLine(200000, 'x');
  const std::string text = longLine + "\r\n";
  TSmallBlocks reader(text, 4096);
  TLineSource source(reader, 4096);
  std::string line;
  source.ReadLine(line);
  EXPECT_EQ(line, longLine);
  EXPECT_TRUE(source.Eof());
  line = "left over";
  source.ReadLine(line);
  EXPECT_EQ(line, "");
  source.AppendLine(line);
  EXPECT_EQ(line, "");
}

// What the reader says is left only decides how much room a long line gets at once; a hint that is exact, far too
// large (even beyond what could be allocated) or too small must give the same lines.
TEST(LineSource, LongLinesAreTheSameWhateverTheReaderSaysIsLeft) {
  class THinting final : public TBlockReader {
  public:
    THinting(std::string_view Text, uint64_t Extra, bool Exact) : FBlocks(Text, 1000), FLeft(Text.size()),
                                                                   FExtra(Extra), FExact(Exact) {}
    size_t ReadBlock(char* Buffer, size_t Size) override {
      const size_t n = FBlocks.ReadBlock(Buffer, Size);
      FLeft -= n;
      return n;
    }
    uint64_t RemainingHint() override { return FExact ? FLeft : FExtra; }

  private:
    TSmallBlocks FBlocks;
    uint64_t FLeft;
    uint64_t FExtra;
    bool FExact;
  };
  const std::string text = std::string(50000, 'a') + "\r\n" + std::string(30000, 'b') + "\rc";
  const Lines expected = {std::string(50000, 'a'), std::string(30000, 'b'), "c"};
  for (const auto& [extra, exact] : {std::pair<uint64_t, bool>{0, true}, {UINT64_MAX, false},
                                     {uint64_t{1} << 26, false}, {1500, false}}) {
    THinting reader(text, extra, exact);
    TLineSource source(reader, 1000);
    EXPECT_EQ(LinesOf(source), expected) << "hint " << (exact ? "exact" : std::to_string(extra));
  }
}

TEST(WorkingLine, RestOfLineJoinsLinesUntilLongEnough) {
  TLineSource source("de\r\r\r\nfg");
  TWorkingLine line("abc");
  RestOfLine(source, line, 3);  // the line is not longer than 3: "de" is joined first
  EXPECT_EQ(line.View(), "de");
  RestOfLine(source, line, 2);  // two empty lines are joined on the way to "fg"
  EXPECT_EQ(line.View(), "fg");
  EXPECT_TRUE(source.Eof());
  RestOfLine(source, line, 5);
  EXPECT_TRUE(line.Empty());
}

// The cached searches must answer exactly as a plain search of the current line would, however the line is cut,
// joined and replaced in between.
TEST(WorkingLine, CachedFindAgreesWithPlainSearchUnderCutsAndJoins) {
  const std::pair<TNeedle, std::string_view> needles[] = {
      {TNeedle::CloseBrace, "}"}, {TNeedle::Backslash, "\\"}, {TNeedle::Par, "\\par"},
      {TNeedle::Intbl, "\\intbl"}, {TNeedle::Bin, "bin"}, {TNeedle::Falt, "\\*\\falt"}};
  std::mt19937 random(7);
  const std::string alphabet = "ab\\}{ ;parintblbf*";
  auto piece = [&](size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) s += alphabet[random() % alphabet.size()];
    return s;
  };
  std::string input;
  for (int i = 0; i < 400; ++i) input += piece(random() % 40) + "\r";
  TLineSource source(input);
  TWorkingLine line;
  line.ReadNext(source);
  for (int step = 0; step < 20000 && !source.Eof(); ++step) {
    const auto& [needle, text] = needles[random() % std::size(needles)];
    const size_t from = line.Length() ? random() % (line.Length() + 1) : 0;
    const size_t expected = line.View().find(text, from);
    ASSERT_EQ(line.Find(needle, from), expected) << "step " << step << " line " << line.View();
    switch (random() % 4) {
      case 0: line.Cut(random() % 3); break;
      case 1: line.AppendNext(source); break;
      case 2:
        if (random() % 8 == 0) line.ReadNext(source);
        break;
      default: break;
    }
  }
}
