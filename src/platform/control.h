// The base of the forms-and-controls model: a control holds its state (text,
// enabled, visible, checked, items, selected item), owns its children and
// raises events. Dialog logic is written against these objects once; tests
// drive them directly and a backend mirrors each with a widget through its
// ControlPeer.
//
// The input methods (Click, DblClick, KeyDown, SetFocus and the setters a
// backend calls for what the user typed or picked) act as a user would: on a
// control that is disabled or hidden, it or a parent, Click, DblClick and
// SetFocus do nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/keys.h"
#include "support/qschar.h"

namespace qs {

class TControl;
class TForm;

enum class ControlProperty {
  Text,
  Enabled,
  Visible,
  Checked,
  Items,
  ItemIndex,
  Hint,
  ReadOnly,
  Value,       // a spin edit's range
  Rows,        // a list view's rows or columns
  ActivePage,  // a page control's page
  Focus,
  Selection,   // the caret and selection of an edit part
  ItemStates,  // a list's check marks, item looks and multiple selection
};

// A backend's side of a control. It hears of every state change (including
// ones it caused itself, which it may ignore when the widget already shows
// the new state) and reports user input by calling the control's input methods.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void StateChanged(TControl& control, ControlProperty what) = 0;
  // The control is being destroyed; the peer must drop every reference to it.
  virtual void ControlDestroyed(TControl& control) = 0;
};

using TNotifyEvent = std::function<void(TControl& sender)>;
// Setting key to 0 consumes the key.
using TKeyEvent = std::function<void(TControl& sender, TKey& key, TShiftState shift)>;

class TControl {
 public:
  explicit TControl(std::string name);
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  [[nodiscard]] const std::string& Name() const { return m_name; }
  // Caption and Text are one property, as a label's caption and an edit's text.
  [[nodiscard]] const String& Text() const { return m_text; }
  virtual void SetText(StringView text);
  [[nodiscard]] const String& Caption() const { return m_text; }
  void SetCaption(StringView caption) { SetText(caption); }
  [[nodiscard]] bool Enabled() const { return m_enabled; }
  void SetEnabled(bool enabled);
  [[nodiscard]] bool Visible() const { return m_visible; }
  void SetVisible(bool visible);
  [[nodiscard]] bool Checked() const { return m_checked; }
  virtual void SetChecked(bool checked);
  [[nodiscard]] const String& Hint() const { return m_hint; }
  void SetHint(StringView hint);
  std::intptr_t Tag = 0;

  // The strings of a list, combo box or radio group.
  [[nodiscard]] const std::vector<String>& Items() const { return m_items; }
  // The selected item is kept when it still exists, else none is selected.
  void SetItems(std::vector<String> items);
  void AddItem(StringView item);
  void ClearItems() { SetItems({}); }
  // -1 for none; an index outside the items selects none.
  [[nodiscard]] int ItemIndex() const { return m_itemIndex; }
  void SetItemIndex(int index);

  // The tree. Add creates a child owned by this control.
  template <class T, class... Args>
  T& Add(std::string name, Args&&... args);
  [[nodiscard]] TControl* Parent() const { return m_parent; }
  [[nodiscard]] const std::vector<std::unique_ptr<TControl>>& Children() const {
    return m_children;
  }
  // Puts one of this control's children at index among its siblings (the end
  // when index is past it): the order in which pages and rows show.
  void MoveChild(const TControl& child, std::size_t index);
  // Hands one of this control's children to parent, as its last child.
  void HandChildTo(const TControl& child, TControl& parent);
  // The first control of that name in this subtree (depth first), or nullptr.
  [[nodiscard]] TControl* FindDescendant(std::string_view name) const;
  // The form at the root of the tree, or nullptr when the root is no form.
  [[nodiscard]] TForm* OwnerForm() const;
  // Enabled and visible, and so are all its parents.
  [[nodiscard]] bool CanReceiveInput() const;

  void SetPeer(ControlPeer* peer) { m_peer = peer; }
  [[nodiscard]] ControlPeer* Peer() const { return m_peer; }

  // User input.
  virtual void Click();
  void DblClick();
  void KeyDown(TKey& key, TShiftState shift = 0);
  // Does nothing on a control that never takes the focus.
  void SetFocus();
  [[nodiscard]] bool Focused() const;
  [[nodiscard]] virtual bool TakesFocus() const { return true; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnChange;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;

 protected:
  void Changed(ControlProperty what);
  void Fire(const TNotifyEvent& event) {
    if (event) event(*this);
  }
  // Runs an input step so that a modal result set during it closes the form
  // only once the outermost step has finished (see TForm).
  void AsInput(const std::function<void()>& step);
  // Store a value and tell the peer; true when it changed.
  bool StoreText(StringView text);
  bool StoreChecked(bool checked);
  // Hooks for the kinds that tie properties together.
  virtual void ItemIndexChanged() {}
  // What ItemIndex selects from: the items, or a list view's rows.
  [[nodiscard]] virtual int ItemCount() const { return static_cast<int>(m_items.size()); }

 private:
  friend class TForm;  // moves focus between its controls
  void Adopt(std::unique_ptr<TControl> child);
  std::vector<std::unique_ptr<TControl>>::iterator ChildPlace(const TControl& child);
  TControl& Root();

  std::string m_name;
  String m_text;
  String m_hint;
  bool m_enabled = true;
  bool m_visible = true;
  bool m_checked = false;
  std::vector<String> m_items;
  int m_itemIndex = -1;
  TControl* m_parent = nullptr;
  std::vector<std::unique_ptr<TControl>> m_children;
  ControlPeer* m_peer = nullptr;
};

template <class T, class... Args>
T& TControl::Add(std::string name, Args&&... args) {
  auto child = std::make_unique<T>(std::move(name), std::forward<Args>(args)...);
  T& ref = *child;
  Adopt(std::move(child));
  return ref;
}

}  // namespace qs
