#include "editor/keymappings.h"

#include "platform/keys.h"

namespace qs {

namespace {

std::uint16_t UsLayoutKey(Char c) {
  if (c >= U'a' && c <= U'z') return static_cast<std::uint16_t>(c - U'a' + U'A');
  if ((c >= U'A' && c <= U'Z')) return static_cast<std::uint16_t>(0x100 | c);
  if (c >= U'0' && c <= U'9') return static_cast<std::uint16_t>(c);
  switch (c) {
    case U'[':
      return vk::OemOpenBracket;
    case U']':
      return vk::OemCloseBracket;
    case U'{':
      return 0x100 | vk::OemOpenBracket;
    case U'}':
      return 0x100 | vk::OemCloseBracket;
    default:
      return 0xFFFF;
  }
}

}  // namespace

TKeyMappingRegistry::TKeyMappingRegistry() {
  Reset();
}

TKeyMappingRegistry& TKeyMappingRegistry::Instance() {
  static TKeyMappingRegistry registry;
  return registry;
}

void TKeyMappingRegistry::Reset() {
  m_entries.clear();
  m_charToKey = UsLayoutKey;
  const std::string_view memo = kMemoKeyboardClass;
  RegisterKeyMapping(memo, U"Default", DefaultKeyMapping);
  RegisterKeyMapping(memo, U"Classic", ClassicKeyMapping);
  RegisterKeyMapping(memo, U"Brief", BriefKeyMapping);
  RegisterKeyMapping(memo, U"Epsilon", EpsilonKeyMapping);
  RegisterKeyMapping(memo, U"Visual Studio", VisualStudioKeyMapping);
}

void TKeyMappingRegistry::RegisterKeyMapping(std::string_view classId, StringView name,
                                             TKeyMappingProc proc) {
  m_entries.push_back({std::string(classId), String(name), std::move(proc)});
}

TKeyMappingProc TKeyMappingRegistry::Find(std::string_view classId, StringView name) const {
  for (const Entry& e : m_entries)
    if (e.classId == classId && e.name == name) return e.proc;
  return {};
}

std::vector<String> TKeyMappingRegistry::Names(std::string_view classId) const {
  std::vector<String> names;
  for (const Entry& e : m_entries)
    if (e.classId == classId) names.push_back(e.name);
  return names;
}

void TKeyMappingRegistry::SetCharToKey(TCharToKey translate) {
  m_charToKey = translate ? std::move(translate) : TCharToKey(UsLayoutKey);
}

std::uint16_t TKeyMappingRegistry::CharToKey(Char c) const {
  return m_charToKey(c);
}

}  // namespace qs
