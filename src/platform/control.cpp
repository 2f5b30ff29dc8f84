#include "platform/control.h"

#include <algorithm>
#include <stdexcept>

#include "platform/forms.h"

namespace qs {

TControl::TControl(std::string name) : m_name(std::move(name)) {}

TControl::~TControl() {
  // Children go first, while this control (their parent) is still whole.
  m_children.clear();
  if (TForm* form = OwnerForm()) form->Forget(*this);
  if (m_peer) m_peer->ControlDestroyed(*this);
}

void TControl::Changed(ControlProperty what) {
  if (m_peer) m_peer->StateChanged(*this, what);
}

bool TControl::StoreText(StringView text) {
  if (m_text == text) return false;
  m_text = String(text);
  Changed(ControlProperty::Text);
  return true;
}

void TControl::SetText(StringView text) {
  StoreText(text);
}

bool TControl::StoreChecked(bool checked) {
  if (m_checked == checked) return false;
  m_checked = checked;
  Changed(ControlProperty::Checked);
  return true;
}

void TControl::SetChecked(bool checked) {
  StoreChecked(checked);
}

void TControl::SetEnabled(bool enabled) {
  if (m_enabled == enabled) return;
  m_enabled = enabled;
  Changed(ControlProperty::Enabled);
}

void TControl::SetVisible(bool visible) {
  if (m_visible == visible) return;
  m_visible = visible;
  Changed(ControlProperty::Visible);
}

void TControl::SetHint(StringView hint) {
  if (m_hint == hint) return;
  m_hint = String(hint);
  Changed(ControlProperty::Hint);
}

void TControl::SetItems(std::vector<String> items) {
  m_items = std::move(items);
  Changed(ControlProperty::Items);
  if (m_itemIndex >= ItemCount()) SetItemIndex(-1);
}

void TControl::AddItem(StringView item) {
  m_items.emplace_back(item);
  Changed(ControlProperty::Items);
}

void TControl::SetItemIndex(int index) {
  if (index < -1 || index >= ItemCount()) index = -1;
  if (m_itemIndex == index) return;
  m_itemIndex = index;
  Changed(ControlProperty::ItemIndex);
  ItemIndexChanged();
}

TControl& TControl::Root() {
  TControl* root = this;
  while (root->m_parent) root = root->m_parent;
  return *root;
}

void TControl::Adopt(std::unique_ptr<TControl> child) {
  // Names identify controls within their form, so a second one would make
  // FindControl ambiguous.
  if (!child->m_name.empty() && Root().FindDescendant(child->m_name))
    throw std::logic_error("a control named \"" + child->m_name + "\" exists already");
  child->m_parent = this;
  m_children.push_back(std::move(child));
}

std::vector<std::unique_ptr<TControl>>::iterator TControl::ChildPlace(const TControl& child) {
  const auto place = std::find_if(m_children.begin(), m_children.end(),
                                  [&](const auto& c) { return c.get() == &child; });
  if (place == m_children.end()) throw std::logic_error("not a child of \"" + m_name + "\"");
  return place;
}

void TControl::HandChildTo(const TControl& child, TControl& parent) {
  const auto place = ChildPlace(child);
  std::unique_ptr<TControl> moving = std::move(*place);
  m_children.erase(place);
  parent.Adopt(std::move(moving));
}

void TControl::MoveChild(const TControl& child, std::size_t index) {
  const auto from = ChildPlace(child);
  const auto to =
      m_children.begin() + static_cast<std::ptrdiff_t>(std::min(index, m_children.size() - 1));
  if (to < from)
    std::rotate(to, from, from + 1);
  else
    std::rotate(from, from + 1, to + 1);
}

TControl* TControl::FindDescendant(std::string_view name) const {
  for (const auto& child : m_children) {
    if (child->m_name == name) return child.get();
    if (TControl* found = child->FindDescendant(name)) return found;
  }
  return nullptr;
}

TForm* TControl::OwnerForm() const {
  const TControl* root = this;
  while (root->m_parent) root = root->m_parent;
  return dynamic_cast<TForm*>(const_cast<TControl*>(root));
}

bool TControl::CanReceiveInput() const {
  for (const TControl* c = this; c; c = c->m_parent)
    if (!c->m_enabled || !c->m_visible) return false;
  return true;
}

void TControl::AsInput(const std::function<void()>& step) {
  TForm* form = OwnerForm();
  if (!form) return step();
  form->BeginInput();
  try {
    step();
  } catch (...) {
    --form->m_inputDepth;  // the event failed: no close is pending on its account
    throw;
  }
  form->EndInput();
}

void TControl::Click() {
  if (!CanReceiveInput()) return;
  AsInput([this] { Fire(OnClick); });
}

void TControl::DblClick() {
  if (!CanReceiveInput()) return;
  AsInput([this] { Fire(OnDblClick); });
}

void TControl::KeyDown(TKey& key, TShiftState shift) {
  AsInput([&] {
    TForm* form = OwnerForm();
    if (form && form != this && form->KeyPreview && form->OnKeyDown)
      form->OnKeyDown(*form, key, shift);
    if (key != 0 && OnKeyDown) OnKeyDown(*this, key, shift);
    if (key != 0 && form) form->DialogKey(key, *this);
  });
}

void TControl::SetFocus() {
  TForm* form = OwnerForm();
  if (!form || form == this || !TakesFocus() || !CanReceiveInput()) return;
  AsInput([&] { form->SetActiveControl(this); });
}

bool TControl::Focused() const {
  const TForm* form = OwnerForm();
  return form && form->ActiveControl() == this;
}

}  // namespace qs
