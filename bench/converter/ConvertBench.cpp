// Time per MB of converting generated documents of 1, 10 and 50 MB held in memory, once with CR LF line ends and
// once with LF alone (where the whole document arrives as one line). Both should stay flat across the sizes.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>

#include "pmrconv.h"

namespace {

constexpr size_t kMB = 1024 * 1024;

// One paragraph of a letter-like document with the constructs word processors write, about 700 bytes.
void AppendParagraph(std::string& Doc, size_t N, const char* Eol) {
  const std::string n = std::to_string(N);
  Doc += "\\pard\\plain\\f" + std::to_string(N % 3) + "\\fs" + std::to_string(20 + N % 8) +
         " Absatz " + n + ": Text mit \\b fetten\\b0  und \\i kursiven\\i0  W\\'f6rtern, Umlaute \\'e4\\'f6\\'fc\\'df," + Eol;
  Doc += "{\\*\\bkmkstart m" + n + "}{\\*\\bkmkend m" + n + "}eine Marke, {\\cf" + std::to_string(1 + N % 3) +
         " farbiger Text} und {\\ul unterstrichen}\\tab Tabulator \\ldblquote Zitat\\rdblquote ." + Eol;
  Doc += std::string("{\\qc zentriert & <escaped>}\\line {\\super hoch}{\\sub tief} \\{Klammern\\}\\par") + Eol;
  if (N % 4 == 0) {
    Doc += "\\trowd\\cellx2000\\cellx4000\\pard\\intbl Zelle A" + n + "\\cell {\\b Zelle B}\\cell\\row" + Eol;
    Doc += std::string("\\trowd\\cellx2000\\cellx4000\\pard\\intbl C\\cell D\\cell\\row\\pard danach\\par") + Eol;
  }
  if (N % 5 == 0) {
    Doc += "{\\pict\\wmetafile8\\picw100\\pich100 0100090000036e0400000000" + std::string(60, 'f') + "}" + Eol;
  }
  Doc += std::string("{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt Verweis}}\\par") + Eol;
}

std::string MakeDocument(size_t Bytes, bool LfOnly) {
  const char* eol = LfOnly ? "\n" : "\r\n";
  std::string doc;
  doc.reserve(Bytes + 4096);
  doc += std::string("{\\rtf1\\ansi\\deff0") + eol;
  doc += std::string("{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}{\\f2\\fmodern Courier;}}") + eol;
  doc += std::string("{\\colortbl;\\red0\\green0\\blue0;\\red200\\green0\\blue0;\\red0\\green0\\blue200;}") + eol;
  doc += std::string("{\\stylesheet{\\s0 Normal;}}{\\info{\\title Bench}}") + eol;
  for (size_t n = 0; doc.size() < Bytes; ++n) AppendParagraph(doc, n, eol);
  doc += "}";
  doc += eol;
  return doc;
}

const std::string& Document(size_t MB, bool LfOnly) {
  static std::map<std::pair<size_t, bool>, std::string> cache;
  auto& doc = cache[{MB, LfOnly}];
  if (doc.empty()) doc = MakeDocument(MB * kMB, LfOnly);
  return doc;
}

void BM_Convert(benchmark::State& State) {
  const size_t mb = static_cast<size_t>(State.range(0));
  const bool lfOnly = State.range(1) != 0;
  const std::string& doc = Document(mb, lfOnly);
  std::string page;
  for (auto _ : State) {
    pmrconv::ConvertText(doc, "bench.rtf", page);
    benchmark::DoNotOptimize(page.data());
  }
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * doc.size()));
  State.counters["s_per_MB"] = benchmark::Counter(static_cast<double>(doc.size()) / kMB,
                                                  benchmark::Counter::kIsIterationInvariantRate |
                                                      benchmark::Counter::kInvert);
  State.SetLabel(lfOnly ? "LF only (one line)" : "CR LF");
}

BENCHMARK(BM_Convert)
    ->ArgNames({"MB", "lf_only"})
    ->ArgsProduct({{1, 10, 50}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
