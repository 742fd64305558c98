// The built Korvex50 package loaded into the editor's host side: keys bound and pressed over a document
// with LF line ends, unloaded with nothing of it left, loaded again, and refused with a reason when broken.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "EditorModule.h"
#include "FakeEditor.h"
#include "PackageHost.h"
#include <korvex50/User32.h>

namespace geanyhost::test {
namespace {

class PackageHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FPreviousBeep = Windows::SetMessageBeepHook([this](uint32_t) { ++Beeps; });
  }
  void TearDown() override {
    Host.Unload();
    Windows::SetMessageBeepHook(std::move(FPreviousBeep));
  }
  // Presses the key bound to shortcut; false when none is bound to it or the package did not handle it.
  bool Press(vcl::TShortCut shortcut) {
    for (size_t i = 0; i < Host.Keys().size(); ++i) {
      if (Host.Keys()[i].ShortCut == shortcut) return Host.Press(i);
    }
    return false;
  }
  static bool PackageMapped() {
    void* library = dlopen(KORVEX50_PACKAGE, RTLD_NOW | RTLD_NOLOAD);
    if (library == nullptr) return false;
    dlclose(library);
    return true;
  }
  std::string LoadError(const std::string& path) {
    try {
      Host.Load(path);
    } catch (const EPackageError& error) {
      return error.Message();
    }
    return "loaded";
  }

  std::shared_ptr<TFakeEditor> Editor;
  TPackageHost Host{[this]() -> vcl::TIntfRef<Toolsapi::IOTAModule> {
    return Editor ? MakeEditorModule(Editor) : nullptr;
  }};
  int Beeps = 0;

 private:
  Windows::TMessageBeepHook FPreviousBeep;
};

constexpr vcl::TShortCut kUp = 0xC026, kDown = 0xC028, kLeft = 0xC025, kRight = 0xC027;

TEST_F(PackageHostTest, RegisteringBindsTheFourKeysInTheirOrderUnderTheBindingsName) {
  Host.Load(KORVEX50_PACKAGE);
  ASSERT_EQ(Host.Keys().size(), 4u);
  const vcl::TShortCut expected[] = {kUp, kDown, kLeft, kRight};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(Host.Keys()[i].ShortCut, expected[i]);
    EXPECT_EQ(Host.Keys()[i].BindingName, "Korvex /CTRL-ALT-(Arrows)/");
  }
}

TEST_F(PackageHostTest, KeysMoveTheCaretOverLfLinesTabsIncluded) {
  Editor = std::make_shared<TFakeEditor>("foo bar\nx foo\n\tfoo");
  Host.Load(KORVEX50_PACKAGE);
  EXPECT_TRUE(Press(kDown));
  EXPECT_EQ(Editor->Caret(), 10);
  EXPECT_TRUE(Press(kDown));
  EXPECT_EQ(Editor->Caret(), 15);
  EXPECT_TRUE(Press(kDown));  // the last one: a beep, the caret stays
  EXPECT_EQ(Editor->Caret(), 15);
  EXPECT_EQ(Beeps, 1);
  EXPECT_TRUE(Press(kUp));
  EXPECT_EQ(Editor->Caret(), 10);
  Editor->SetCaret(0);
  EXPECT_TRUE(Press(kRight));
  EXPECT_EQ(Editor->Caret(), 10);
  EXPECT_TRUE(Press(kLeft));
  EXPECT_EQ(Editor->Caret(), 0);
  EXPECT_EQ(Beeps, 1);
}

TEST_F(PackageHostTest, WithoutADocumentAKeyIsLeftToTheEditorWithoutABeep) {
  Host.Load(KORVEX50_PACKAGE);
  EXPECT_FALSE(Press(kDown));
  EXPECT_EQ(Beeps, 0);
}

TEST_F(PackageHostTest, UnloadingLeavesNothingOfThePackageAndLoadingAgainStartsAfresh) {
  Editor = std::make_shared<TFakeEditor>("foo foo");
  Host.Load(KORVEX50_PACKAGE);
  ASSERT_TRUE(Press(kDown));  // remembers foo
  Host.Unload();
  EXPECT_FALSE(Host.Loaded());
  EXPECT_FALSE(Host.HoldsPackageReferences());
  EXPECT_TRUE(Host.Keys().empty());
  EXPECT_FALSE(PackageMapped());

  Host.Load(KORVEX50_PACKAGE);
  EXPECT_EQ(Host.Keys().size(), 4u);
  Editor->SetCaret(0);
  EXPECT_TRUE(Press(kRight));  // nothing remembered in the new load
  EXPECT_EQ(Editor->Caret(), 0);
  EXPECT_EQ(Beeps, 1);
}

TEST_F(PackageHostTest, ABrokenOrMissingPackageIsRefusedWithItsReasonAndNothingStaysLoaded) {
  EXPECT_EQ(LoadError("/nonexistent/Korvex50.so"),
            "there is no package at /nonexistent/Korvex50.so; set its path in the plugin's preferences");
  EXPECT_EQ(LoadError(KORVEX50_HOST_INTERFACE),
            std::string(KORVEX50_HOST_INTERFACE) + " is not a Korvex50 package: it does not export Initialize");
  const std::string text = ::testing::TempDir() + "not-a-library.so";
  std::ofstream(text) << "just text\n";
  const std::string error = LoadError(text);
  EXPECT_EQ(error.rfind("the package " + text + " cannot be loaded: ", 0), 0u) << error;
  EXPECT_FALSE(Host.Loaded());
  EXPECT_FALSE(Host.HoldsPackageReferences());
  EXPECT_FALSE(Toolsapi::BorlandIDEServices);
}

}  // namespace
}  // namespace geanyhost::test
