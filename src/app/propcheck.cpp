#include "app/propcheck.h"

#include <cstdint>

#include "support/persistent.h"

namespace qs {

namespace {

std::optional<int> MemberOrdinal(const PropInfo& set, std::string_view member) {
  for (std::size_t i = 0; i < set.names.size(); ++i)
    if (set.names[i] == member) return static_cast<int>(i);
  return std::nullopt;
}

}  // namespace

void TQSPropCheck::SetComponent(TPersistent* component) {
  m_component = component;
  Refresh();
}

void TQSPropCheck::SetPropName(std::string path) {
  m_propName = std::move(path);
  Refresh();
}

void TQSPropCheck::SetInverted(bool inverted) {
  m_inverted = inverted;
  Refresh();
}

std::optional<TQSPropCheck::Target> TQSPropCheck::Resolve() const {
  if (m_component == nullptr || m_propName.empty()) return std::nullopt;
  TPersistent* object = m_component;
  std::string_view rest = m_propName;
  while (true) {
    const std::size_t dot = rest.find('.');
    const std::string_view name = rest.substr(0, dot);
    const PropInfo* prop = object->GetClassInfo().FindProperty(name);
    if (prop == nullptr) return std::nullopt;
    if (dot == std::string_view::npos)
      return prop->kind == PropKind::Boolean ? std::optional(Target{object, prop, -1})
                                             : std::nullopt;
    rest = rest.substr(dot + 1);
    if (prop->kind == PropKind::Set && rest.find('.') == std::string_view::npos) {
      const std::optional<int> member = MemberOrdinal(*prop, rest);
      return member ? std::optional(Target{object, prop, *member}) : std::nullopt;
    }
    if (prop->kind != PropKind::Object) return std::nullopt;
    object = &prop->SubObject(*object);
  }
}

bool TQSPropCheck::Read(const Target& target) {
  const auto value = std::get<std::int64_t>(target.prop->get(*target.object));
  return target.member < 0 ? value != 0 : ((value >> target.member) & 1) != 0;
}

void TQSPropCheck::Write(const Target& target, bool value) {
  std::int64_t next = value ? 1 : 0;
  if (target.member >= 0) {
    const std::int64_t bit = std::int64_t{1} << target.member;
    const auto current = std::get<std::int64_t>(target.prop->get(*target.object));
    next = value ? current | bit : current & ~bit;
  }
  target.prop->set(*target.object, PropValue(next));
}

void TQSPropCheck::Refresh() {
  const std::optional<Target> target = Resolve();
  SetEnabled(target.has_value());
  if (target) TCheckBox::SetChecked(Read(*target) != m_inverted);
}

void TQSPropCheck::Click() {
  if (!CanReceiveInput()) return;
  const std::optional<Target> target = Resolve();
  if (!target) return;
  AsInput([&] {
    try {
      Write(*target, Checked() == m_inverted);
    } catch (...) {
      Refresh();
      throw;
    }
    Refresh();
  });
}

}  // namespace qs
