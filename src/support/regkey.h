// A cursor on the settings store, in the shape the option objects and the
// application read and write their settings: open a key, then read or write the
// values in it by kind.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/qschar.h"
#include "support/registry.h"

namespace qs {

// Paths given to OpenKey, KeyExists and DeleteKey are relative to the open key
// unless they begin with "\", which starts from the root. With no key open the
// cursor stands on the root key itself. A Read of a missing value, or of a value of
// another kind, gives nullopt; ReadString takes expandable strings too (they are
// not expanded) and ReadBool reads an integer as "not zero". Writes throw
// qs::Error only for names or data the store refuses.
class RegistryKey {
 public:
  RegistryKey(SettingsStore& store, RootKey root);

  RootKey Root() const noexcept { return m_root; }
  // The open key's path below the root, segments joined by "\"; empty when closed.
  const std::string& CurrentPath() const noexcept { return m_path; }

  // Opens the key, creating it (with its parents) when create is true; when the
  // key is missing and create is false, returns false and the open key stays.
  bool OpenKey(std::string_view path, bool create);
  void CloseKey();
  bool KeyExists(std::string_view path) const;
  // Deletes the key and everything below it; false when there was none.
  bool DeleteKey(std::string_view path);

  bool ValueExists(std::string_view name) const;
  std::optional<RegKind> GetValueKind(std::string_view name) const;
  std::optional<String> ReadString(std::string_view name) const;
  std::optional<std::int32_t> ReadInteger(std::string_view name) const;
  std::optional<bool> ReadBool(std::string_view name) const;
  std::optional<std::vector<std::uint8_t>> ReadBinary(std::string_view name) const;

  void WriteString(std::string_view name, StringView value);
  void WriteExpandString(std::string_view name, StringView value);
  void WriteInteger(std::string_view name, std::int32_t value);
  void WriteBool(std::string_view name, bool value);  // as the integer 1 or 0
  void WriteBinary(std::string_view name, std::vector<std::uint8_t> value);
  bool DeleteValue(std::string_view name);

  std::vector<std::string> GetValueNames() const;
  std::vector<std::string> GetKeyNames() const;

 private:
  std::string Resolve(std::string_view path) const;
  std::optional<RegValue> Read(std::string_view name, RegKind kind) const;

  SettingsStore& m_store;
  RootKey m_root;
  std::string m_path;
};

}  // namespace qs
