#pragma once
// The conversion cases every toolkit's window must get right, run through the fixture's own Select,
// PressConvert and Reread and checked on its folder and captured errors.

#include <gtest/gtest.h>

#include <string>

namespace ConvertCases {

// A page chosen as the source is its own destination: refused with the sharing code, and left as it was.
template <class TFixture>
void PageAsSourceIsRefused(TFixture& f, const std::string& caption) {
  f.folder.Write("page.htm", "<HTML>old</HTML>");
  f.Reread();
  f.Select("page.htm");
  f.PressConvert();
  ASSERT_EQ(f.errors.Shown.size(), 1u);
  EXPECT_EQ(f.errors.Shown[0].Text, "I/O-Fehler 32.");
  EXPECT_EQ(f.errors.Shown[0].Caption, caption);
  EXPECT_EQ(f.folder.Read(f.folder / "page.htm"), "<HTML>old</HTML>");
}

// A document that fails part-way: its message with a period, and the page written so far, closed.
template <class TFixture>
void FailurePartWayKeepsThePage(TFixture& f) {
  f.folder.Write("broken.rtf", "{\\rtf1 Hello\\'zz world}");
  f.Reread();
  f.Select("broken.rtf");
  f.PressConvert();
  ASSERT_EQ(f.errors.Shown.size(), 1u);
  EXPECT_NE(f.errors.Shown[0].Text.find("ist kein g\xC3\xBCltiger Integerwert."), std::string::npos);
  const std::string page = f.folder.Read(f.folder / "broken.htm");
  EXPECT_NE(page.find("Hello"), std::string::npos);
  EXPECT_TRUE(page.ends_with("\r\n</BODY>\r\n</HTML>\r\n")) << page;
}

}  // namespace ConvertCases
