// The settings store: a tree of keys with typed values below three hives,
// kept in a human-readable file. It stands where the desktop registry stands on
// the system this program grew up on, with the same key paths and value kinds.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/qschar.h"

namespace qs {

class IFileAccess;

enum class RootKey : std::uint8_t { CurrentUser, LocalMachine, ClassesRoot };

enum class RegKind : std::uint8_t { String, ExpandString, Integer, Binary };

struct RegValue {
  RegKind kind = RegKind::String;
  String text;                      // String, ExpandString
  std::int32_t integer = 0;         // Integer
  std::vector<std::uint8_t> bytes;  // Binary

  static RegValue Str(String v);
  static RegValue Expand(String v);
  static RegValue Int(std::int32_t v);
  static RegValue Bin(std::vector<std::uint8_t> v);
  bool operator==(const RegValue& other) const;
};

// Below HKEY_CURRENT_USER: where every setting of the program lives.
inline constexpr std::string_view kApplicationKey = "Software\\Quillon Project\\Quillon";

// Key paths are separated by "\" (a leading or trailing one is ignored) and
// compared ignoring ASCII letter case; names keep the case they were created with.
class SettingsStore {
 public:
  SettingsStore();
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  bool KeyExists(RootKey root, std::string_view path) const;
  void CreateKey(RootKey root, std::string_view path);  // with every missing parent
  bool DeleteKey(RootKey root, std::string_view path);  // with everything below it
  std::vector<std::string> SubKeyNames(RootKey root, std::string_view path) const;
  std::vector<std::string> ValueNames(RootKey root, std::string_view path) const;

  std::optional<RegValue> ReadValue(RootKey root, std::string_view path,
                                    std::string_view name) const;
  void WriteValue(RootKey root, std::string_view path, std::string_view name,
                  const RegValue& value);  // creates the key
  bool DeleteValue(RootKey root, std::string_view path, std::string_view name);

  void Clear();

  // What the file is read and written through: the host's own files until
  // the program hands over its platform's file system.
  void SetFiles(IFileAccess& files);
  // The file this store persists to; empty for a store kept only in memory.
  const std::string& FileName() const;
  void SetFileName(std::string fileName);
  // Reads the file. A missing file gives an empty store; an unreadable or
  // malformed one gives an empty store and is moved aside (the returned text
  // says where), so the program starts with defaults and nothing is lost.
  std::optional<std::string> Load();
  // What the last Load had to say, until taken: the program tells the user
  // once, in the window, not only on a terminal nobody watches.
  std::optional<std::string> TakeLoadProblem();
  // Writes the whole store atomically (temporary file, then rename); throws
  // qs::Error when it cannot, leaving the previous file as it was.
  void Save() const;

  // The process-wide store. Its file is $QUILLON_SETTINGS_FILE when set, else
  // $XDG_CONFIG_HOME/quillon/settings.ini (~/.config when unset). Loaded on first use.
  static SettingsStore& Instance();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace qs
