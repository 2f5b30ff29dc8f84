// Option objects: settings objects with published properties, kept in the
// settings store property by property. Each class has one registered instance
// for the process, and only that instance tells its listeners of changes.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <typeindex>

#include "support/notifier.h"
#include "support/persistent.h"
#include "support/registry.h"
#include "support/settingsstream.h"

namespace qs {

class TOptionExt : public TPersistent {
 public:
  ~TOptionExt() override;

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  // Copies inside one update bracket, so listeners hear of it once.
  void Assign(const TPersistent& source) override;

  // The sub-key below kApplicationKey, e.g. "CodeEdit\\".
  virtual std::string RegistryPath() const = 0;
  std::string RegistryKey() const;  // kApplicationKey + "\\" + RegistryPath()

  // Every property back to its table default, then ResetExtras(); nobody is
  // told, not even when the bracket closes.
  void ResetDefaults();

  void BeginUpdate() noexcept { ++m_updateCount; }
  // Closing the outermost bracket tells the listeners once if anything changed.
  void EndUpdate();
  bool IsUpdating() const noexcept { return m_updateCount > 0; }
  bool IsRegistered() const noexcept { return m_registered; }

  [[nodiscard]] Subscription OnChanged(std::function<void()> listener) {
    return m_changed.Subscribe(std::move(listener));
  }

  // An absent key or value keeps the current value; values that cannot be used
  // keep it too and go to the handler. Never throws for what the store holds.
  void LoadFromRegistry(const SettingsStore& store, const SettingsProblemHandler& onProblem = {});
  // Writes the values into the store; persisting the store's file is the
  // caller's. Throws qs::Error kUnsupportedTypeMessage for a Binary or string
  // list property, before anything is written.
  void SaveToRegistry(SettingsStore& store) const;

 protected:
  TOptionExt() = default;
  // Setters call this after every change of a property or of a sub-object.
  void Changed();
  // Defaults a table cannot hold (a filled collection); runs inside the reset.
  virtual void ResetExtras() {}

 private:
  friend class OptionRegistry;
  Notifier m_changed;
  int m_updateCount = 0;
  bool m_pending = false;
  bool m_resetting = false;
  bool m_registered = false;
};

// The registered instances, one per class, and what runs when one is made.
class OptionRegistry {
 public:
  using CreationHook = std::function<void(TOptionExt&)>;

  static TOptionExt* Find(std::type_index type);
  // Registers a new instance: resets it to its defaults, runs the creation
  // hooks, loads it from the store, and from then on lets it broadcast.
  static TOptionExt& Adopt(std::type_index type, std::unique_ptr<TOptionExt> instance);

  static void AddCreationHook(CreationHook hook);
  // The store instances are loaded from; nullptr: SettingsStore::Instance().
  static void SetStore(SettingsStore* store);
  static SettingsStore& Store();
  // Destroys every registered instance and forgets the hooks and the store.
  static void Reset();
};

// The registered instance of T, made on first use.
template <class T>
T& RegisteredOptions() {
  if (TOptionExt* found = OptionRegistry::Find(typeid(T))) return static_cast<T&>(*found);
  return static_cast<T&>(OptionRegistry::Adopt(typeid(T), std::make_unique<T>()));
}

// The registered instance of T if there is one yet: what a later instance of
// the same class copies from.
template <class T>
T* FindRegisteredOptions() {
  return static_cast<T*>(OptionRegistry::Find(typeid(T)));
}

}  // namespace qs
