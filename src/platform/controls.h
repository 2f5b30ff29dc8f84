// The kinds of control the program's dialogs are built from. Each adds only
// the behaviour that ties its properties together; the state itself is
// TControl's.
#pragma once

#include "platform/control.h"
#include "platform/forms.h"

namespace qs {

// Clicking sets the form's modal result to ModalResult (when not mrNone)
// before OnClick runs. Enter presses the Default button, Esc the Cancel one.
class TButton : public TControl {
 public:
  using TControl::TControl;
  TModalResult ModalResult = mrNone;
  bool Default = false;
  bool Cancel = false;
  void Click() override;
};

class TLabel : public TControl {
 public:
  using TControl::TControl;
  bool WordWrap = false;  // long text breaks into lines at the label's width
};

class TEdit : public TControl {
 public:
  using TControl::TControl;
  [[nodiscard]] bool ReadOnly() const { return m_readOnly; }
  void SetReadOnly(bool readOnly);
  // Text changes fire OnChange.
  void SetText(StringView text) override;

 private:
  bool m_readOnly = false;
};

// An edit of several lines, "\n" between them in Text.
class TMemoBox : public TEdit {
 public:
  using TEdit::TEdit;
};

// Clicking toggles Checked; every change of Checked fires OnClick.
class TCheckBox : public TControl {
 public:
  using TControl::TControl;
  void Click() override;
  void SetChecked(bool checked) override;
};

// Checking one unchecks the other radio buttons of the same parent; every
// change to checked fires OnClick.
class TRadioButton : public TControl {
 public:
  using TControl::TControl;
  void Click() override;
  void SetChecked(bool checked) override;
};

enum class ComboStyle { DropDown, DropDownList };

// Selecting an item shows it as the text; text that equals an item selects
// it. In DropDownList style only items can be the text. Changes of text or
// selection fire OnChange.
//
// The edit part's caret and selection (in characters) stay as the user left
// them while the focus is elsewhere, so text inserted from outside (a menu
// the box's dialog offers) goes where the user was typing. A new text keeps
// them where they still fit.
class TComboBox : public TControl {
 public:
  using TControl::TControl;
  ComboStyle Style = ComboStyle::DropDown;
  void SetText(StringView text) override;

  [[nodiscard]] int SelStart() const { return m_selStart; }
  [[nodiscard]] int SelLength() const { return m_selLength; }
  // Clamped to the text; the user's caret moves come in here too.
  void SetSelection(int start, int length);
  // Replaces the selection with text and puts the caret after it.
  void SetSelText(StringView text);

 protected:
  void ItemIndexChanged() override;

 private:
  // Keeps the selection inside the text; tells the peer when it moved.
  void ClampSelection();
  int m_selStart = 0;
  int m_selLength = 0;
};

// A captioned group of choices of which one is checked: Items are the
// choices, ItemIndex the checked one; a change fires OnClick.
class TRadioGroup : public TControl {
 public:
  using TControl::TControl;

 protected:
  void ItemIndexChanged() override { Fire(OnClick); }
};

// A small button that pops up its menu (Items, "-" for a separator) just
// below itself. It never takes the focus, so the control the user was typing
// in keeps it, with its caret. Choose is the user picking an entry.
class TMenuButton : public TControl {
 public:
  using TControl::TControl;
  std::function<void(TMenuButton& sender, int index)> OnChoose;
  // Ignores a separator, an index outside the items and a button that takes no input.
  void Choose(int index);
  [[nodiscard]] bool TakesFocus() const override { return false; }
};

// A change of the selected item fires OnChange.
class TListBox : public TControl {
 public:
  using TControl::TControl;

 protected:
  void ItemIndexChanged() override { Fire(OnChange); }
};

class TGroupBox : public TControl {
 public:
  using TControl::TControl;
};

class TPanel : public TControl {
 public:
  using TControl::TControl;
  bool Horizontal = false;  // children side by side, else one below the other
};

struct TListItem {
  String caption;
  std::vector<String> subItems;  // the texts of the columns after the first
  bool checked = false;
  std::intptr_t data = 0;
  bool operator==(const TListItem&) const = default;
};

// Rows under column headings; ItemIndex is the selected row (OnChange when it
// changes).
class TListView : public TControl {
 public:
  using TControl::TControl;
  [[nodiscard]] const std::vector<String>& Columns() const { return m_columns; }
  void SetColumns(std::vector<String> columns);
  [[nodiscard]] const std::vector<TListItem>& Rows() const { return m_rows; }
  void SetRows(std::vector<TListItem> rows);
  void AddRow(TListItem row);
  // The selected row, or nullptr.
  [[nodiscard]] const TListItem* Selected() const;

 protected:
  void ItemIndexChanged() override { Fire(OnChange); }
  int ItemCount() const override { return static_cast<int>(m_rows.size()); }

 private:
  std::vector<String> m_columns;
  std::vector<TListItem> m_rows;
};

class TTabSheet : public TControl {
 public:
  using TControl::TControl;
};

// The pages are the TTabSheet children, in order; choosing one fires OnChange.
class TPageControl : public TControl {
 public:
  using TControl::TControl;
  [[nodiscard]] std::vector<TTabSheet*> Pages() const;
  // -1 when there are no pages.
  [[nodiscard]] int ActivePageIndex() const;
  [[nodiscard]] TTabSheet* ActivePage() const;
  void SetActivePageIndex(int index);

 private:
  int m_active = 0;
};

// Text is the value in decimal. With MaxValue above MinValue the value is
// kept between them; text that is no number reads as MinValue.
class TSpinEdit : public TControl {
 public:
  explicit TSpinEdit(std::string name, int minValue = 0, int maxValue = 0);
  [[nodiscard]] int MinValue() const { return m_min; }
  [[nodiscard]] int MaxValue() const { return m_max; }
  void SetRange(int minValue, int maxValue);
  [[nodiscard]] int Value() const;
  void SetValue(int value);
  void SetText(StringView text) override;

 private:
  [[nodiscard]] int Clamp(long long value) const;
  int m_min;
  int m_max;
};

// A bar that fills as Position goes from 0 to Max; Position stays within
// them. Changes of either are told as ControlProperty::Value.
class TProgressBar : public TControl {
 public:
  using TControl::TControl;
  [[nodiscard]] int Max() const { return m_max; }
  void SetMax(int max);
  [[nodiscard]] int Position() const { return m_position; }
  void SetPosition(int position);
  void StepBy(int delta) { SetPosition(m_position + delta); }

 private:
  int m_max = 100;
  int m_position = 0;
};

}  // namespace qs
