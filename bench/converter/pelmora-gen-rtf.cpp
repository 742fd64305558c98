// pelmora-gen-rtf KIND MEGABYTES crlf|lf DEST: writes a generated RTF document of at least MEGABYTES MiB.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "GenerateRtf.h"

namespace {

int Usage() {
  std::string kinds;
  for (pmrbench::TDocKind kind : pmrbench::AllDocKinds()) {
    if (!kinds.empty()) kinds += ", ";
    kinds += pmrbench::DocKindName(kind);
  }
  std::fprintf(stderr, "Usage: pelmora-gen-rtf KIND MEGABYTES crlf|lf DEST\nKIND is one of %s.\n", kinds.c_str());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) return Usage();
  const auto kind = pmrbench::ParseDocKind(argv[1]);
  char* end = nullptr;
  const unsigned long long megabytes = std::strtoull(argv[2], &end, 10);
  const std::string_view ends = argv[3];
  if (!kind || end == argv[2] || *end != '\0' || megabytes == 0 || megabytes > 4096 ||
      (ends != "crlf" && ends != "lf")) {
    return Usage();
  }
  const std::string doc = pmrbench::GenerateRtf(
      *kind, static_cast<size_t>(megabytes) << 20, ends == "crlf" ? pmrbench::TLineEnds::CrLf : pmrbench::TLineEnds::LfOnly);
  std::FILE* out = std::fopen(argv[4], "wb");
  if (out == nullptr) {
    std::perror(argv[4]);
    return 1;
  }
  const bool written = std::fwrite(doc.data(), 1, doc.size(), out) == doc.size();
  if (std::fclose(out) != 0 || !written) {
    std::perror(argv[4]);
    return 1;
  }
  return 0;
}
