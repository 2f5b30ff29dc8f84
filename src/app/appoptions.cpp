#include "app/appoptions.h"

#include "app/shortcutsoptions.h"
#include "app/systopt.h"
#include "editor/memoenvoptions.h"
#include "support/optionobject.h"
#include "textmodel/searchoptions.h"
#include "textmodel/sourceoptions.h"

namespace qs {

TApplicationOptions::TApplicationOptions(SettingsStore& store) : m_store(store) {
  OptionRegistry::SetStore(&store);
  m_created = {&MemoEnvOptions(), &TMemoSourceOptions::Instance(), &TSearchOptions::Instance(),
               &TSysOptions::Instance(), &TShortCutsOptions::Instance()};
}

void TApplicationOptions::SaveAll() {
  for (auto it = m_created.rbegin(); it != m_created.rend(); ++it) (*it)->SaveToRegistry(m_store);
  if (!m_store.FileName().empty()) m_store.Save();
}

}  // namespace qs
