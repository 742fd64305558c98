#include "TestHost.h"

namespace testhost {

THostState& HostState() {
  static THostState state;
  return state;
}

THost::THost() : FServices(new THostServices) {
  HostState().FailAt.clear();
  Toolsapi::BorlandIDEServices = FServices;
  FPreviousBeepHook = Windows::SetMessageBeepHook([this](uint32_t type) { FBeeps.push_back(type); });
}

THost::~THost() {
  Windows::SetMessageBeepHook(std::move(FPreviousBeepHook));
  Toolsapi::BorlandIDEServices.Reset();
  HostState().FailAt.clear();
}

THostModule* THost::AddModule() {
  FModules.emplace_back(new THostModule);
  return FModules.back().Get();
}

void THost::SetCurrentModule(THostModule* module) {
  FServices->SetCurrentModule(TIntfRef<Toolsapi::IOTAModule>(module));
}

THostSourceEditor* THost::OpenSource(std::string text, int views) {
  THostModule* module = AddModule();
  module->AddFormEditor();
  THostSourceEditor* editor = module->AddSourceEditor(std::move(text), views);
  SetCurrentModule(module);
  return editor;
}

}  // namespace testhost
