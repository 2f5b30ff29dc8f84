// The "Syntax Schemes" dialog: lists the catalogue, adds and deletes scheme
// files at once and reorders the entries, which the catalogue takes over
// only on OK. The catalogue file is saved whenever the dialog closes.
#pragma once

#include <memory>

#include "app/addschemeform.h"
#include "platform/controls.h"
#include "platform/forms.h"

namespace qs {

class IDialogs;
class TSyntaxList;

class TSyntaxSchemesForm : public TForm {
 public:
  TSyntaxSchemesForm(IFormHost& host, IDialogs& dialogs, TSyntaxList& catalogue);

  // A row dropped on another row moves before it; to == -1 (empty space)
  // moves it to the end. The moved row becomes the selected one.
  void MoveRow(int from, int to);

  TLabel& SchemesLabel;
  TListView& SchemesList;
  TButton& AddBut;
  TButton& EditBut;
  TButton& DeleteBut;
  TButton& UpBut;
  TButton& DownBut;
  TButton& OKBut;

 private:
  void FillRows();
  void UpdateButtons();
  void AddButClick();
  // Opens the scheme editor on the selected scheme; its row follows a save.
  void EditButClick();
  void DeleteButClick();
  void SelectRow(int index);
  // OK: the catalogue takes the rows' order; always: synchronise and save.
  void Closing();

  IFormHost& m_formHost;
  IDialogs& m_dialogs;
  TSyntaxList& m_catalogue;
  std::unique_ptr<TAddSchemeForm> m_addForm;
};

}  // namespace qs
