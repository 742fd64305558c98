#pragma once
// A test host with the built Korvex50 package loaded through its exports, initialised and registered.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "PackageLibrary.h"
#include "TestHost.h"

namespace testhost {

class PackageInHost : public testing::Test {
 protected:
  void SetUp() override {
    FPackage.emplace(KORVEX50_PATH);
    FPackage->Initialize();
    FPackage->Register();
  }
  // Unloads the package, then the host; after that no reference to a host object may be left.
  void TearDown() override {
    if (FPackage) {
      FPackage->Finalize();
      FPackage.reset();
    }
    FHostOwner.reset();
    EXPECT_EQ(HostState().References, FReferencesBefore) << "host references leaked";
  }

  // Opens text as the current module's source with the caret at 1-based position caret.
  THostView* Open(std::string text, int32_t caret, int32_t topLine = 1) {
    THostView* view = FHost.OpenSource(std::move(text))->View(0);
    view->PlaceCaret(caret, topLine);
    return view;
  }
  std::optional<uint8_t> Press(vcl::TShortCut key) { return FHost.PressKey(key); }
  size_t Beeps() const { return FHost.Beeps().size(); }

  int64_t FReferencesBefore = HostState().References;
  std::unique_ptr<THost> FHostOwner = std::make_unique<THost>();  // outlives the package
  THost& FHost = *FHostOwner;
  std::optional<TPackageLibrary> FPackage;
};

}  // namespace testhost
