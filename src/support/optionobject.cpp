#include "support/optionobject.h"

#include <map>
#include <utility>
#include <vector>

#include "support/updatebracket.h"

namespace qs {

namespace {

struct RegistryState {
  std::map<std::type_index, std::unique_ptr<TOptionExt>> instances;
  std::vector<OptionRegistry::CreationHook> hooks;
  SettingsStore* store = nullptr;
};

RegistryState& State() {
  static RegistryState state;
  return state;
}

}  // namespace

TOptionExt::~TOptionExt() = default;

const ClassInfo& TOptionExt::StaticClassInfo() {
  static const ClassInfo info("TOptionExt", &TPersistent::StaticClassInfo());
  return info;
}

void TOptionExt::Assign(const TPersistent& source) {
  UpdateBracket bracket(*this);
  TPersistent::Assign(source);
}

std::string TOptionExt::RegistryKey() const {
  std::string key(kApplicationKey);
  key += '\\';
  key += RegistryPath();
  while (!key.empty() && key.back() == '\\') key.pop_back();
  return key;
}

void TOptionExt::ResetDefaults() {
  const bool wasResetting = std::exchange(m_resetting, true);
  try {
    ResetToDefaults(*this);
    ResetExtras();
  } catch (...) {
    m_resetting = wasResetting;
    throw;
  }
  m_resetting = wasResetting;
}

void TOptionExt::EndUpdate() {
  if (m_updateCount == 0) return;
  if (--m_updateCount == 0 && std::exchange(m_pending, false)) Changed();
}

void TOptionExt::Changed() {
  if (!m_registered || m_resetting) return;
  if (m_updateCount > 0) {
    m_pending = true;
    return;
  }
  m_changed.Notify();
}

void TOptionExt::LoadFromRegistry(const SettingsStore& store,
                                  const SettingsProblemHandler& onProblem) {
  UpdateBracket bracket(*this);
  LoadPropertiesFromStore(*this, store, RootKey::CurrentUser, RegistryKey(), onProblem);
}

void TOptionExt::SaveToRegistry(SettingsStore& store) const {
  SavePropertiesToStore(*this, store, RootKey::CurrentUser, RegistryKey());
}

TOptionExt* OptionRegistry::Find(std::type_index type) {
  auto& instances = State().instances;
  auto it = instances.find(type);
  return it == instances.end() ? nullptr : it->second.get();
}

TOptionExt& OptionRegistry::Adopt(std::type_index type, std::unique_ptr<TOptionExt> instance) {
  // Entered before it is filled, so a hook that asks for it gets this one.
  TOptionExt& options = *instance;
  State().instances[type] = std::move(instance);
  try {
    options.ResetDefaults();
    const std::vector<CreationHook> hooks = State().hooks;
    for (const CreationHook& hook : hooks) hook(options);
    options.LoadFromRegistry(Store());
  } catch (...) {
    // A half-made instance must not stay registered: the next use starts afresh.
    State().instances.erase(type);
    throw;
  }
  options.m_registered = true;
  return options;
}

void OptionRegistry::AddCreationHook(CreationHook hook) {
  State().hooks.push_back(std::move(hook));
}

void OptionRegistry::SetStore(SettingsStore* store) {
  State().store = store;
}

SettingsStore& OptionRegistry::Store() {
  SettingsStore* store = State().store;
  return store ? *store : SettingsStore::Instance();
}

void OptionRegistry::Reset() {
  RegistryState& state = State();
  // Moved out first: an instance's destructor may look itself up.
  auto instances = std::move(state.instances);
  state.instances.clear();
  state.hooks.clear();
  state.store = nullptr;
  instances.clear();
}

}  // namespace qs
