#include "app/actions.h"

#include <stdexcept>
#include <utility>

namespace qs {

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
  return AnswersSecondary(shortCut);
}

bool TAction::AnswersSecondary(TShortCut shortCut) const {
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
  if (shortCut.IsEmpty()) return nullptr;
  for (const auto& action : m_actions)
    if (action->ShortCut() == shortCut) return action.get();
  for (const auto& action : m_actions)
    if (action->AnswersSecondary(shortCut)) return action.get();
  return nullptr;
}

}  // namespace qs
