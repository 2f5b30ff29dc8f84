// The small dialogs the scheme editor opens from its buttons and lists: one
// form whose fields are shown by kind. OK is accepted only with valid
// fields; otherwise the first invalid field gets the focus and the popup
// stays open.
#pragma once

#include <vector>

#include "dialogs/attrstyle.h"
#include "platform/checklistbox.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/treeview.h"

namespace qs {

class IDialogs;

enum class TPopupKind {
  Style,       // style fields only
  Delimiter,   // one delimiter (or a set's name) and style fields
  Pair,        // two delimiters and style fields
  Text,        // one text field
  BlockPair,   // two delimiters and "part of block"
  CopyBlock,   // a block of another scheme and a parent
  PrefixPair,  // a prefix and a suffix
  Block,       // a block's name and parent
};

class TSchemePopupForm : public TForm {
 public:
  // textStyles are the names offered besides "Custom".
  TSchemePopupForm(IFormHost& host, IDialogs& dialogs, TPopupKind kind,
                   std::vector<String> textStyles);

  [[nodiscard]] TPopupKind Kind() const { return m_kind; }
  // The label of the first text field ("&Delimiter:", "Set:", "&Keyword:", ...).
  void SetLeftLabel(StringView caption);
  void SetRightLabel(StringView caption);

  void SetStyle(const TStyleFields& fields);
  [[nodiscard]] TStyleFields Style() const;

  TLabel& BlockLabel;
  TEdit& BlockName;
  TLabel& SelectLabel;
  TListBox& SelectList;
  TLabel& ParentLabel;
  TTreeView& ParentTree;
  TLabel& LeftLabel;
  TEdit& LeftEdit;
  TLabel& RightLabel;
  TEdit& RightEdit;
  TCheckBox& PartOfBlock;
  TGroupBox& StyleGroup;
  TLabel& TextStyleLabel;
  TComboBox& TextStyle;
  TCheckBox& UseDefFont;
  TLabel& FontNameLabel;
  TComboBox& FontName;
  TLabel& FontSizeLabel;
  TComboBox& FontSize;
  TLabel& FontColorLabel;
  TComboBox& FontColor;
  TButton& FontColorBut;
  TCheckBox& Bold;
  TCheckBox& Italic;
  TCheckBox& Underline;
  TCheckBox& StrikeOut;
  TCheckBox& UseDefBack;
  TLabel& BackColorLabel;
  TComboBox& BackColor;
  TButton& BackColorBut;
  TButton& OKBut;
  TButton& CancelBut;

  // Whether the chosen parent may take the block (an edited block cannot go
  // below itself); without a test every node may.
  std::function<bool(const TTreeNode& parent)> AcceptParent;

 private:
  void ShowFieldsOfKind();
  void UpdateStyleEnabling();
  // The first field that keeps OK from being accepted, or nullptr.
  [[nodiscard]] TControl* FirstInvalidField() const;
  [[nodiscard]] bool HasStyle() const;
  void PickColor(TComboBox& box);

  IDialogs& m_dialogs;
  TPopupKind m_kind;
};

// A colour box: the named colours and, when another colour is chosen, its
// "#RRGGBB" form as an item of its own.
void SetColorBox(TComboBox& box, TColor color);
[[nodiscard]] TColor ColorOfBox(const TComboBox& box);

}  // namespace qs
