#include "pmrconv/SkipGroup.h"

#include <algorithm>
#include <cstdint>

#include "pmrconv/RtfSyntax.h"

namespace pmrconv {

namespace {

constexpr uint64_t kHugeCount = uint64_t{1} << 62;

struct TGroupScan {
  TLineSource& Source;
  TWorkingLine& Line;
  bool Join;               // join further lines (in place) instead of replacing the working line
  size_t LineStart = 0;    // where the current input line begins: the "working line" of the \bin rule

  // Next input line, joined or replacing; I follows it. False at the end of the input.
  bool NextLine(size_t& I) {
    if (Source.Eof()) return false;
    ReadOn(I);
    return true;
  }

  void ReadOn(size_t& I) {
    if (Join) {
      LineStart = Line.Length();
      Line.AppendNext(Source);
    } else {
      Line.ReadNext(Source);
      I = 0;
      LineStart = 0;
    }
  }

  // The data ran past the working line with Count bytes still to skip: the line end is data, CR LF two bytes of it
  // and CR or LF one, and so is a Ctrl-Z (a picture's bytes may hold code 26), after which the data goes on in the
  // rest of its line. False at the end of the input.
  bool NextDataLine(size_t& I, uint64_t& Count) {
    if (Source.PassCtrlZ()) {
      --Count;
      ReadOn(I);
      return true;
    }
    if (!Source.LineEnded()) return false;
    const bool more = !Source.Eof();  // passes the LF of a CR LF
    Count -= std::min<uint64_t>(Count, Source.LineEndBytes());
    if (more) {
      ReadOn(I);
      return true;
    }
    // The next line begins with a Ctrl-Z: data when bytes are still to come, the end of the input otherwise.
    if (Count == 0 || !Source.PassCtrlZ()) return false;
    --Count;
    ReadOn(I);
    return true;
  }

  // At "\bin": steps over the decimal count, one blank and that many bytes of data; a line break inside the data
  // is data too. Returns the position after the data.
  size_t SkipBinary(size_t I) {
    size_t p = I + 4;
    uint64_t count = 0;
    while (p < Line.Length() && Line[p] >= '0' && Line[p] <= '9') {
      count = count < kHugeCount ? count * 10 + static_cast<uint64_t>(Line[p] - '0') : kHugeCount;
      ++p;
    }
    if (p < Line.Length() && Line[p] == ' ') ++p;
    while (count > 0) {
      const size_t available = Line.Length() - p;
      if (count <= available) return p + count;
      count -= available;
      p = Line.Length();
      if (!NextDataLine(p, count)) return p;
    }
    return p;
  }

  // Position of the "}" that closes the group the scan starts in, or npos when the input ends first.
  size_t FindEnd(size_t From) {
    LineStart = From;
    int64_t depth = 0;
    size_t i = From;
    for (;;) {
      if (i >= Line.Length()) {
        if (!NextLine(i)) return TWorkingLine::npos;
        continue;
      }
      const std::string_view rest = Line.View();
      const size_t next = FindBackslashOrBrace(rest, i);
      if (next == std::string_view::npos) {
        i = rest.size();
        continue;
      }
      i = next;
      const char c = rest[i];
      if (c == '{') {
        ++depth;
        ++i;
      } else if (c == '}') {
        if (--depth < 0) return i;
        ++i;
      } else if (i + 1 < rest.size() && (rest[i + 1] == '{' || rest[i + 1] == '}' || rest[i + 1] == '\\')) {
        i += 2;  // an escaped brace or backslash is text, not a group boundary
      } else if (rest.substr(i + 1, 3) == "bin" && Line.Find(TNeedle::Bin, LineStart) == i + 1) {
        i = SkipBinary(i);
      } else {
        ++i;
      }
    }
  }
};

}  // namespace

void SkipToGroupEnd(TLineSource& Source, TWorkingLine& Line) {
  TGroupScan scan{Source, Line, false};
  const size_t brace = scan.FindEnd(0);
  if (brace == TWorkingLine::npos) {
    // Skipped text never reaches the page; a brace that ends the input still closes the caller's group.
    if (!Line.Empty() && Line[Line.Length() - 1] == '}') {
      Line.Assign("}");
    } else {
      Line.Clear();
    }
    return;
  }
  if (brace + 1 < Line.Length() || Source.Eof()) {
    Line.Cut(brace);
    return;
  }
  Line.Assign("}");
  Line.AppendNext(Source);
}

size_t FindGroupEnd(TLineSource& Source, TWorkingLine& Line, size_t From) {
  TGroupScan scan{Source, Line, true};
  const size_t brace = scan.FindEnd(From);
  return brace == TWorkingLine::npos ? Line.Length() : brace;
}

}  // namespace pmrconv
