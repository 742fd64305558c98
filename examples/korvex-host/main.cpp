// A minimal IDE host for Korvex50: one editor with one line of text, keyboard services that keep
// the package's binding, and the package loaded, registered, pressed and unloaded.
// Usage: korvex_host [PACKAGE]   (without an argument, the package installed beside libvcl50)
#include <korvex50/KorvexKeys.h>
#include <korvex50/PackageLoader.h>
#include <korvex50/Toolsapi.h>
#include <korvex50/Version.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

using namespace Toolsapi;
using vcl::TIntfRef;

namespace {

// The editor text is one line, so a character index is the buffer offset and the column is one more.
class TView final : public vcl::TInterfacedObject<IOTAEditView> {
 public:
  explicit TView(int32_t length) : FLength(length) {}
  TOTAEditPos GetCursorPos() override { return FCaret; }
  void SetCursorPos(const TOTAEditPos& Value) override { FCaret = Value; }
  TOTAEditPos GetTopPos() override { return {1, 1}; }
  void SetTopPos(const TOTAEditPos&) override {}
  void ConvertPos(bool EdPosToCharPos, TOTAEditPos& EditPos, TOTACharPos& CharPos) override {
    if (EdPosToCharPos) {
      CharPos = {static_cast<int16_t>(EditPos.Col - 1), 1};
    } else {
      EditPos = {static_cast<int16_t>(CharPos.CharIndex + 1), 1};
    }
  }
  int32_t CharPosToPos(TOTACharPos CharPos) override {
    return CharPos.CharIndex < FLength ? CharPos.CharIndex : FLength;
  }
  void Paint() override {}

 private:
  int32_t FLength;
  TOTAEditPos FCaret{1, 1};
};

class TReader final : public vcl::TInterfacedObject<IOTAEditReader> {
 public:
  explicit TReader(std::string text) : FText(std::move(text)) {}
  int32_t GetText(int32_t Position, char* Buffer, int32_t Count) override {
    const std::string part = FText.substr(static_cast<size_t>(std::min<int32_t>(Position, FText.size())),
                                          static_cast<size_t>(Count));
    part.copy(Buffer, part.size());
    return static_cast<int32_t>(part.size());
  }

 private:
  std::string FText;
};

class TEditor final : public vcl::TInterfacedObject<IOTASourceEditor, IOTAModule> {
 public:
  explicit TEditor(std::string text)
      : FText(std::move(text)), FView(new TView(static_cast<int32_t>(FText.size()))) {}
  TIntfRef<IOTAEditReader> CreateReader() override { return TIntfRef<IOTAEditReader>(new TReader(FText)); }
  int32_t GetEditViewCount() override { return 1; }
  TIntfRef<IOTAEditView> GetEditView(int32_t) override { return FView; }
  int32_t GetModuleFileCount() override { return 1; }
  TIntfRef<IOTAEditor> GetModuleFileEditor(int32_t) override { return TIntfRef<IOTAEditor>(this); }
  TView& View() { return static_cast<TView&>(*FView.Get()); }

 private:
  std::string FText;
  TIntfRef<IOTAEditView> FView;
};

class TKeyContext final : public vcl::TInterfacedObject<IOTAKeyContext> {
 public:
  explicit TKeyContext(TKeyBindingContext context) : FContext(context) {}
  TKeyBindingContext GetContext() override { return FContext; }

 private:
  TKeyBindingContext FContext;
};

struct TBoundKey {
  vcl::TShortCut Key;
  TKeyBindingProc Proc;  // code of the package: dropped before the package unloads
  TKeyBindingContext Context;
};

// The services object: the current module, and keyboard services that keep one binding at a time.
class TServices final : public vcl::TInterfacedObject<IBorlandIDEServices, IOTAModuleServices,
                                                      IOTAKeyboardServices, IOTAKeyBindingServices> {
 public:
  TIntfRef<IOTAModule> CurrentModule() override { return FModule; }
  TBindingHandle AddKeyboardBinding(IOTAKeyboardBinding* KeyBinding) override {
    FBinding = TIntfRef<IOTAKeyboardBinding>(KeyBinding);
    KeyBinding->BindKeyboard(this);
    return 1;
  }
  void RemoveKeyboardBinding(TBindingHandle) override {
    FKeys.clear();
    FBinding.Reset();
  }
  void AddKeyBinding(std::span<const vcl::TShortCut> Keys, TKeyBindingProc KeyProc,
                     TKeyBindingContext Context, int32_t, const std::string&, const std::string&) override {
    for (const vcl::TShortCut key : Keys) FKeys.push_back({key, KeyProc, Context});
  }

  void Open(TIntfRef<IOTAModule> module) { FModule = std::move(module); }
  // Dispatches a shortcut to the procedure bound to it; false when nothing handled it.
  bool Press(vcl::TShortCut key) {
    for (const TBoundKey& bound : FKeys) {
      if (bound.Key != key) continue;
      TKeyBindingResult result = krUnhandled;
      const TIntfRef<IOTAKeyContext> context(new TKeyContext(bound.Context));
      bound.Proc(context.Get(), key, result);
      return result == krHandled;
    }
    return false;
  }
  bool HoldsPackageReferences() const { return FBinding || !FKeys.empty(); }

 private:
  TIntfRef<IOTAModule> FModule;
  TIntfRef<IOTAKeyboardBinding> FBinding;
  std::vector<TBoundKey> FKeys;
};

int RunHost(const char* packagePath) {
  const TIntfRef<TServices> services(new TServices);
  BorlandIDEServices = TIntfRef<IBorlandIDEServices>(services.Get());
  const TIntfRef<TEditor> editor(new TEditor("foo := foo + 1;"));
  services->Open(TIntfRef<IOTAModule>(editor.Get()));

  int status = 1;
  std::optional<vcl::TPackageModule> package;
  try {
    package.emplace(packagePath);
    package->Entries().Initialize();
    package->Entries().Register();
    const bool handled = services->Press(korvex50::kNextIdentAtCaret);  // the next 'foo'
    const int16_t column = editor->View().GetCursorPos().Col;
    std::printf("Korvex50 %s: Ctrl+Alt+Down %s, caret at column %d\n", KORVEX50_VERSION,
                handled ? "handled" : "not handled", column);
    package->Entries().Finalize();  // takes the binding off: the host drops its references into the package
    status = handled && column == 8 && !services->HoldsPackageReferences() ? 0 : 1;
  } catch (const rtl::Exception& error) {
    std::fprintf(stderr, "korvex_host: %s\n", error.what());
  }
  services->RemoveKeyboardBinding(
      0);  // whatever a failure left behind goes while the package's code is there
  package.reset();
  BorlandIDEServices.Reset();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string package = argc > 1 ? argv[1] : vcl::PackageBesideRuntime(korvex50::kPackageFileName);
  return RunHost(package.c_str());
}
