#include "Korvex50.h"

#include <array>

#include "KorvexOTA50.h"

namespace {

// Each own unit counts its initialisations down and its finalisations up; they have no other work,
// apart from KorvexOTA50, whose finalisation removes the key binding before the code can go away.
int32_t gKorvexUtilsCount = 0;
int32_t gKorvexOTAUtilsCount = 0;
int32_t gKorvexOTA50Count = 0;

void KorvexUtilsInit() { --gKorvexUtilsCount; }
void KorvexUtilsFinal() { ++gKorvexUtilsCount; }
void KorvexOTAUtilsInit() { --gKorvexOTAUtilsCount; }
void KorvexOTAUtilsFinal() { ++gKorvexOTAUtilsCount; }
void KorvexOTA50Init() { --gKorvexOTA50Count; }
void KorvexOTA50Final() {
  ++gKorvexOTA50Count;
  KorvexOTA50::UnregisterBindings();
}

// Start-up unit first (nothing to do here), then the package's units in initialisation order.
constexpr std::array<vcl::TPackageUnitEntry, 4> kUnits{{
    {nullptr, nullptr},
    {KorvexUtilsInit, KorvexUtilsFinal},
    {KorvexOTAUtilsInit, KorvexOTAUtilsFinal},
    {KorvexOTA50Init, KorvexOTA50Final},
}};

constexpr vcl::TPackageInfoTable kPackageInfoTable{static_cast<int32_t>(kUnits.size()), kUnits.data()};

}  // namespace

void Initialize() {
  for (const vcl::TPackageUnitEntry& unit : kUnits) {
    if (unit.Init != nullptr) unit.Init();
  }
}

void Finalize() {
  for (auto unit = kUnits.rbegin(); unit != kUnits.rend(); ++unit) {
    if (unit->FInit != nullptr) unit->FInit();
  }
}

const vcl::TPackageInfoTable* GetPackageInfoTable() { return &kPackageInfoTable; }

void Register() { KorvexOTA50::Register(); }
