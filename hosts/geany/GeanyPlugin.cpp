// The Geany plugin korvex50-geany: enabling it loads the Korvex50 package and offers its keys as
// Geany keybindings of the group "Korvex50"; disabling it unloads the package again.
#include <geanyplugin.h>
#include <korvex50/User32.h>
#include <korvex50/Version.h>

#include <exception>
#include <memory>
#include <string>

#include "EditorModule.h"
#include "GeanyKeys.h"
#include "PackageHost.h"
#include "PluginSettings.h"
#include "ScintillaEditor.h"

namespace geanyhost {
namespace {

constexpr char kPluginName[] = "Korvex50";
constexpr char kMessagePrefix[] = "Korvex50: ";

// Everything one enabling of the plugin holds; Geany frees it when the plugin goes away.
struct TPluginState {
  GeanyPlugin* Plugin = nullptr;
  std::unique_ptr<TPackageHost> Host;
  Windows::TMessageBeepHook PreviousBeep;
  GtkWidget* PathEntry = nullptr;  // of the open configuration dialog
};

// In the status bar, and logged on standard error for those who started Geany from a terminal.
void ShowStatus(const std::string& message) {
  ui_set_statusbar(TRUE, "%s%s", kMessagePrefix, message.c_str());
  g_printerr("%s%s\n", kMessagePrefix, message.c_str());
}

std::string ConfigFile(const TPluginState& state) { return SettingsFile(state.Plugin->geany_data->app->configdir); }

// The document in the editor notebook's current page, as a module; none without a document.
vcl::TIntfRef<Toolsapi::IOTAModule> CurrentModule() {
  GeanyDocument* document = document_get_current();
  if (document == nullptr || !document->is_valid || document->editor == nullptr) return nullptr;
  return MakeEditorModule(std::make_shared<TScintillaEditor>(document->editor->sci));
}

// Errors must not cross Geany's C frames: an error of the package ends in the status bar.
gboolean OnKey(GeanyKeyGroup* /*group*/, guint keyId, gpointer data) {
  auto* state = static_cast<TPluginState*>(data);
  if (!state->Host || !state->Host->Loaded()) return FALSE;
  try {
    return state->Host->Press(keyId) ? TRUE : FALSE;
  } catch (const std::exception& error) {
    ShowStatus(error.what());
  } catch (...) {
    ShowStatus("the key failed");
  }
  return TRUE;
}

void BindKeys(TPluginState& state) {
  const auto& keys = state.Host->Keys();
  GeanyKeyGroup* group = plugin_set_key_group_full(state.Plugin, "korvex50", keys.size(), OnKey, &state, nullptr);
  for (size_t id = 0; id < keys.size(); ++id) {
    const TGeanyKey key = GeanyKeyFor(keys[id].ShortCut, keys[id].BindingName);
    keybindings_set_item_full(group, id, key.KeyVal, key.Mods, key.Name.c_str(), key.Label.c_str(), nullptr,
                              nullptr, nullptr, nullptr);
  }
}

gboolean Init(GeanyPlugin* /*plugin*/, gpointer data) {
  auto* state = static_cast<TPluginState*>(data);
  std::string path = ReadPackageSetting(ConfigFile(*state));
  if (path.empty()) path = DefaultPackagePath();
  try {
    state->Host = std::make_unique<TPackageHost>(CurrentModule);
    state->Host->Load(path);
  } catch (const std::exception& error) {
    state->Host.reset();
    ShowStatus(error.what());
    return FALSE;
  }
  state->PreviousBeep =
      Windows::SetMessageBeepHook([](uint32_t) { gdk_display_beep(gdk_display_get_default()); });
  BindKeys(*state);
  return TRUE;
}

void Cleanup(GeanyPlugin* /*plugin*/, gpointer data) {
  auto* state = static_cast<TPluginState*>(data);
  state->Host.reset();  // finalises and unloads the package
  // The hook's code is the plugin's, which Geany may unload next.
  Windows::SetMessageBeepHook(std::move(state->PreviousBeep));
  state->PreviousBeep = nullptr;
}

void OnConfigureResponse(GtkDialog* /*dialog*/, gint response, gpointer data) {
  auto* state = static_cast<TPluginState*>(data);
  if (response != GTK_RESPONSE_OK && response != GTK_RESPONSE_APPLY) return;
  const std::string path = gtk_entry_get_text(GTK_ENTRY(state->PathEntry));
  std::string error;
  if (!WritePackageSetting(ConfigFile(*state), path, error)) ShowStatus(error);
}

GtkWidget* Configure(GeanyPlugin* /*plugin*/, GtkDialog* dialog, gpointer data) {
  auto* state = static_cast<TPluginState*>(data);
  GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 6);
  GtkWidget* label = gtk_label_new(
      "Package library to load (empty: where Korvex50 is installed).\n"
      "A new path takes effect when the plugin is next enabled.");
  gtk_label_set_xalign(GTK_LABEL(label), 0);
  state->PathEntry = gtk_entry_new();
  gtk_entry_set_text(GTK_ENTRY(state->PathEntry), ReadPackageSetting(ConfigFile(*state)).c_str());
  gtk_entry_set_placeholder_text(GTK_ENTRY(state->PathEntry), DefaultPackagePath().c_str());
  gtk_box_pack_start(GTK_BOX(box), label, FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(box), state->PathEntry, FALSE, FALSE, 0);
  g_signal_connect(dialog, "response", G_CALLBACK(OnConfigureResponse), state);
  return box;
}

void FreeState(gpointer data) { delete static_cast<TPluginState*>(data); }

}  // namespace
}  // namespace geanyhost

extern "C" G_MODULE_EXPORT void geany_load_module(GeanyPlugin* plugin) {
  using namespace geanyhost;
  plugin->info->name = kPluginName;
  plugin->info->description =
      "Ctrl+Alt+Up/Down jump to the previous/next occurrence of the identifier at the caret, "
      "Ctrl+Alt+Left/Right to those of the remembered one (the Korvex50 package)";
  plugin->info->version = KORVEX50_VERSION;  // the plugin comes with the package it hosts
  plugin->info->author = "pelmora developers";
  plugin->funcs->init = Init;
  plugin->funcs->cleanup = Cleanup;
  plugin->funcs->configure = Configure;
  auto* state = new TPluginState;
  state->Plugin = plugin;
  // 226: the first interface with keybinding groups that hand their callback a data pointer.
  if (!GEANY_PLUGIN_REGISTER_FULL(plugin, 226, state, FreeState)) delete state;
}
