#include "support/registry.h"

#include <array>
#include <cstdio>
#include <span>

#include "support/errors.h"
#include "support/fileaccess.h"
#include "support/foldedlist.h"
#include "support/keypath.h"
#include "support/settingsfile.h"
#include "support/utf8.h"

namespace qs {

RegValue RegValue::Str(String v) {
  RegValue r;
  r.kind = RegKind::String;
  r.text = std::move(v);
  return r;
}

RegValue RegValue::Expand(String v) {
  RegValue r;
  r.kind = RegKind::ExpandString;
  r.text = std::move(v);
  return r;
}

RegValue RegValue::Int(std::int32_t v) {
  RegValue r;
  r.kind = RegKind::Integer;
  r.integer = v;
  return r;
}

RegValue RegValue::Bin(std::vector<std::uint8_t> v) {
  RegValue r;
  r.kind = RegKind::Binary;
  r.bytes = std::move(v);
  return r;
}

// Only the field that the kind uses takes part.
bool RegValue::operator==(const RegValue& other) const {
  if (kind != other.kind) return false;
  switch (kind) {
    case RegKind::String:
    case RegKind::ExpandString:
      return text == other.text;
    case RegKind::Integer:
      return integer == other.integer;
    case RegKind::Binary:
      return bytes == other.bytes;
  }
  return false;
}

namespace {

struct Key {
  FoldedList<std::unique_ptr<Key>> children;
  FoldedList<RegValue> values;
};

// A key name must be printable text: it stands unquoted in the key lines of the file.
void CheckKeyName(std::string_view name) {
  bool printable = IsValidUtf8(name);
  for (std::size_t pos = 0; printable && pos < name.size();) {
    bool valid = true;
    printable = !IsSettingsControl(DecodeUtf8At(name, pos, valid));
  }
  if (!printable || name.size() > kMaxKeyNameBytes)
    throw Error("Invalid settings key name \"" + std::string(name.substr(0, 64)) + "\"");
}

void CheckKeyPath(const std::vector<std::string_view>& segments) {
  std::size_t length = 0;
  for (std::string_view segment : segments) {
    CheckKeyName(segment);
    length += segment.size() + 1;
  }
  if (length > kMaxKeyPathBytes + 1) throw Error("Settings key path too long");
}

void CheckValue(std::string_view name, const RegValue& value) {
  const std::string shown(name.substr(0, 64));
  if (name.size() > kMaxValueNameBytes || !IsValidUtf8(name))
    throw Error("Invalid settings value name \"" + shown + "\"");
  const bool tooLong = (value.kind == RegKind::Binary && value.bytes.size() > kMaxBinaryBytes) ||
                       ((value.kind == RegKind::String || value.kind == RegKind::ExpandString) &&
                        value.text.size() > kMaxStringChars);
  if (tooLong) throw Error("Settings value \"" + shown + "\" is too long");
}

// K is Key or const Key.
template <class K>
K* Descend(K& hive, std::span<const std::string_view> segments) {
  K* key = &hive;
  for (std::string_view segment : segments) {
    auto* child = key->children.Find(segment);
    if (!child) return nullptr;
    key = child->get();
  }
  return key;
}

template <class K>
K* FindKey(K& hive, std::string_view path) {
  return Descend(hive, SplitKeyPath(path));
}

Key& CreateKeyPath(Key& hive, std::string_view path) {
  const std::vector<std::string_view> segments = SplitKeyPath(path);
  CheckKeyPath(segments);
  Key* key = &hive;
  for (std::string_view segment : segments) {
    std::unique_ptr<Key>* child = key->children.Find(segment);
    if (!child) child = &key->children.Set(segment, std::make_unique<Key>());
    key = child->get();
  }
  return *key;
}

}  // namespace

struct SettingsStore::Impl {
  std::array<Key, 3> hives;
  std::string fileName;
  std::optional<std::string> loadProblem;
  IFileAccess* files = &HostFiles();

  Key& Hive(RootKey root) { return hives[static_cast<std::size_t>(root)]; }
  const Key& Hive(RootKey root) const { return hives[static_cast<std::size_t>(root)]; }
};

SettingsStore::SettingsStore() : impl_(std::make_unique<Impl>()) {}
SettingsStore::~SettingsStore() = default;

bool SettingsStore::KeyExists(RootKey root, std::string_view path) const {
  return FindKey(impl_->Hive(root), path) != nullptr;
}

void SettingsStore::CreateKey(RootKey root, std::string_view path) {
  CreateKeyPath(impl_->Hive(root), path);
}

bool SettingsStore::DeleteKey(RootKey root, std::string_view path) {
  const std::vector<std::string_view> segments = SplitKeyPath(path);
  if (segments.empty()) return false;  // a hive itself stays
  Key* parent = Descend(impl_->Hive(root), std::span(segments).first(segments.size() - 1));
  return parent && parent->children.Erase(segments.back());
}

std::vector<std::string> SettingsStore::SubKeyNames(RootKey root, std::string_view path) const {
  const Key* key = FindKey(impl_->Hive(root), path);
  return key ? key->children.Names() : std::vector<std::string>{};
}

std::vector<std::string> SettingsStore::ValueNames(RootKey root, std::string_view path) const {
  const Key* key = FindKey(impl_->Hive(root), path);
  return key ? key->values.Names() : std::vector<std::string>{};
}

std::optional<RegValue> SettingsStore::ReadValue(RootKey root, std::string_view path,
                                                 std::string_view name) const {
  const Key* key = FindKey(impl_->Hive(root), path);
  if (!key) return std::nullopt;
  const RegValue* value = key->values.Find(name);
  return value ? std::optional<RegValue>(*value) : std::nullopt;
}

void SettingsStore::WriteValue(RootKey root, std::string_view path, std::string_view name,
                               const RegValue& value) {
  CheckValue(name, value);
  CreateKeyPath(impl_->Hive(root), path).values.Set(name, value);
}

bool SettingsStore::DeleteValue(RootKey root, std::string_view path, std::string_view name) {
  Key* key = FindKey(impl_->Hive(root), path);
  return key && key->values.Erase(name);
}

void SettingsStore::Clear() {
  for (Key& hive : impl_->hives) {
    hive.children.Clear();
    hive.values.Clear();
  }
}

const std::string& SettingsStore::FileName() const {
  return impl_->fileName;
}

void SettingsStore::SetFiles(IFileAccess& files) {
  impl_->files = &files;
}

void SettingsStore::SetFileName(std::string fileName) {
  impl_->fileName = std::move(fileName);
}

std::optional<std::string> SettingsStore::Load() {
  impl_->loadProblem = LoadSettingsFile(*impl_->files, *this, impl_->fileName);
  return impl_->loadProblem;
}

std::optional<std::string> SettingsStore::TakeLoadProblem() {
  return std::exchange(impl_->loadProblem, std::nullopt);
}

// A store without a file is kept in memory only, so there is nothing to write.
void SettingsStore::Save() const {
  if (!impl_->fileName.empty()) SaveSettingsFile(*impl_->files, *this, impl_->fileName);
}

SettingsStore& SettingsStore::Instance() {
  static SettingsStore store;
  static const bool loaded = [] {
    store.SetFileName(SettingsFileFromEnvironment());
    if (const std::optional<std::string> message = store.Load())
      std::fprintf(stderr, "%s\n", message->c_str());
    return true;
  }();
  (void)loaded;
  return store;
}

}  // namespace qs
