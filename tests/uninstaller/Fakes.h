#pragma once
// Fakes of the registry and the launcher that record what the uninstaller asked of them.

#include <map>
#include <string>
#include <vector>

#include "uVoUnInstaller.h"

namespace uVoUnInstaller::testing {

inline constexpr std::uint32_t kRegDword = 4;

struct TFakeValue {
  std::uint32_t Type = kRegSz;
  std::string Data;
  bool SizeFails = false;
  bool ReadFails = false;
};

class TFakeRegistry final : public TRegistry {
public:
  // Key path -> value name -> value.
  std::map<std::string, std::map<std::string, TFakeValue>> Keys;
  std::vector<std::string> Opened;  // every path OpenKey was asked for, in order
  int Calls = 0;

  bool OpenKey(const std::string& path) override {
    ++Calls;
    Opened.push_back(path);
    const auto key = Keys.find(path);
    if (key == Keys.end()) return false;
    FCurrent = &key->second;
    return true;
  }
  std::optional<std::size_t> ValueSize(const std::string& name) override {
    ++Calls;
    const TFakeValue* value = Find(name);
    if (value == nullptr || value->SizeFails) return std::nullopt;
    return value->Data.size();
  }
  std::optional<TRegValue> ReadValue(const std::string& name, std::size_t size) override {
    ++Calls;
    const TFakeValue* value = Find(name);
    if (value == nullptr || value->ReadFails || size != value->Data.size()) return std::nullopt;
    return TRegValue{value->Type, value->Data};
  }

private:
  const TFakeValue* Find(const std::string& name) const {
    if (FCurrent == nullptr) return nullptr;
    const auto value = FCurrent->find(name);
    return value == FCurrent->end() ? nullptr : &value->second;
  }
  const std::map<std::string, TFakeValue>* FCurrent = nullptr;
};

class TFakeLauncher final : public TLauncher {
public:
  TOutcome Outcome = TOutcome::kEnded;
  std::vector<std::string> Commands;  // command lines as the launcher received them

  TOutcome RunAndWait(char* commandLine) override {
    Commands.emplace_back(commandLine);
    return Outcome;
  }
};

}  // namespace uVoUnInstaller::testing
