// A navigation key press on a 10 MB source, end to end through the test host and the loaded
// package (read the text, find the next occurrence, move the caret), and the bare search over it.
#include <benchmark/benchmark.h>

#include <string>

#include "KorvexUtils.h"
#include "PackageLibrary.h"
#include "TestHost.h"

namespace {

constexpr size_t kSourceSize = 10 * 1024 * 1024;
constexpr const char* kIdent = "NeedleCount";

// Pascal-like lines, CR LF, with plenty of words sharing the identifier's first letter; the
// identifier stands near the start and again near the end.
const std::string& Source() {
  static const std::string source = [] {
    const char* lines[] = {
        "  if Node <> nil then Next := Node.Next else NewList(Names, 42);",
        "  for Index := 0 to NumberOfItems - 1 do Inc(Total, Items[Index]);",
        "  // Needle, needles and NEEDLECOUNTS are other words than the one we look for",
        "  Result := NormaliseName(AName) + IntToStr(Count) + ';';",
    };
    std::string text = "unit Bench;\r\nvar NeedleCount: Integer;\r\n";
    text.reserve(kSourceSize + 256);
    for (size_t i = 0; text.size() < kSourceSize - 64; ++i) (text += lines[i % 4]) += "\r\n";
    text += "  NeedleCount := 0;\r\nend.\r\n";
    return text;
  }();
  return source;
}

int32_t FirstOccurrence() { return static_cast<int32_t>(Source().find(kIdent) + 1); }

void KeyPressCtrlAltDown(benchmark::State& state) {
  testhost::THost host;
  testhost::TPackageLibrary package(KORVEX50_PATH);
  package.Initialize();
  package.Register();
  testhost::THostView* view = host.OpenSource(Source())->View(0);
  const int32_t start = FirstOccurrence();
  for (auto _ : state) {
    view->PlaceCaret(start);
    benchmark::DoNotOptimize(host.PressKey(testhost::kCtrlAltDown));
  }
  if (view->CaretTextPos() != static_cast<int32_t>(Source().rfind(kIdent) + 1)) state.SkipWithError("wrong jump");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(Source().size()));
  package.Finalize();
}
BENCHMARK(KeyPressCtrlAltDown)->Unit(benchmark::kMillisecond);

void FindTextIdentScan(benchmark::State& state) {
  const std::string& text = Source();
  const int32_t start = FirstOccurrence();
  for (auto _ : state) {
    int32_t found = 0;
    benchmark::DoNotOptimize(KorvexUtils::FindTextIdent(kIdent, text, start, false, found));
    benchmark::DoNotOptimize(found);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(FindTextIdentScan)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
