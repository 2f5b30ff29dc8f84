#include "app/desktops.h"

#include "support/errors.h"
#include "support/registry.h"
#include "support/utf8.h"

namespace qs {

namespace {

constexpr std::string_view kStateValue = "State";

std::string ApplicationPath(std::string_view subKey) {
  return std::string(kApplicationKey) + "\\" + std::string(subKey);
}

const std::string& LayoutPath() {
  static const std::string path = ApplicationPath("Layout");
  return path;
}

const std::string& DesktopsPath() {
  static const std::string path = ApplicationPath("Desktops");
  return path;
}

std::string DesktopPath(const String& name) {
  return DesktopsPath() + "\\" + ToUtf8(TDesktops::TrimmedName(name));
}

bool IsBlank(Char c) {
  return c == U' ' || c == U'\t';
}

}  // namespace

TDesktops::TDesktops(SettingsStore& store) : m_store(store) {}

ILayoutHost& TDesktops::Host() const {
  if (m_host == nullptr) throw Error("This window has no panels whose layout could be kept.");
  return *m_host;
}

String TDesktops::TrimmedName(const String& name) {
  std::size_t begin = 0;
  std::size_t end = name.size();
  while (begin < end && IsBlank(name[begin])) ++begin;
  while (end > begin && IsBlank(name[end - 1])) --end;
  return name.substr(begin, end - begin);
}

String TDesktops::DesktopNameProblem(const String& name) {
  const String trimmed = TrimmedName(name);
  if (trimmed.empty()) return U"A desktop needs a name.";
  if (trimmed.size() > kMaxDesktopNameChars)
    return U"A desktop's name may have at most " + FromUtf8(std::to_string(kMaxDesktopNameChars)) +
           U" characters.";
  for (Char c : trimmed)
    if (c == U'\\' || c < 32 || c == 127)
      return U"A desktop's name may not hold \"\\\" or control characters.";
  return {};
}

void TDesktops::Save(const std::string& path) {
  const LayoutBytes record = EncodeLayoutRecord(Host().CaptureLayout());
  m_store.WriteValue(RootKey::CurrentUser, path, kStateValue, RegValue::Bin(record));
  // What an older layout left beside the record goes only now.
  for (const std::string& value : m_store.ValueNames(RootKey::CurrentUser, path))
    if (value != kStateValue) m_store.DeleteValue(RootKey::CurrentUser, path, value);
  for (const std::string& key : m_store.SubKeyNames(RootKey::CurrentUser, path))
    m_store.DeleteKey(RootKey::CurrentUser, path + "\\" + key);
  Persist();
}

TLayoutLoad TDesktops::Load(const std::string& path) {
  ILayoutHost& host = Host();
  const std::optional<RegValue> stored = m_store.ReadValue(RootKey::CurrentUser, path, kStateValue);
  if (!stored) return TLayoutLoad::Missing;
  if (stored->kind == RegKind::Binary) {
    if (const std::optional<LayoutBytes> arrangement = DecodeLayoutRecord(stored->bytes))
      if (host.ApplyLayout(*arrangement)) return TLayoutLoad::Loaded;
  }
  host.ApplyLayout(host.DefaultLayout());
  return TLayoutLoad::FellBack;
}

void TDesktops::Persist() {
  if (!m_store.FileName().empty()) m_store.Save();
}

void TDesktops::SaveLayout() {
  Save(LayoutPath());
}

TLayoutLoad TDesktops::LoadLayout() {
  return Load(LayoutPath());
}

std::vector<String> TDesktops::DesktopNames() const {
  std::vector<String> names;
  for (const std::string& key : m_store.SubKeyNames(RootKey::CurrentUser, DesktopsPath()))
    names.push_back(FromUtf8(key));
  return names;
}

void TDesktops::SaveDesktop(const String& name) {
  if (const String problem = DesktopNameProblem(name); !problem.empty())
    throw Error(ToUtf8(problem));
  Save(DesktopPath(name));
}

TLayoutLoad TDesktops::LoadDesktop(const String& name) {
  if (!DesktopNameProblem(name).empty()) return TLayoutLoad::Missing;
  return Load(DesktopPath(name));
}

bool TDesktops::DeleteDesktop(const String& name) {
  if (!DesktopNameProblem(name).empty()) return false;
  if (!m_store.DeleteKey(RootKey::CurrentUser, DesktopPath(name))) return false;
  Persist();
  return true;
}

}  // namespace qs
