// Converting generated documents held in memory: each kind of document at 1, 10 and 100 MiB, once with CR LF line ends
// and once with LF alone, each to the 8-bit page (Convert/...) and to the UTF-8 page (ConvertUtf8/...). Reports MiB/s and the time per MiB, which should stay flat across the sizes. Only the
// document being timed is kept, so the 100 MiB cases need a few hundred MB of memory at most;
// --benchmark_filter='-MB:100' leaves them out.

#include <benchmark/benchmark.h>

#include <string>
#include <tuple>

#include "GenerateRtf.h"
#include "pmrconv.h"

namespace {

using pmrbench::TDocKind;
using pmrbench::TLineEnds;

constexpr size_t kMB = 1024 * 1024;
constexpr size_t kSizes[] = {1, 10, 100};

// The document of the running benchmark; the previous one is given up first, so that two never coexist.
const std::string& Document(TDocKind Kind, size_t MB, TLineEnds Ends) {
  static std::tuple<TDocKind, size_t, TLineEnds> key{TDocKind::Plain, 0, TLineEnds::CrLf};
  static std::string doc;
  if (key != std::tuple{Kind, MB, Ends}) {
    std::string().swap(doc);
    doc = pmrbench::GenerateRtf(Kind, MB * kMB, Ends);
    key = {Kind, MB, Ends};
  }
  return doc;
}

void Convert(benchmark::State& State, TDocKind Kind, size_t MB, TLineEnds Ends, pmrconv::TPageKind Page) {
  const std::string& doc = Document(Kind, MB, Ends);
  std::string page;
  pmrconv::TConversionContext context;
  for (auto _ : State) {
    pmrconv::ConvertText(context, doc, "bench.rtf", page, {Page});
    benchmark::DoNotOptimize(page.data());
  }
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * doc.size()));
  // Seconds per MiB of input: the inverse of a rate counted in MiB.
  State.counters["time_per_MB"] = benchmark::Counter(
      static_cast<double>(doc.size()) / kMB, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  State.counters["page_ratio"] = static_cast<double>(page.size()) / static_cast<double>(doc.size());
}

}  // namespace

int main(int argc, char** argv) {
  for (TDocKind kind : pmrbench::AllDocKinds()) {
    for (TLineEnds ends : {TLineEnds::CrLf, TLineEnds::LfOnly}) {
      for (size_t mb : kSizes) {
        // Both pages of one document one after the other, so that their ratio comes from one run.
        for (const auto page : {pmrconv::TPageKind::EightBit, pmrconv::TPageKind::Utf8}) {
          const std::string name = std::string(page == pmrconv::TPageKind::Utf8 ? "ConvertUtf8/" : "Convert/") +
                                   std::string(pmrbench::DocKindName(kind)) + "/" +
                                   (ends == TLineEnds::CrLf ? "crlf" : "lf") + "/MB:" + std::to_string(mb);
          benchmark::RegisterBenchmark(name.c_str(), Convert, kind, mb, ends, page)
              ->Unit(benchmark::kMillisecond)
              ->MinTime(mb == 100 ? 2.0 : 0.5);
        }
      }
    }
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
