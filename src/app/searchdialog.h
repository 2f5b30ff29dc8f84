// The search dialogs, "Find Text" (TSrchDialog) and "Replace Text"
// (TReplDialog). Each edits a private copy of the program's search options,
// made when it is created, and hands it back only when the user accepts it
// (OK, or Replace All with the "all" result). The text boxes remember what was
// searched for, and a menu beside the text box offers regular-expression
// fragments.
#pragma once

#include <memory>
#include <string>

#include "app/edithistory.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "textmodel/searchoptions.h"

namespace qs {

struct Platform;
class SettingsStore;

struct TSearchDialogContext {
  Platform& platform;       // the form host, the error box, the help viewer
  SettingsStore& settings;  // where the histories live
  std::string helpFolder;   // the shipped help pages
};

inline constexpr StringView kBlankSearchMessage = U"The search string cannot be blank.";

class TSearchDialog : public TForm {
 public:
  ~TSearchDialog() override;

  [[nodiscard]] const TSearchOptions& Options() const noexcept { return m_options; }

  // In the order they are shown. The replace dialog's own controls are null
  // in the find dialog.
  TLabel& SearLabel;
  TPanel& SearRow;
  TComboBox& SearText;
  TMenuButton& FragmentBut;
  TLabel* const ReplLabel;
  TComboBox* const ReplTextBox;
  TGroupBox& OptionsGroup;
  TCheckBox& CaseSens;
  TCheckBox& WholeWord;
  TCheckBox& RegExpr;
  TCheckBox* const PromptReplBox;
  TGroupBox& DirectionGroup;
  TRadioButton& dirForward;
  TRadioButton& dirBackward;
  TRadioGroup& ScopeGroup;
  TRadioGroup& OriginGroup;
  TButton& OKBut;
  TButton* const ReplAllBut;
  TButton& CancelBut;

 protected:
  TSearchDialog(const TSearchDialogContext& context, bool replace);

 private:
  void ShowOptions();
  void TakeOptions(bool replaceAll);
  // OK and Replace All: a blank text keeps the dialog open with an error.
  void Accept(bool replaceAll);
  void FragmentChosen(int index);

  Platform& m_platform;
  std::string m_helpFolder;
  TSearchOptions m_options;
  std::unique_ptr<TEditHistory> m_searchHistory;
  std::unique_ptr<TEditHistory> m_replaceHistory;
};

class TSrchDialog final : public TSearchDialog {
 public:
  explicit TSrchDialog(const TSearchDialogContext& context) : TSearchDialog(context, false) {}
};

class TReplDialog final : public TSearchDialog {
 public:
  explicit TReplDialog(const TSearchDialogContext& context)
      : TSearchDialog(context, true),
        ReplText(*ReplTextBox),
        PromptRepl(*PromptReplBox),
        ReplBut(*ReplAllBut) {}

  TComboBox& ReplText;
  TCheckBox& PromptRepl;
  TButton& ReplBut;
};

}  // namespace qs
