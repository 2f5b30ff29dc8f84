// One of the scheme editor's token lists bound to its rules in the current
// block: the list shows each token with its switch and look, and its Add,
// Edit and Remove buttons and keys edit the tokens through a popup.
#pragma once

#include <functional>

#include "dialogs/schemepopupform.h"
#include "platform/checklistbox.h"
#include "platform/controls.h"

namespace qs {

class ISchemeEditHost;
class TCollection;
class TCollectionItem;

struct TTokenListRules {
  // The tokens of the current block, nullptr without one.
  std::function<TCollection*()> tokens;
  TPopupKind popup = TPopupKind::Delimiter;
  String leftLabel;   // empty: the popup's own
  String rightLabel;  // empty: the popup's own
  // Each token has an attribute of its own, edited in the popup.
  bool styled = false;
  // When set, every item is drawn in this attribute instead of its own.
  std::function<std::int32_t()> lookAttr;
  // Keyword sets are removed only after a question.
  bool confirmRemove = false;
};

class TTokenListBinding {
 public:
  TTokenListBinding(ISchemeEditHost& host, TCheckListBox& list, TButton& add, TButton& edit,
                    TButton& remove, TTokenListRules rules);

  TTokenListRules& Rules() { return m_rules; }
  TCheckListBox& List() { return m_list; }
  // Items, checks and looks from the current block; the selection is kept where it still fits.
  void Reload();
  // The list and Add follow enabled; Edit and Remove need a selected item too.
  void Enable(bool enabled);

  void AddToken();
  void EditToken();
  void RemoveToken();
  // Runs after every change the list made to its tokens.
  std::function<void()> OnTokensChanged;

 private:
  void Select(int index);
  void UpdateButtons();
  bool RunPopup(TCollectionItem& token);

  ISchemeEditHost& m_host;
  TCheckListBox& m_list;
  TButton& m_add;
  TButton& m_edit;
  TButton& m_remove;
  TTokenListRules m_rules;
};

// The caption of a token: its left delimiter, "<left> and <right>" for a
// pair, a keyword set's name.
[[nodiscard]] String TokenCaption(const TCollectionItem& token);

}  // namespace qs
