// Commands of the main window: one action per command, so the menu, the
// toolbar and the keyboard share its caption, hint, enabled state and
// shortcut.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/shortcuttext.h"
#include "platform/keys.h"
#include "support/notifier.h"
#include "support/qschar.h"

namespace qs {

class TAction {
 public:
  TAction(std::string name, String category, String caption);

  const std::string& Name() const noexcept { return m_name; }
  const String& Category() const noexcept { return m_category; }
  const String& Caption() const noexcept { return m_caption; }
  // For a command whose caption names the state it switches to.
  void SetCaption(String caption);
  // The caption a menu item shows, when it differs from the action's.
  const String& MenuCaption() const noexcept {
    return m_menuCaption.empty() ? m_caption : m_menuCaption;
  }
  void SetMenuCaption(String caption) { m_menuCaption = std::move(caption); }
  // Short hint, then after a "|" the long one; empty for none.
  const String& Hint() const noexcept { return m_hint; }
  void SetHint(String hint) { m_hint = std::move(hint); }
  // The icon theme name the toolbar and menu show; empty for none.
  const std::string& ImageName() const noexcept { return m_imageName; }
  void SetImageName(std::string name) { m_imageName = std::move(name); }

  TShortCut ShortCut() const noexcept { return m_shortCut; }
  void SetShortCut(TShortCut shortCut);
  // Further keys that run the command, fixed (Save's F2).
  const std::vector<TShortCut>& SecondaryShortCuts() const noexcept { return m_secondary; }
  void AddSecondaryShortCut(TShortCut shortCut) { m_secondary.push_back(shortCut); }
  bool Answers(TShortCut shortCut) const;
  bool AnswersSecondary(TShortCut shortCut) const;

  // A command with no operation stays disabled whatever is asked of it.
  bool HasOperation() const noexcept { return static_cast<bool>(m_execute); }
  void SetOperation(std::function<void()> execute);
  bool Enabled() const noexcept { return m_enabled && HasOperation(); }
  void SetEnabled(bool enabled);
  bool Checkable() const noexcept { return m_checkable; }
  void SetCheckable(bool checkable) { m_checkable = checkable; }
  bool Checked() const noexcept { return m_checked; }
  void SetChecked(bool checked);

  // Runs the operation when enabled; false when nothing ran.
  bool Execute();

  // Any change of what the command shows: caption, enabled, checked, shortcut.
  [[nodiscard]] Subscription OnChange(std::function<void()> listener) {
    return m_changed.Subscribe(std::move(listener));
  }

 private:
  std::string m_name;
  String m_category;
  String m_caption;
  String m_menuCaption;
  String m_hint;
  std::string m_imageName;
  TShortCut m_shortCut;
  std::vector<TShortCut> m_secondary;
  std::function<void()> m_execute;
  bool m_enabled = true;
  bool m_checkable = false;
  bool m_checked = false;
  Notifier m_changed;
};

// The command table in its fixed order; actions live as long as the list.
class TActionList {
 public:
  TAction& Add(std::string name, String category, String caption);
  // nullptr for an unknown name.
  TAction* Find(std::string_view name) const;
  // Throws std::out_of_range for an unknown name: a programming error.
  TAction& Get(std::string_view name) const;
  // The action, enabled or not, whose own shortcut matches, else the first
  // whose fixed further key does: a key given to a command on purpose wins
  // over a fixed second key of another. nullptr for none.
  TAction* ForShortCut(TShortCut shortCut) const;
  int Count() const noexcept { return static_cast<int>(m_actions.size()); }
  TAction& At(int index) const { return *m_actions.at(static_cast<std::size_t>(index)); }

 private:
  std::vector<std::unique_ptr<TAction>> m_actions;
};

}  // namespace qs
