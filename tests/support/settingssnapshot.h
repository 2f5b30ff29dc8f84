// Test helpers for the settings store: a flat listing of everything a store
// holds, walked through the public calls only, and a scratch folder.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

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

// A fresh folder per test, removed afterwards.
class ScratchDir {
 public:
  explicit ScratchDir(const std::string& tag)
      : m_dir(std::filesystem::temp_directory_path() /
              ("qs_" + tag + "_" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_dir, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& Path() const { return m_dir; }
  std::string File(const std::string& name) const { return (m_dir / name).string(); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path m_dir;
};

}  // namespace qs::testing
