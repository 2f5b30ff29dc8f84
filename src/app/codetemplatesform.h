// The "Code Templates" manager: edits a copy of one scheme's templates (add,
// rename, delete, reorder, edit the code, import and export ".cdt" files);
// the scheme takes the copy only on OK.
#pragma once

#include <memory>

#include "app/addtemplateform.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "textmodel/codetemplates.h"

namespace qs {

class IDialogs;
class IFileAccess;
class TSyntaxScheme;

class TCodeTemplatesForm : public TForm {
 public:
  TCodeTemplatesForm(IFormHost& host, IDialogs& dialogs, IFileAccess& files);

  // Shows the manager on the scheme's templates; on OK the scheme's list
  // becomes the edited one. The caller saves the scheme.
  TModalResult Execute(TSyntaxScheme& scheme);

  // A row dropped on another row moves before it, and on empty space (to ==
  // -1) to the end; the moved row stays selected.
  void MoveRow(int from, int to);
  // The list being edited.
  [[nodiscard]] const TMemoCodeTemplates& Templates() const { return m_templates; }

  TListView& lvTemplates;
  TButton& AddBtn;
  TButton& EditBtn;
  TButton& DeleteBtn;
  TButton& UpBtn;
  TButton& DownBtn;
  TButton& ImportBtn;
  TButton& ExportBtn;
  TMemoBox& edCode;
  TButton& OKBut;
  TButton& CancelBut;

 private:
  void FillRows();
  void SelectRow(int index);
  void SelectionChanged();
  void CodeChanged();
  void AddBtnClick();
  void EditBtnClick();
  void DeleteBtnClick();
  void ImportBtnClick();
  void ExportBtnClick();
  TAddTemplateForm& Prompt();
  [[nodiscard]] TMemoCodeTemplate* SelectedTemplate();

  IFormHost& m_formHost;
  IDialogs& m_dialogs;
  IFileAccess& m_files;
  TMemoCodeTemplates m_templates;
  std::unique_ptr<TAddTemplateForm> m_prompt;
  // Set while the code box shows another template's code, so that loading it
  // is not taken for an edit.
  bool m_loadingCode = false;
};

// A template's lines as the code box shows them, and back.
String JoinCodeLines(const StringVector& lines);
StringVector SplitCodeLines(StringView text);

}  // namespace qs
