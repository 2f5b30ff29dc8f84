// The scheme editor's keyword page below the set list: the keywords of the
// selected set, sorted and multi-selectable, with Add, Edit, Remove, Load
// and Save.
#pragma once

#include "dialogs/keywordlist.h"
#include "platform/checklistbox.h"
#include "platform/controls.h"

namespace qs {

class TSyntaxEdForm;
class TTokenListBinding;
class TKeywordSet;

class TKeywordsPage {
 public:
  TKeywordsPage(TSyntaxEdForm& form, TControl& page, TTokenListBinding& sets);

  // Shows the keywords of the selected set.
  void Reload();
  void Enable(bool enabled);

  void AddKeyword();
  void EditKeyword();
  void RemoveKeywords();
  void LoadKeywords();
  void SaveKeywords();

  TLabel& lblKeywords;
  TCheckListBox& lbxKeywords;
  TButton& btnAddKeyword;
  TButton& btnEditKeyword;
  TButton& btnRmvKeyword;
  TButton& btnLoadKeywords;
  TButton& btnSaveKeywords;

 private:
  [[nodiscard]] TKeywordSet* CurrentSet() const;
  // Writes the list to the set and shows it with the given keyword selected.
  void Store(const TKeywordList& keywords, int selected);
  void UpdateButtons();
  // The text of a popup with one field, or nothing when it was cancelled.
  std::optional<String> AskKeyword(const String& start);

  TSyntaxEdForm& m_form;
  TTokenListBinding& m_sets;
};

}  // namespace qs
