#include "support/regkey.h"

#include "support/errors.h"
#include "support/keypath.h"

namespace qs {

RegistryKey::RegistryKey(SettingsStore& store, RootKey root) : m_store(store), m_root(root) {}

std::string RegistryKey::Resolve(std::string_view path) const {
  if (path.starts_with('\\') || m_path.empty()) return NormalKeyPath(path);
  const std::string relative = NormalKeyPath(path);
  return relative.empty() ? m_path : m_path + '\\' + relative;
}

bool RegistryKey::OpenKey(std::string_view path, bool create) {
  std::string target = Resolve(path);
  if (create) {
    try {
      m_store.CreateKey(m_root, target);
    } catch (const Error&) {
      return false;  // a name the store refuses: there is no such key to open
    }
  } else if (!m_store.KeyExists(m_root, target)) {
    return false;
  }
  m_path = std::move(target);
  return true;
}

void RegistryKey::CloseKey() {
  m_path.clear();
}

bool RegistryKey::KeyExists(std::string_view path) const {
  return m_store.KeyExists(m_root, Resolve(path));
}

bool RegistryKey::DeleteKey(std::string_view path) {
  return m_store.DeleteKey(m_root, Resolve(path));
}

bool RegistryKey::ValueExists(std::string_view name) const {
  return m_store.ReadValue(m_root, m_path, name).has_value();
}

std::optional<RegKind> RegistryKey::GetValueKind(std::string_view name) const {
  const std::optional<RegValue> value = m_store.ReadValue(m_root, m_path, name);
  return value ? std::optional<RegKind>(value->kind) : std::nullopt;
}

std::optional<RegValue> RegistryKey::Read(std::string_view name, RegKind kind) const {
  std::optional<RegValue> value = m_store.ReadValue(m_root, m_path, name);
  if (value && value->kind != kind) value.reset();
  return value;
}

std::optional<String> RegistryKey::ReadString(std::string_view name) const {
  std::optional<RegValue> value = m_store.ReadValue(m_root, m_path, name);
  if (!value || (value->kind != RegKind::String && value->kind != RegKind::ExpandString))
    return std::nullopt;
  return std::move(value->text);
}

std::optional<std::int32_t> RegistryKey::ReadInteger(std::string_view name) const {
  const std::optional<RegValue> value = Read(name, RegKind::Integer);
  return value ? std::optional<std::int32_t>(value->integer) : std::nullopt;
}

std::optional<bool> RegistryKey::ReadBool(std::string_view name) const {
  const std::optional<std::int32_t> value = ReadInteger(name);
  return value ? std::optional<bool>(*value != 0) : std::nullopt;
}

std::optional<std::vector<std::uint8_t>> RegistryKey::ReadBinary(std::string_view name) const {
  std::optional<RegValue> value = Read(name, RegKind::Binary);
  if (!value) return std::nullopt;
  return std::move(value->bytes);
}

void RegistryKey::WriteString(std::string_view name, StringView value) {
  m_store.WriteValue(m_root, m_path, name, RegValue::Str(String(value)));
}

void RegistryKey::WriteExpandString(std::string_view name, StringView value) {
  m_store.WriteValue(m_root, m_path, name, RegValue::Expand(String(value)));
}

void RegistryKey::WriteInteger(std::string_view name, std::int32_t value) {
  m_store.WriteValue(m_root, m_path, name, RegValue::Int(value));
}

void RegistryKey::WriteBool(std::string_view name, bool value) {
  WriteInteger(name, value ? 1 : 0);
}

void RegistryKey::WriteBinary(std::string_view name, std::vector<std::uint8_t> value) {
  m_store.WriteValue(m_root, m_path, name, RegValue::Bin(std::move(value)));
}

bool RegistryKey::DeleteValue(std::string_view name) {
  return m_store.DeleteValue(m_root, m_path, name);
}

std::vector<std::string> RegistryKey::GetValueNames() const {
  return m_store.ValueNames(m_root, m_path);
}

std::vector<std::string> RegistryKey::GetKeyNames() const {
  return m_store.SubKeyNames(m_root, m_path);
}

}  // namespace qs
