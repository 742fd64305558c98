// A minimal IDE host for Korvex50: one editor with one line of text, keyboard services that keep
// the package's binding, and the package loaded, registered, pressed and unloaded.
// Usage: korvex_host [PACKAGE]   (without an argument, the installed Korvex50.so)
#include <dlfcn.h>

#include <cstdio>
#include <string>
#include <vector>

#include "PackageInfo.h"
#include "Toolsapi.h"

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
  int32_t CharPosToPos(TOTACharPos CharPos) override { return CharPos.CharIndex < FLength ? CharPos.CharIndex : FLength; }
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
  explicit TEditor(std::string text) : FText(std::move(text)), FView(new TView(static_cast<int32_t>(FText.size()))) {}
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
class TServices final : public vcl::TInterfacedObject<IBorlandIDEServices, IOTAModuleServices, IOTAKeyboardServices,
                                                      IOTAKeyBindingServices> {
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
  void AddKeyBinding(std::span<const vcl::TShortCut> Keys, TKeyBindingProc KeyProc, TKeyBindingContext Context,
                     int32_t, const std::string&, const std::string&) override {
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

template <class TProc>
TProc Entry(void* library, const char* name) {
  void* entry = dlsym(library, name);
  if (entry == nullptr) std::fprintf(stderr, "korvex_host: the package does not export %s\n", name);
  return reinterpret_cast<TProc>(entry);
}

int RunHost(const char* packagePath) {
  const TIntfRef<TServices> services(new TServices);
  BorlandIDEServices = TIntfRef<IBorlandIDEServices>(services.Get());
  const TIntfRef<TEditor> editor(new TEditor("foo := foo + 1;"));
  services->Open(TIntfRef<IOTAModule>(editor.Get()));

  void* package = dlopen(packagePath, RTLD_NOW | RTLD_LOCAL);
  if (package == nullptr) {
    std::fprintf(stderr, "korvex_host: %s\n", dlerror());
    return 1;
  }
  const auto initialize = Entry<vcl::TInitializeProc>(package, "Initialize");
  const auto registerPackage = Entry<vcl::TRegisterProc>(package, "Register");
  const auto finalize = Entry<vcl::TFinalizeProc>(package, "Finalize");
  int status = 1;
  if (initialize != nullptr && registerPackage != nullptr && finalize != nullptr) {
    initialize();
    registerPackage();
    const bool handled = services->Press(0xC028);  // Ctrl+Alt+Down: the next 'foo'
    const int16_t column = editor->View().GetCursorPos().Col;
    std::printf("Ctrl+Alt+Down %s, caret at column %d\n", handled ? "handled" : "not handled", column);
    finalize();  // takes the binding off: the host drops its references into the package
    status = handled && column == 8 && !services->HoldsPackageReferences() ? 0 : 1;
  }
  dlclose(package);
  BorlandIDEServices.Reset();
  return status;
}

}  // namespace

int main(int argc, char** argv) { return RunHost(argc > 1 ? argv[1] : KORVEX50_PACKAGE); }
