#include "pmrconv/WorkingLine.h"

#include <algorithm>
#include <cstring>

namespace pmrconv {

namespace {

std::string_view NeedleText(TNeedle Needle) {
  switch (Needle) {
    case TNeedle::OpenBrace: return "{";
    case TNeedle::CloseBrace: return "}";
    case TNeedle::Backslash: return "\\";
    case TNeedle::Semicolon: return ";";
    case TNeedle::Falt: return "\\*\\falt";
    case TNeedle::Par: return "\\par";
    case TNeedle::Intbl: return "\\intbl";
    case TNeedle::Bin: return "bin";
    case TNeedle::Fonttbl: return "\\fonttbl";
    case TNeedle::Colortbl: return "\\colortbl";
    case TNeedle::BlankOrBrace:
    case TNeedle::NameEnd:
    case TNeedle::Count: break;
  }
  return {};
}

// Longest needle minus one: how far before the old end a match may start once text has been appended.
size_t Overlap(TNeedle Needle) {
  const size_t n = NeedleText(Needle).size();
  return n > 1 ? n - 1 : 0;
}

}  // namespace

void TWorkingLine::Clear() {
  FBuf.clear();
  FStart = 0;
  Replaced();
}

void TWorkingLine::Assign(std::string_view Text) {
  FBuf.assign(Text);
  FStart = 0;
  Replaced();
}

void TWorkingLine::ReadNext(TLineSource& Source) {
  FBuf.clear();
  FStart = 0;
  Source.ReadLine(FBuf);
  Replaced();
}

void TWorkingLine::AppendNext(TLineSource& Source) {
  // Drop the consumed front once it outweighs the rest, so joining stays amortised linear.
  if (FStart >= 4096 && FStart >= Length()) {
    FBuf.erase(0, FStart);
    FStart = 0;
    ++FContent;
  }
  Source.AppendLine(FBuf);
}

size_t TWorkingLine::Scan(TNeedle Needle, size_t PhysFrom) const {
  if (PhysFrom >= FBuf.size()) return npos;
  const char* data = FBuf.data();
  const size_t size = FBuf.size();
  auto firstOf = [&](char a, char b, char c) {
    for (size_t i = PhysFrom; i < size; ++i) {
      const char ch = data[i];
      if (ch == a || ch == b || ch == c) return i;
    }
    return npos;
  };
  switch (Needle) {
    case TNeedle::BlankOrBrace: return firstOf(' ', '{', '}');
    case TNeedle::NameEnd: return firstOf(';', '{', '\\');
    case TNeedle::OpenBrace:
    case TNeedle::CloseBrace:
    case TNeedle::Backslash:
    case TNeedle::Semicolon: {
      const void* p = std::memchr(data + PhysFrom, NeedleText(Needle)[0], size - PhysFrom);
      return p ? static_cast<size_t>(static_cast<const char*>(p) - data) : npos;
    }
    default: return std::string_view(FBuf).find(NeedleText(Needle), PhysFrom);
  }
}

size_t TWorkingLine::Find(TNeedle Needle, size_t From) {
  const size_t phys = FStart + From;
  TFound& f = FFound[static_cast<size_t>(Needle)];
  if (f.Content == FContent && f.From <= phys) {
    if (f.Result != npos && phys <= f.Result) return f.Result - FStart;
    if (f.Result == npos) {
      // Nothing began in [f.From, f.ScannedEnd - overlap); only text joined since then is new.
      const size_t overlap = Overlap(Needle);
      const size_t resume = std::max(phys, f.ScannedEnd > overlap ? f.ScannedEnd - overlap : 0);
      if (resume == phys) f.From = phys;  // what lay between the old end and phys is not known to be clear
      f.Result = Scan(Needle, resume);
      f.ScannedEnd = FBuf.size();
      return f.Result == npos ? npos : f.Result - FStart;
    }
  }
  f = TFound{FContent, phys, Scan(Needle, phys), FBuf.size()};
  return f.Result == npos ? npos : f.Result - FStart;
}

void RestOfLine(TLineSource& Source, TWorkingLine& Line, size_t From) {
  while (Line.Length() <= From && !Source.Eof()) Line.AppendNext(Source);
  if (Line.Length() <= From) {
    Line.Clear();
  } else {
    Line.Cut(From);
  }
}

void JoinShortRemainder(TLineSource& Source, TWorkingLine& Line) {
  while (Line.Length() <= 4 && !Source.Eof()) Line.AppendNext(Source);
}

}  // namespace pmrconv
