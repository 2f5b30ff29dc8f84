// Test helpers for the settings store: a flat listing of everything a store
// holds, walked through the public calls only, and a scratch folder.
#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "common/scratchdir.h"
#include "support/registry.h"

namespace qs::testing {

struct SettingsEntry {
  RootKey root;
  std::string path;  // the key, as stored
  bool isKey;        // a key line rather than a value
  std::string name;  // the value's name
  RegValue value;

  bool operator==(const SettingsEntry& other) const {
    return std::tie(root, path, isKey, name) ==
               std::tie(other.root, other.path, other.isKey, other.name) &&
           value == other.value;
  }
};

inline void SnapshotKey(const SettingsStore& store, RootKey root, const std::string& path,
                        std::vector<SettingsEntry>& out) {
  out.push_back({root, path, true, "", {}});
  for (const std::string& name : store.ValueNames(root, path))
    out.push_back({root, path, false, name, store.ReadValue(root, path, name).value()});
  for (const std::string& child : store.SubKeyNames(root, path))
    SnapshotKey(store, root, path.empty() ? child : path + "\\" + child, out);
}

// Every key and value in enumeration order.
inline std::vector<SettingsEntry> Snapshot(const SettingsStore& store) {
  std::vector<SettingsEntry> out;
  for (RootKey root : {RootKey::CurrentUser, RootKey::LocalMachine, RootKey::ClassesRoot})
    SnapshotKey(store, root, "", out);
  return out;
}

// True when the store holds nothing but its three empty hives.
inline bool IsEmpty(const SettingsStore& store) {
  return Snapshot(store).size() == 3;
}

}  // namespace qs::testing
