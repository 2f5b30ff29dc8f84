#include "platform/controls.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "support/utf8.h"

namespace qs {

void TButton::Click() {
  if (!CanReceiveInput()) return;
  AsInput([this] {
    if (TForm* form = OwnerForm(); form && ModalResult != mrNone) form->SetModalResult(ModalResult);
    Fire(OnClick);
  });
}

void TEdit::SetReadOnly(bool readOnly) {
  if (m_readOnly == readOnly) return;
  m_readOnly = readOnly;
  Changed(ControlProperty::ReadOnly);
}

void TEdit::SetText(StringView text) {
  if (StoreText(text)) Fire(OnChange);
}

void TCheckBox::Click() {
  if (!CanReceiveInput()) return;
  AsInput([this] { SetChecked(!Checked()); });
}

void TCheckBox::SetChecked(bool checked) {
  if (StoreChecked(checked)) Fire(OnClick);
}

void TRadioButton::Click() {
  if (!CanReceiveInput()) return;
  AsInput([this] { SetChecked(true); });
}

void TRadioButton::SetChecked(bool checked) {
  if (!StoreChecked(checked)) return;
  if (checked && Parent()) {
    for (const auto& sibling : Parent()->Children())
      if (auto* radio = dynamic_cast<TRadioButton*>(sibling.get()); radio && radio != this)
        radio->SetChecked(false);
  }
  Fire(OnClick);
}

void TComboBox::SetText(StringView text) {
  int match = -1;
  for (std::size_t i = 0; i < Items().size() && match < 0; ++i)
    if (Items()[i] == text) match = static_cast<int>(i);
  if (Style == ComboStyle::DropDownList && match < 0) text = {};
  const bool textChanged = StoreText(text);
  ClampSelection();
  const int before = ItemIndex();
  SetItemIndex(match);  // fires OnChange itself when the selection moves
  if (textChanged && before == ItemIndex()) Fire(OnChange);
}

void TComboBox::ItemIndexChanged() {
  if (ItemIndex() >= 0)
    StoreText(Items()[static_cast<std::size_t>(ItemIndex())]);
  else if (Style == ComboStyle::DropDownList)
    StoreText({});
  ClampSelection();
  Fire(OnChange);
}

void TComboBox::SetSelection(int start, int length) {
  const int size = static_cast<int>(Text().size());
  start = std::clamp(start, 0, size);
  length = std::clamp(length, 0, size - start);
  if (start == m_selStart && length == m_selLength) return;
  m_selStart = start;
  m_selLength = length;
  Changed(ControlProperty::Selection);
}

void TComboBox::ClampSelection() {
  SetSelection(m_selStart, m_selLength);
}

void TComboBox::SetSelText(StringView text) {
  const auto start = static_cast<std::size_t>(m_selStart);
  String result = Text();
  result.replace(start, static_cast<std::size_t>(m_selLength), text);
  SetText(result);
  SetSelection(static_cast<int>(start + text.size()), 0);
}

void TMenuButton::Choose(int index) {
  if (!CanReceiveInput() || index < 0 || index >= static_cast<int>(Items().size())) return;
  if (Items()[static_cast<std::size_t>(index)] == U"-") return;
  AsInput([&] {
    if (OnChoose) OnChoose(*this, index);
  });
}

void TListView::SetColumns(std::vector<String> columns) {
  m_columns = std::move(columns);
  Changed(ControlProperty::Rows);
}

void TListView::SetRows(std::vector<TListItem> rows) {
  m_rows = std::move(rows);
  Changed(ControlProperty::Rows);
  if (ItemIndex() >= ItemCount()) SetItemIndex(-1);
}

void TListView::AddRow(TListItem row) {
  m_rows.push_back(std::move(row));
  Changed(ControlProperty::Rows);
}

const TListItem* TListView::Selected() const {
  return ItemIndex() < 0 ? nullptr : &m_rows[static_cast<std::size_t>(ItemIndex())];
}

std::vector<TTabSheet*> TPageControl::Pages() const {
  std::vector<TTabSheet*> pages;
  for (const auto& child : Children())
    if (auto* page = dynamic_cast<TTabSheet*>(child.get())) pages.push_back(page);
  return pages;
}

int TPageControl::ActivePageIndex() const {
  const int count = static_cast<int>(Pages().size());
  if (count == 0) return -1;
  return m_active < count ? m_active : count - 1;
}

TTabSheet* TPageControl::ActivePage() const {
  const int index = ActivePageIndex();
  return index < 0 ? nullptr : Pages()[static_cast<std::size_t>(index)];
}

void TPageControl::SetActivePageIndex(int index) {
  if (index < 0 || index >= static_cast<int>(Pages().size()) || index == ActivePageIndex()) return;
  m_active = index;
  Changed(ControlProperty::ActivePage);
  Fire(OnChange);
}

TSpinEdit::TSpinEdit(std::string name, int minValue, int maxValue)
    : TControl(std::move(name)), m_min(minValue), m_max(maxValue) {
  StoreText(FromUtf8(std::to_string(Clamp(0))));
}

int TSpinEdit::Clamp(long long value) const {
  if (m_max > m_min) {
    if (value < m_min) return m_min;
    if (value > m_max) return m_max;
  }
  if (value < INT32_MIN) return INT32_MIN;
  if (value > INT32_MAX) return INT32_MAX;
  return static_cast<int>(value);
}

int TSpinEdit::Value() const {
  const std::string text = ToUtf8(Text());
  long long value = 0;
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  while (begin < end && *begin == ' ') ++begin;
  const std::from_chars_result parsed = std::from_chars(begin, end, value);
  if (parsed.ec != std::errc() || parsed.ptr == begin) return Clamp(m_min);
  const char* ptr = parsed.ptr;
  while (ptr < end && *ptr == ' ') ++ptr;
  if (ptr != end) return Clamp(m_min);
  return Clamp(value);
}

void TSpinEdit::SetValue(int value) {
  SetText(FromUtf8(std::to_string(Clamp(value))));
}

void TSpinEdit::SetText(StringView text) {
  if (StoreText(text)) Fire(OnChange);
}

void TSpinEdit::SetRange(int minValue, int maxValue) {
  m_min = minValue;
  m_max = maxValue;
  Changed(ControlProperty::Value);
  SetValue(Value());
}

void TProgressBar::SetMax(int max) {
  m_max = std::max(max, 0);
  m_position = std::min(m_position, m_max);
  Changed(ControlProperty::Value);
}

void TProgressBar::SetPosition(int position) {
  position = std::clamp(position, 0, m_max);
  if (position == m_position) return;
  m_position = position;
  Changed(ControlProperty::Value);
}

}  // namespace qs
