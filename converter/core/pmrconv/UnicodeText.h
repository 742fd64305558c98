#pragma once
// The text of the UTF-8 page: RTF's characters as RTF defines them. \uN gives the character N (a high and a low
// surrogate in a row give one), and the \ucN characters after it, its fallback for older readers, are skipped;
// \'xx and 8-bit text are decoded by the code page in force: the current font's \fcharset, else the document's
// \ansicpg, else \ansi, \mac, \pc or \pca. The readers hand every token of text to this one object, which keeps
// what RTF scopes to groups (the font, \uc) and writes the characters in UTF-8, with "<", ">" and "&" as entities.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pmrconv/CodePageTables.h"

namespace pmrconv {

struct font;

class TUnicodeText {
public:
  // Forgets what one document said (fonts, code pages, \uc); the code page tables are kept. Fonts are the
  // conversion's font table (kFontSlots slots), which must stay where it is until the document's end.
  void StartDocument(const font* Fonts);

  // "{" and "}": the group's font and \uc begin as the enclosing group's and end with it. Either ends the skipping
  // of a fallback; anything half-read (a lead byte, a high surrogate) is written as U+FFFD.
  void OpenGroup(std::string& Out);
  void CloseGroup(std::string& Out);

  // A run of plain text, decoded into Out; while Hidden it is read (fallbacks, lead bytes) but not written.
  void Text(std::string& Out, std::string_view Bytes, bool Hidden);
  // The byte of \'xx, \\, \{ or \}: the first or second byte of a character, as raw text would be.
  void EscapedByte(std::string& Out, unsigned char Byte);
  // An escape as the scanner gives it: \\, \{ and \} as their byte (a possible second byte of a character), \~,
  // \- and \_ as their HTML, written as it is; each counts as one character of a fallback.
  void Symbol(std::string& Out, std::string_view Html);
  // A control word. True when it is taken here (\uN, \ucN, or a word inside a fallback, which is dropped): the
  // reader then does nothing else with it. Words that choose the code page (\fN, \ansicpgN, \ansi, \mac, \pc,
  // \pca, \deffN, \plain) are noted and left to the reader as well.
  bool ControlWord(std::string& Out, std::string_view W, bool Hidden);

  // The end of the input: anything half-read is written as U+FFFD.
  void Finish(std::string& Out) { FlushPending(Out); }

  // Where a look-ahead of the table reader began; Rewind goes back there, so that the text read ahead can be read
  // again. One mark at a time.
  struct TMark {
    size_t Depth = 0;
    size_t Undo = 0;
    int32_t DefaultFont = -1;
    uint32_t AnsiCodePage = 0;
    uint32_t CharsetCodePage = 1252;
    int32_t Skip = 0;
    int32_t Lead = -1;
    char32_t HighSurrogate = 0;
  };
  TMark Mark();
  void Rewind(const TMark& Mark);

  // The name of a font-table slot in UTF-8, decoded by the font's own charset (not escaped).
  const std::string& FontName(const font& Slot);
  // A page title given as a file name, in UTF-8 and escaped as text.
  std::string Title(std::string_view Name);

private:
  struct TScope {
    int32_t Font = -1;  // -1: none chosen
    int32_t SkipCount = 1;  // \ucN
  };

  TScope& Top() { return FScopes[FDepth - 1]; }
  // Top() about to change; kept for a rewind when a mark is set.
  TScope& TopForChange();
  TCodePageTable& Current();
  TCodePageTable& DocumentTable();
  TCodePageTable* FontTable(const font& Slot);
  const font* SlotOf(int32_t Number) const;

  void Unicode(std::string& Out, std::string_view Number);
  void SetFont(int32_t Font);
  // Forgets what was looked up about fonts: their charsets or the document's are about to change.
  void ForgetFonts();
  // \ansi, \mac, \pc, \pca or \ansicpgN (which keeps the page of the others).
  void DocumentCharset(uint32_t CodePage);
  void PutByte(std::string& Out, unsigned char Byte);
  // Writes a pending lead byte or high surrogate as U+FFFD.
  void FlushPending(std::string& Out);
  bool SkipsOne();

  TCodePages FPages;
  std::vector<TScope> FScopes;  // the first FDepth are the open groups, innermost last
  size_t FDepth = 0;
  std::vector<std::pair<size_t, TScope>> FUndo;  // scopes changed since the mark, with their old values
  bool FMarked = false;
  int32_t FDefaultFont = -1;         // \deffN
  uint32_t FAnsiCodePage = 0;        // \ansicpgN, 0 when not given
  uint32_t FCharsetCodePage = 1252;  // \ansi, \mac, \pc, \pca
  int32_t FSkip = 0;                 // characters of a fallback still to skip
  int32_t FLead = -1;                // a lead byte waiting for the byte after it
  TCodePageTable* FLeadTable = nullptr;
  char32_t FHighSurrogate = 0;       // a high surrogate waiting for its low one
  TCodePageTable* FTable = nullptr;  // the code page in force; nullptr when it must be looked up again
  // The code page of each font number looked up since the last font table: documents change fonts every few
  // words, and the look-up walks the font table.
  std::vector<TCodePageTable*> FFontTables;
  // The decoded names of the font-table slots, by slot, as far as asked for since the last font table.
  std::vector<std::string> FFontNames;
  std::vector<bool> FFontNamed;
  std::string FHidden;               // where hidden text goes
  const font* FFonts = nullptr;      // the font table of the conversion under way
};

// Appends the character C in UTF-8 ("<", ">" and "&" as entities; a surrogate or a value beyond Unicode as U+FFFD).
void AppendEscapedCharacter(std::string& Out, char32_t C);
// Appends C in UTF-8, not escaped.
void AppendUtf8(std::string& Out, char32_t C);

}  // namespace pmrconv
