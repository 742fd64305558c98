#include "GenerateRtf.h"

#include <array>
#include <cstdint>

namespace pmrbench {

namespace {

constexpr std::array<TDocKind, 7> kKinds = {TDocKind::Plain,  TDocKind::Formatting, TDocKind::FontsColours,
                                            TDocKind::Tables, TDocKind::Pictures,   TDocKind::Mixed,
                                            TDocKind::Unicode};
constexpr std::array<std::string_view, 7> kKindNames = {"plain",    "formatting", "fonts-colours", "tables",
                                                        "pictures", "mixed",      "unicode"};

// Words of \uN letters with their fallbacks: Russian and Japanese.
constexpr std::array<std::string_view, 8> kUnicodeWords = {
    "\\u1087?\\u1088?\\u1080?\\u1074?\\u1077?\\u1090?",
    "\\u1084?\\u1080?\\u1088?",
    "\\u1076?\\u1086?\\u1082?\\u1091?\\u1084?\\u1077?\\u1085?\\u1090?",
    "\\u26085?\\u26412?\\u-30050?",
    "\\u12371?\\u12428?\\u12399?",
    "\\u25991?\\u-26568?",
    "\\u1058?\\u1077?\\u1082?\\u1089?\\u1090?",
    "\\u12486?\\u12473?\\u12488?"};

// splitmix64: fully specified, so the documents are the same on every platform and standard library.
class TRandom {
public:
  uint64_t Next() {
    uint64_t z = (FState += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }
  size_t Below(size_t N) { return static_cast<size_t>(Next() % N); }
  size_t Between(size_t Low, size_t High) { return Low + Below(High - Low + 1); }

private:
  uint64_t FState = 20240611;
};

constexpr std::array<std::string_view, 48> kWords = {
    "der",      "die",         "und",       "ist",        "nicht",      "wir",         "Sie",        "Ihnen",
    "Angebot",  "Rechnung",    "Lieferung", "Termin",     "Vertrag",    "Kunde",       "Auftrag",    "Preis",
    "bitte",    "danke",       "gerne",     "heute",      "morgen",     "Woche",       "Monat",      "Jahr",
    "f\\'fcr",  "M\\'e4rz",    "Gr\\'fc\\'dfe", "sch\\'f6n", "\\'dcbersicht", "Stra\\'dfe", "K\\'f6ln", "\\'c4nderung",
    "Projekt",  "Besprechung", "Anlage",    "Seite",      "Abschnitt",  "Tabelle",     "Bild",       "Zahl",
    "12",       "3,5",         "2024",      "M\\'fcller & S\\'f6hne", "<Anlage>", "a > b", "Nr.", "usw."};

constexpr std::array<std::string_view, 8> kFaces = {"Times New Roman", "Arial",   "Courier New", "Symbol",
                                                    "Wingdings",       "Calibri", "Cambria",     "Georgia"};
constexpr std::array<std::string_view, 8> kFamilies = {"froman", "fswiss", "fmodern", "ftech",
                                                       "fnil",   "fswiss", "froman",  "froman"};

// Appends RTF and breaks CR LF lines where word processors do: before a control word or after a blank, once a
// line has grown long. The LF-only form gets an LF at the same places, so both forms hold the same document.
class TRtfWriter {
public:
  static constexpr size_t kLineLength = 160;

  TRtfWriter(std::string& Doc, TLineEnds Ends) : FDoc(Doc), FEol(Ends == TLineEnds::CrLf ? "\r\n" : "\n") {}

  // A control word such as "\b" or "\fs24"; text after it gets its blank delimiter.
  void Word(std::string_view ControlWord) {
    if (FColumn >= kLineLength) EndLine();
    Put(ControlWord);
    FAfterWord = true;
  }
  void Word(std::string_view Name, size_t Parameter) {
    Word(Name);
    Put(std::to_string(Parameter));
  }

  void Text(std::string_view Words) {
    if (FAfterWord) Put(" ");
    FAfterWord = false;
    size_t from = 0;
    for (size_t blank = Words.find(' '); blank != std::string_view::npos; blank = Words.find(' ', from)) {
      Put(Words.substr(from, blank + 1 - from));
      from = blank + 1;
      if (FColumn >= kLineLength) EndLine();
    }
    Put(Words.substr(from));
  }

  void Open() { Raw("{"); }
  void Close() { Raw("}"); }

  // Bytes as they are: no delimiter and no line break inside.
  void Raw(std::string_view Bytes) {
    Put(Bytes);
    FAfterWord = false;
  }

  void EndLine() {
    FDoc.append(FEol);
    FColumn = 0;
  }

  std::string_view Eol() const { return FEol; }
  size_t Size() const { return FDoc.size(); }

private:
  void Put(std::string_view Bytes) {
    FDoc.append(Bytes);
    FColumn += Bytes.size();
  }

  std::string& FDoc;
  std::string_view FEol;
  size_t FColumn = 0;
  bool FAfterWord = false;
};

class TGenerator {
public:
  TGenerator(std::string& Doc, TLineEnds Ends) : FOut(Doc, Ends) {}

  void Head(size_t Fonts, size_t Colours) {
    FOut.Raw("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031");
    FOut.EndLine();
    // One font a line, as Word writes the table.
    FOut.Raw("{\\fonttbl");
    for (size_t f = 0; f < Fonts; ++f) {
      std::string face(kFaces[f % kFaces.size()]);
      if (f >= kFaces.size()) {
        face += ' ';
        face += std::to_string(f / kFaces.size());
      }
      FOut.Raw("{\\f" + std::to_string(f) + "\\" + std::string(kFamilies[f % kFamilies.size()]) +
               "\\fcharset0\\fprq2 " + face + ";}");
      FOut.EndLine();
    }
    FOut.Raw("}");
    FOut.EndLine();
    // The colour table on a line of its own, as word processors write it.
    FOut.Raw("{\\colortbl;");
    for (size_t c = 1; c < Colours; ++c) {
      FOut.Raw("\\red" + std::to_string(c * 37 % 256) + "\\green" + std::to_string(c * 91 % 256) + "\\blue" +
               std::to_string(c * 53 % 256) + ";");
    }
    FOut.Raw("}");
    FOut.EndLine();
    FOut.Raw("{\\stylesheet{\\s0\\ql\\f0\\fs24 Normal;}{\\s1\\b\\fs32 heading 1;}}");
    FOut.EndLine();
    FOut.Raw("{\\info{\\title Generated}{\\author pelmora}}\\paperw11906\\paperh16838\\margl1417\\margr1417");
    FOut.EndLine();
    FColours = Colours;
    FFonts = Fonts;
  }

  void Body(TDocKind Kind, size_t Bytes) {
    for (size_t n = 0; FOut.Size() < Bytes; ++n) {
      switch (Kind) {
        case TDocKind::Plain: PlainParagraph(); break;
        case TDocKind::Formatting: FormattedParagraph(); break;
        case TDocKind::FontsColours: FontsColoursParagraph(); break;
        case TDocKind::Tables: Table(); break;
        case TDocKind::Pictures: PictureParagraph(); break;
        case TDocKind::Mixed: MixedParagraph(n); break;
        case TDocKind::Unicode: UnicodeParagraph(); break;
      }
    }
    FOut.Raw("}");
    FOut.EndLine();
  }

private:
  std::string Words(size_t Count) {
    std::string words;
    for (size_t i = 0; i < Count; ++i) {
      if (i > 0) words += ' ';
      words += kWords[FRandom.Below(kWords.size())];
    }
    return words;
  }

  std::string Sentence() { return Words(FRandom.Between(6, 14)) + ". "; }

  void PlainParagraph() {
    FOut.Word("\\pard");
    FOut.Word("\\plain");
    FOut.Word("\\f0");
    FOut.Word("\\fs24");
    for (size_t s = FRandom.Between(3, 6); s > 0; --s) FOut.Text(Sentence());
    FOut.Word("\\par");
    FOut.EndLine();
  }

  void UnicodeParagraph() {
    FOut.Word("\\pard");
    FOut.Word("\\plain");
    FOut.Word("\\f0");
    for (size_t w = FRandom.Between(20, 40); w > 0; --w) {
      FOut.Raw(kUnicodeWords[FRandom.Below(kUnicodeWords.size())]);
      FOut.Text(" ");
    }
    FOut.Word("\\par");
    FOut.EndLine();
  }

  // A run of a few words in one of the ways word processors switch formatting on and off.
  void FormattedRun() {
    const std::string words = Words(FRandom.Between(1, 3));
    switch (FRandom.Below(10)) {
      case 0: Group({"\\b"}, words); break;
      case 1: Group({"\\i"}, words); break;
      case 2: Toggle("\\ul", words, "\\ulnone"); break;
      case 3: Group({"\\fs" + std::to_string(FRandom.Between(16, 40))}, words); break;
      case 4: Group({"\\cf" + std::to_string(FRandom.Between(1, FColours - 1))}, words); break;
      case 5: Group({"\\b", "\\i"}, words); break;
      case 6: Toggle("\\b", words, "\\b0"); break;
      case 7: Group({"\\strike"}, words); break;
      case 8: Group({"\\super"}, std::to_string(FRandom.Between(1, 9))); break;
      default: FOut.Text(words); break;
    }
    FOut.Text(" ");
  }

  void Group(std::initializer_list<std::string> Words, const std::string& Text) {
    FOut.Open();
    for (const std::string& w : Words) FOut.Word(w);
    FOut.Text(Text);
    FOut.Close();
  }

  void Toggle(std::string_view On, const std::string& Text, std::string_view Off) {
    FOut.Word(On);
    FOut.Text(Text);
    FOut.Word(Off);
  }

  void FormattedParagraph() {
    FOut.Word("\\pard");
    FOut.Word("\\plain");
    FOut.Word("\\f0");
    FOut.Word("\\fs22");
    for (size_t r = FRandom.Between(20, 30); r > 0; --r) FormattedRun();
    FOut.Word("\\par");
    FOut.EndLine();
  }

  void FontsColoursParagraph() {
    FOut.Word("\\pard");
    FOut.Word("\\plain");
    for (size_t r = FRandom.Between(20, 30); r > 0; --r) {
      const size_t face = FRandom.Below(FFonts);
      const size_t colour = FRandom.Between(1, FColours - 1);
      if (FRandom.Below(3) == 0) {
        Group({"\\f" + std::to_string(face), "\\fs" + std::to_string(FRandom.Between(16, 48)),
               "\\cf" + std::to_string(colour)},
              Words(FRandom.Between(1, 4)));
        FOut.Text(" ");
      } else {
        FOut.Word("\\f", face);
        FOut.Word("\\cf", colour);
        FOut.Text(Words(FRandom.Between(1, 4)) + " ");
      }
    }
    FOut.Word("\\par");
    FOut.EndLine();
  }

  void Cell(size_t Column) {
    if (Column == 1) {
      Group({"\\b"}, Words(FRandom.Between(1, 3)));
    } else if (Column == 3) {
      Toggle("\\i", Words(FRandom.Between(1, 2)), "\\i0");
    } else {
      FOut.Text(Words(FRandom.Between(1, 5)));
    }
    FOut.Word("\\cell");
  }

  // A table of a few rows of four cells, then two paragraphs (the second one ends the table).
  void Table() {
    for (size_t row = FRandom.Between(4, 12); row > 0; --row) {
      FOut.Word("\\trowd");
      FOut.Word("\\trgaph108");
      FOut.Word("\\trleft-108");
      for (size_t c = 1; c <= 4; ++c) FOut.Word("\\cellx", c * 2268);
      FOut.EndLine();
      FOut.Word("\\pard");
      FOut.Word("\\plain");
      FOut.Word("\\intbl");
      FOut.Word("\\f0");
      FOut.Word("\\fs20");
      for (size_t c = 0; c < 4; ++c) Cell(c);
      FOut.Word("\\pard");
      FOut.Word("\\plain");
      FOut.Word("\\intbl");
      FOut.Word("\\row");
      FOut.EndLine();
    }
    PlainParagraph();
    PlainParagraph();
  }

  void HexPicture() {
    static constexpr char kHex[] = "0123456789abcdef";
    FOut.Open();
    FOut.Word("\\pict");
    FOut.Word("\\pngblip");
    FOut.Word("\\picw", 64);
    FOut.Word("\\pich", 64);
    FOut.Word("\\picwgoal", 960);
    FOut.Word("\\pichgoal", 960);
    FOut.EndLine();
    std::string line(128, '0');
    for (size_t lines = FRandom.Between(16, 192); lines > 0; --lines) {
      for (char& c : line) c = kHex[FRandom.Below(16)];
      FOut.Raw(line);
      FOut.EndLine();
    }
    FOut.Close();
  }

  // Binary data holds every byte but CR, LF and Ctrl-Z, which would end the input line or the input; braces and
  // backslashes among the data are what the \bin count has to step over.
  void BinaryPicture() {
    const size_t count = FRandom.Between(1024, 12288);
    std::string data(count, '\0');
    for (char& c : data) {
      unsigned char b;
      do {
        b = static_cast<unsigned char>(FRandom.Next());
      } while (b == '\r' || b == '\n' || b == 26);
      c = static_cast<char>(b);
    }
    FOut.Open();
    FOut.Word("\\pict");
    FOut.Word("\\wmetafile8");
    FOut.Word("\\picw", 100);
    FOut.Word("\\pich", 100);
    FOut.Word("\\bin", count);
    FOut.Raw(" ");
    FOut.Raw(data);
    FOut.Close();
  }

  void PictureParagraph() {
    FOut.Word("\\pard");
    FOut.Word("\\plain");
    FOut.Word("\\f0");
    FOut.Word("\\fs24");
    FOut.Text(Sentence());
    if (FRandom.Below(2) == 0) {
      HexPicture();
    } else {
      BinaryPicture();
    }
    FOut.Text(Sentence());
    FOut.Word("\\par");
    FOut.EndLine();
  }

  // A paragraph of a letter with the constructs word processors write, about 700 bytes.
  void MixedParagraph(size_t N) {
    const std::string eol(FOut.Eol());
    const std::string n = std::to_string(N);
    FOut.Raw("\\pard\\plain\\f" + std::to_string(N % 3) + "\\fs" + std::to_string(20 + N % 8) + " Absatz " + n +
             ": Text mit \\b fetten\\b0  und \\i kursiven\\i0  W\\'f6rtern, Umlaute \\'e4\\'f6\\'fc\\'df," + eol);
    FOut.Raw("{\\*\\bkmkstart m" + n + "}{\\*\\bkmkend m" + n + "}eine Marke, {\\cf" + std::to_string(1 + N % 3) +
             " farbiger Text} und {\\ul unterstrichen}\\tab Tabulator \\ldblquote Zitat\\rdblquote ." + eol);
    FOut.Raw("{\\qc zentriert & <escaped>}\\line {\\super hoch}{\\sub tief} \\{Klammern\\}\\par" + eol);
    if (N % 4 == 0) {
      FOut.Raw("\\trowd\\cellx2000\\cellx4000\\pard\\intbl Zelle A" + n + "\\cell {\\b Zelle B}\\cell\\row" + eol);
      FOut.Raw("\\trowd\\cellx2000\\cellx4000\\pard\\intbl C\\cell D\\cell\\row\\pard danach\\par" + eol);
    }
    if (N % 5 == 0) {
      FOut.Raw("{\\pict\\wmetafile8\\picw100\\pich100 0100090000036e0400000000" + std::string(60, 'f') + "}" + eol);
    }
    FOut.Raw("{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt Verweis}}\\par" + eol);
  }

  TRtfWriter FOut;
  TRandom FRandom;
  size_t FFonts = 0;
  size_t FColours = 0;
};

}  // namespace

std::span<const TDocKind> AllDocKinds() { return kKinds; }

std::string_view DocKindName(TDocKind Kind) { return kKindNames[static_cast<size_t>(Kind)]; }

std::optional<TDocKind> ParseDocKind(std::string_view Name) {
  for (TDocKind kind : kKinds) {
    if (DocKindName(kind) == Name) return kind;
  }
  return std::nullopt;
}

std::string GenerateRtf(TDocKind Kind, size_t Bytes, TLineEnds Ends) {
  std::string doc;
  doc.reserve(Bytes + 64 * 1024);
  TGenerator gen(doc, Ends);
  if (Kind == TDocKind::FontsColours) {
    gen.Head(60, 120);
  } else {
    gen.Head(4, 4);
  }
  gen.Body(Kind, Bytes);
  return doc;
}

}  // namespace pmrbench
