// The package loaded into the test host through its exports alone: registration, navigation with
// the four combinations, errors of the host passing through, and leaving nothing behind on unload.
#include <korvex50/KorvexKeys.h>

#include <gtest/gtest.h>

#include "PackageFixture.h"
#include "TextOf.h"

using namespace testhost;

namespace {

constexpr uint8_t kHandled = Toolsapi::krHandled;
constexpr uint8_t kUnhandled = Toolsapi::krUnhandled;

// Whole-word occurrences of foo, in any case: 5, 34, 51 and 65 (57 is Foo2).
const std::string kProgram = CrLfText({"var foo, bar: Integer;", "begin", "  foo := 1;", "  Inc(FOO); Foo2 := foo", "end."});
constexpr int32_t kFoo1 = 5;
constexpr int32_t kFoo2 = 34;
constexpr int32_t kFoo3 = 51;
constexpr int32_t kFoo4 = 65;

}  // namespace

TEST(Korvex50Library, ExportsTheEntryPointsOnly) {
  TPackageLibrary package(KORVEX50_PATH);
  for (const char* name : {"Initialize", "Finalize", "GetPackageInfoTable", "Register", "FindPackageResource"}) {
    EXPECT_NE(package.Symbol(name), nullptr) << name;
  }
  EXPECT_EQ(package.Symbol("_ZN11KorvexOTA508RegisterEv"), nullptr);
  EXPECT_EQ(package.Symbol("_ZN11KorvexOTA5018UnregisterBindingsEv"), nullptr);
  const vcl::TPackageInfoTable* table = package.InfoTable();
  ASSERT_EQ(table->UnitCount, 4);
  for (int i = 1; i < table->UnitCount; ++i) {
    EXPECT_NE(table->UnitInfo[i].Init, nullptr);
    EXPECT_NE(table->UnitInfo[i].FInit, nullptr);
  }
}

TEST_F(PackageInHost, RegistersOneBindingWithFourKeysInTableOrder) {
  const auto& registrations = FHost.Services().Registrations();
  ASSERT_EQ(registrations.size(), 1u);
  EXPECT_EQ(registrations[0].Type, Toolsapi::btPartial);
  EXPECT_EQ(registrations[0].DisplayName, "Korvex /CTRL-ALT-(Arrows)/");
  EXPECT_EQ(registrations[0].Name, korvex50::kBindingName);

  const auto& keys = FHost.Services().Keys();
  const TKeyBindingContext contexts[] = {0x26, 0x28, 0x25, 0x27};
  ASSERT_EQ(keys.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(keys[i].Keys, std::vector<vcl::TShortCut>{korvex50::kKeys[i]});
    EXPECT_EQ(keys[i].Context, contexts[i]);
    EXPECT_EQ(keys[i].Flags, 0);
    EXPECT_EQ(keys[i].Keyboard, "");
    EXPECT_EQ(keys[i].MenuItemName, "");
  }
}

TEST_F(PackageInHost, RegisterWithoutKeyboardServicesRaisesAndAddsNothing) {
  FPackage->Finalize();
  FHost.Services().OfferKeyboardServices = false;
  EXPECT_THROW(FPackage->Register(), vcl::EIntfCastError);
  EXPECT_TRUE(FHost.Services().Registrations().empty());
}

TEST_F(PackageInHost, UpAndDownJumpBetweenOccurrencesOfTheIdentifierAtTheCaret) {
  THostView* view = Open(kProgram, kFoo1 + 1);
  EXPECT_EQ(Press(kCtrlAltDown), kHandled);
  EXPECT_EQ(view->CaretTextPos(), kFoo2);
  EXPECT_EQ(Press(kCtrlAltDown), kHandled);
  EXPECT_EQ(view->CaretTextPos(), kFoo3);  // 'FOO': case does not matter
  EXPECT_EQ(Press(kCtrlAltDown), kHandled);
  EXPECT_EQ(view->CaretTextPos(), kFoo4);  // 'Foo2' is another word
  EXPECT_EQ(Press(kCtrlAltUp), kHandled);
  EXPECT_EQ(view->CaretTextPos(), kFoo3);
  EXPECT_EQ(Beeps(), 0u);
}

TEST_F(PackageInHost, NothingFoundBeepsHandlesTheKeyAndLeavesTheCaret) {
  THostView* view = Open(kProgram, kFoo4 + 2);
  EXPECT_EQ(Press(kCtrlAltRight), kHandled);  // nothing remembered yet
  EXPECT_EQ(Press(kCtrlAltLeft), kHandled);
  EXPECT_EQ(Press(kCtrlAltDown), kHandled);  // last occurrence: no wrap-around
  EXPECT_EQ(view->CaretTextPos(), kFoo4 + 2);
  EXPECT_EQ(FHost.Beeps(), (std::vector<uint32_t>{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF}));
  EXPECT_EQ(view->Paints(), 0);
  view->PlaceCaret(33);  // a blank with a blank before it
  EXPECT_EQ(Press(kCtrlAltUp), kHandled);
  EXPECT_EQ(Beeps(), 4u);
}

TEST_F(PackageInHost, LeftAndRightFollowTheRememberedIdentifierFromWhereverTheCaretIs) {
  THostView* view = Open(kProgram, kFoo1);
  ASSERT_EQ(Press(kCtrlAltDown), kHandled);  // remembers foo
  EXPECT_EQ(Press(kCtrlAltRight), kHandled);
  EXPECT_EQ(view->CaretTextPos(), kFoo3);
  view->PlaceCaret(10);  // on 'bar', moved by hand
  EXPECT_EQ(Press(kCtrlAltRight), kHandled);
  EXPECT_EQ(view->CaretTextPos(), kFoo2);
  view->PlaceCaret(kFoo3 + 1);  // inside an occurrence: Left goes to its start
  EXPECT_EQ(Press(kCtrlAltLeft), kHandled);
  EXPECT_EQ(view->CaretTextPos(), kFoo3);
  EXPECT_EQ(Beeps(), 0u);
}

TEST_F(PackageInHost, FailedDownKeepsTheRememberedIdentifier) {
  THostView* view = Open(kProgram, kFoo1);
  ASSERT_EQ(Press(kCtrlAltDown), kHandled);  // remembers foo
  view->PlaceCaret(10);                      // 'bar' occurs once
  EXPECT_EQ(Press(kCtrlAltDown), kHandled);
  EXPECT_EQ(Beeps(), 1u);
  EXPECT_EQ(Press(kCtrlAltRight), kHandled);
  EXPECT_EQ(view->CaretTextPos(), kFoo2) << "still searching foo, not bar";
}

TEST_F(PackageInHost, UpOnTheBlankAfterAnIdentifierUsesThatIdentifier) {
  THostView* view = Open(kProgram, kFoo3 + 3);  // the ')' right after 'FOO'
  EXPECT_EQ(Press(kCtrlAltUp), kHandled);
  EXPECT_EQ(view->CaretTextPos(), kFoo2);
}

TEST_F(PackageInHost, RememberedIdentifierCarriesOverToAnotherModule) {
  Open(kProgram, kFoo1);
  ASSERT_EQ(Press(kCtrlAltDown), kHandled);
  THostView* other = Open(CrLfText({"unit Other;", "// uses foo", "x := FOO;"}), 1);
  EXPECT_EQ(Press(kCtrlAltRight), kHandled);
  EXPECT_EQ(other->CaretTextPos(), 22);
  EXPECT_EQ(Press(kCtrlAltRight), kHandled);
  EXPECT_EQ(other->CaretTextPos(), 32);
}

TEST_F(PackageInHost, JumpKeepsTheScreenRow) {
  std::vector<std::string> lines(200, "  x := y;");
  lines[49] = "  Target := 1;";
  lines[119] = "  if Target then";
  const std::string text = CrLfText(lines);
  THostView* view = Open(text, LineStartPos(text, 50) + 3, 40);
  EXPECT_EQ(Press(kCtrlAltDown), kHandled);
  EXPECT_EQ(view->Caret().Line, 120);
  EXPECT_EQ(view->Caret().Col, 6);
  EXPECT_EQ(view->Top().Line, 110);
  EXPECT_EQ(view->Top().Col, 1);
}

TEST_F(PackageInHost, JumpsLandOnTheOccurrenceWhateverTheLineBreaks) {
  struct TCase {
    std::string Break;
    int32_t Line;  // of the second foo, as the package counts lines
  };
  for (const TCase& c : {TCase{"\r", 3}, TCase{"\r\n", 3}, TCase{"\n", 1}}) {
    const std::string text = "var foo;" + c.Break + "x := 1;" + c.Break + "  foo := 2;";
    const auto second = static_cast<int32_t>(text.rfind("foo") + 1);
    THostView* view = Open(text, 5);
    EXPECT_EQ(Press(kCtrlAltDown), kHandled);
    EXPECT_EQ(view->CaretTextPos(), second) << testing::PrintToString(c.Break);
    EXPECT_EQ(view->Caret().Line, c.Line) << testing::PrintToString(c.Break);
    EXPECT_EQ(Press(kCtrlAltUp), kHandled);
    EXPECT_EQ(view->CaretTextPos(), 5) << testing::PrintToString(c.Break);
  }
  EXPECT_EQ(Beeps(), 0u);
}

TEST_F(PackageInHost, WithoutASourceViewNoKeyIsHandledAndNothingBeeps) {
  const auto pressAll = [&] {
    for (const vcl::TShortCut key : {kCtrlAltUp, kCtrlAltDown, kCtrlAltLeft, kCtrlAltRight}) {
      EXPECT_EQ(Press(key), kUnhandled);
    }
  };
  pressAll();  // no current module
  THostModule* forms = FHost.AddModule();
  forms->AddFormEditor();
  FHost.SetCurrentModule(forms);
  pressAll();
  FHost.OpenSource(kProgram, 0);
  pressAll();
  EXPECT_EQ(Beeps(), 0u);
}

class HostCallFailing : public PackageInHost, public testing::WithParamInterface<const char*> {};

TEST_P(HostCallFailing, PassesTheErrorThroughAndReleasesEveryReference) {
  THostView* view = Open(kProgram, kFoo1);
  const int64_t references = HostState().References;
  HostState().FailAt = GetParam();
  EXPECT_THROW(Press(kCtrlAltDown), EHostError);
  EXPECT_EQ(HostState().References, references);
  HostState().FailAt.clear();
  view->PlaceCaret(kFoo1);
  EXPECT_EQ(Press(kCtrlAltDown), kHandled) << "the binding still works";
  EXPECT_EQ(view->CaretTextPos(), kFoo2);
}

INSTANTIATE_TEST_SUITE_P(EveryHostCallOfAKeyPress, HostCallFailing,
                         testing::Values("CurrentModule", "GetModuleFileCount", "GetModuleFileEditor", "CreateReader",
                                         "GetText", "GetEditViewCount", "GetEditView", "GetCursorPos", "ConvertPos",
                                         "CharPosToPos", "GetContext", "GetTopPos", "SetCursorPos", "SetTopPos",
                                         "Paint"));

TEST_F(PackageInHost, FinalizeTakesTheBindingOffTheHost) {
  FPackage->Finalize();
  EXPECT_TRUE(FHost.Services().Registrations().empty());
  EXPECT_TRUE(FHost.Services().Keys().empty());
  EXPECT_EQ(FHost.Services().LastReleasedCount(), 0) << "the binding object is gone";
  Open(kProgram, kFoo1);
  EXPECT_EQ(Press(kCtrlAltDown), std::nullopt);

  const std::string path = FPackage->Path();
  EXPECT_TRUE(loader::IsLoaded(path));
  FPackage.reset();
  EXPECT_FALSE(loader::IsLoaded(path));
}

TEST_F(PackageInHost, UnloadWithoutFinalizeAlsoTakesTheBindingOff) {
  const std::string path = FPackage->Path();
  FPackage.reset();
  EXPECT_FALSE(loader::IsLoaded(path));
  EXPECT_TRUE(FHost.Services().Registrations().empty());
  EXPECT_TRUE(FHost.Services().Keys().empty());
  EXPECT_EQ(FHost.Services().LastReleasedCount(), 0);
}

TEST_F(PackageInHost, AFailingRegistrationLeavesNoReferenceBehind) {
  FPackage->Finalize();
  const int64_t references = HostState().References;
  HostState().FailAt = "AddKeyBinding";
  EXPECT_THROW(FPackage->Register(), EHostError);
  EXPECT_TRUE(FHost.Services().Registrations().empty());
  EXPECT_TRUE(FHost.Services().Keys().empty());
  EXPECT_EQ(HostState().References, references);
}
