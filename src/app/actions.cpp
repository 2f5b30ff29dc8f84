#include "app/actions.h"

#include <stdexcept>
#include <utility>

namespace qs {

namespace {

String KeyName(TKey key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return String(1, Char(key));
  if (key >= vk::F1 && key <= vk::F24) {
    std::string digits = std::to_string(key - vk::F1 + 1);
    return U"F" + String(digits.begin(), digits.end());
  }
  switch (key) {
    case vk::Space:
      return U"Space";
    case vk::Escape:
      return U"Esc";
    case vk::Return:
      return U"Enter";
    case vk::Tab:
      return U"Tab";
    case vk::Back:
      return U"Backspace";
    case vk::Insert:
      return U"Ins";
    case vk::Delete:
      return U"Del";
    case vk::Home:
      return U"Home";
    case vk::End:
      return U"End";
    case vk::Prior:
      return U"PgUp";
    case vk::Next:
      return U"PgDn";
    case vk::Left:
      return U"Left";
    case vk::Right:
      return U"Right";
    case vk::Up:
      return U"Up";
    case vk::Down:
      return U"Down";
    default:
      break;
  }
  std::string hex = "#" + std::to_string(key);
  return String(hex.begin(), hex.end());
}

}  // namespace

String ShortCutToText(TShortCut shortCut) {
  if (shortCut.IsEmpty()) return {};
  String text;
  if (shortCut.shift & ssShift) text += U"Shift+";
  if (shortCut.shift & ssCtrl) text += U"Ctrl+";
  if (shortCut.shift & ssAlt) text += U"Alt+";
  return text + KeyName(shortCut.key);
}

TAction::TAction(std::string name, String category, String caption)
    : m_name(std::move(name)), m_category(std::move(category)), m_caption(std::move(caption)) {}

void TAction::SetShortCut(TShortCut shortCut) {
  if (m_shortCut == shortCut) return;
  m_shortCut = shortCut;
  m_changed.Notify();
}

bool TAction::Answers(TShortCut shortCut) const {
  if (shortCut.IsEmpty()) return false;
  if (m_shortCut == shortCut) return true;
  for (const TShortCut& other : m_secondary)
    if (other == shortCut) return true;
  return false;
}

void TAction::SetOperation(std::function<void()> execute) {
  m_execute = std::move(execute);
  m_changed.Notify();
}

void TAction::SetEnabled(bool enabled) {
  if (m_enabled == enabled) return;
  m_enabled = enabled;
  m_changed.Notify();
}

void TAction::SetCaption(String caption) {
  if (m_caption == caption) return;
  m_caption = std::move(caption);
  m_changed.Notify();
}

void TAction::SetChecked(bool checked) {
  if (m_checked == checked) return;
  m_checked = checked;
  m_changed.Notify();
}

bool TAction::Execute() {
  if (!Enabled()) return false;
  // A copy: the operation may replace itself or outlive a table rebuild.
  const std::function<void()> run = m_execute;
  run();
  return true;
}

TAction& TActionList::Add(std::string name, String category, String caption) {
  m_actions.push_back(
      std::make_unique<TAction>(std::move(name), std::move(category), std::move(caption)));
  return *m_actions.back();
}

TAction* TActionList::Find(std::string_view name) const {
  for (const auto& action : m_actions)
    if (action->Name() == name) return action.get();
  return nullptr;
}

TAction& TActionList::Get(std::string_view name) const {
  if (TAction* action = Find(name)) return *action;
  throw std::out_of_range("no command named " + std::string(name));
}

TAction* TActionList::ForShortCut(TShortCut shortCut) const {
  for (const auto& action : m_actions)
    if (action->Answers(shortCut)) return action.get();
  return nullptr;
}

}  // namespace qs
