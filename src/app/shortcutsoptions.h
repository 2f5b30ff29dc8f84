// The commands' shortcuts in the settings: one string value per command under
// "ShortCuts\", named after the command and holding its shortcut text (empty
// for none). They are applied when the main window is made and written when
// it closes; the built-in ones are recorded first, so they can always be
// restored.
#pragma once

#include <string>
#include <vector>

#include "app/actions.h"
#include "support/optionobject.h"

namespace qs {

class SettingsStore;

// The option object of "ShortCuts\": it holds no values of its own, but it
// takes its place among the option objects, so the key belongs to someone.
class TShortCutsOptions : public TOptionExt {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
  std::string RegistryPath() const override { return "ShortCuts\\"; }

  static TShortCutsOptions& Instance();
};

// Every command's built-in shortcut, in table order (DefaultShortCuts), taken
// before the stored ones are applied. A stored empty or unreadable text
// leaves the command without a shortcut; a missing value or one of another
// kind keeps the built-in one.
std::vector<TShortCut> LoadShortCuts(TActionList& actions, const SettingsStore& store);

// Writes every command's shortcut text; the caller persists the store.
void SaveShortCuts(const TActionList& actions, SettingsStore& store);

}  // namespace qs
