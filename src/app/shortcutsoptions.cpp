#include "app/shortcutsoptions.h"

#include "support/registry.h"

namespace qs {

namespace {

const std::string& ShortCutsKey() {
  static const std::string path = std::string(kApplicationKey) + "\\ShortCuts";
  return path;
}

bool IsText(const RegValue& value) {
  return value.kind == RegKind::String || value.kind == RegKind::ExpandString;
}

}  // namespace

const ClassInfo& TShortCutsOptions::StaticClassInfo() {
  static const ClassInfo info("TShortCutsOptions", &TOptionExt::StaticClassInfo());
  return info;
}

TShortCutsOptions& TShortCutsOptions::Instance() {
  return RegisteredOptions<TShortCutsOptions>();
}

std::vector<TShortCut> LoadShortCuts(TActionList& actions, const SettingsStore& store) {
  std::vector<TShortCut> defaults;
  defaults.reserve(static_cast<std::size_t>(actions.Count()));
  for (int i = 0; i < actions.Count(); ++i) defaults.push_back(actions.At(i).ShortCut());
  for (int i = 0; i < actions.Count(); ++i) {
    TAction& action = actions.At(i);
    const std::optional<RegValue> stored =
        store.ReadValue(RootKey::CurrentUser, ShortCutsKey(), action.Name());
    if (!stored || !IsText(*stored)) continue;
    action.SetShortCut(TextToShortCut(stored->text).value_or(TShortCut{}));
  }
  return defaults;
}

void SaveShortCuts(const TActionList& actions, SettingsStore& store) {
  for (int i = 0; i < actions.Count(); ++i) {
    const TAction& action = actions.At(i);
    store.WriteValue(RootKey::CurrentUser, ShortCutsKey(), action.Name(),
                     RegValue::Str(ShortCutToText(action.ShortCut())));
  }
}

}  // namespace qs
