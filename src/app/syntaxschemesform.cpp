#include "app/syntaxschemesform.h"

#include "app/editscheme.h"
#include "app/syntaxlist.h"
#include "platform/dialogs.h"
#include "support/errors.h"
#include "support/utf8.h"
#include "syntax/qsSyntax.h"

namespace qs {

namespace {

enum Column { kSchemeName, kExtensions, kFileName };

TListItem RowOf(const TSyntaxListItem& item) {
  return {item.SchemeName(), {item.Extensions(), item.Name()}};
}

const String& FileNameOf(const TListItem& row) {
  return row.subItems[kFileName - 1];
}

}  // namespace

TSyntaxSchemesForm::TSyntaxSchemesForm(IFormHost& host, IDialogs& dialogs, TSyntaxList& catalogue)
    : TForm(host, "SyntaxSchemesForm"),
      SchemesLabel(Add<TLabel>("SchemesLabel")),
      SchemesList(Add<TListView>("SchemesList")),
      AddBut(Add<TButton>("AddBut")),
      EditBut(Add<TButton>("EditBut")),
      DeleteBut(Add<TButton>("DeleteBut")),
      UpBut(Add<TButton>("UpBut")),
      DownBut(Add<TButton>("DownBut")),
      OKBut(Add<TButton>("OKBut")),
      m_formHost(host),
      m_dialogs(dialogs),
      m_catalogue(catalogue) {
  SetCaption(U"Syntax Schemes");
  SchemesLabel.SetCaption(U"Schemes:");
  SchemesList.SetColumns({U"Name", U"File Extensions", U"File Name"});
  AddBut.SetCaption(U"&Add...");
  EditBut.SetCaption(U"Edit...");
  DeleteBut.SetCaption(U"Delete");
  UpBut.SetCaption(U"Move Up");
  DownBut.SetCaption(U"Move Down");
  OKBut.SetCaption(U"OK");
  OKBut.ModalResult = mrOk;

  SchemesList.OnChange = [this](TControl&) { UpdateButtons(); };
  AddBut.OnClick = [this](TControl&) { AddButClick(); };
  EditBut.OnClick = [this](TControl&) { EditButClick(); };
  SchemesList.OnDblClick = [this](TControl&) { EditButClick(); };
  DeleteBut.OnClick = [this](TControl&) { DeleteButClick(); };
  UpBut.OnClick = [this](TControl&) {
    MoveRow(SchemesList.ItemIndex(), SchemesList.ItemIndex() - 1);
  };
  DownBut.OnClick = [this](TControl&) {
    MoveRow(SchemesList.ItemIndex(), SchemesList.ItemIndex() + 2);
  };
  // Esc closes without taking the order over: no button of the dialog cancels.
  KeyPreview = true;
  OnKeyDown = [this](TControl&, TKey& key, TShiftState) {
    if (key != vk::Escape) return;
    key = 0;
    Close();
  };
  OnShow = [this](TForm&) { FillRows(); };
  OnClose = [this](TForm&, TCloseAction&) { Closing(); };
}

void TSyntaxSchemesForm::FillRows() {
  std::vector<TListItem> rows;
  for (int i = 0; i < m_catalogue.Count(); ++i) rows.push_back(RowOf(m_catalogue.Items(i)));
  SchemesList.SetItemIndex(-1);
  SchemesList.SetRows(std::move(rows));
  UpdateButtons();
}

void TSyntaxSchemesForm::UpdateButtons() {
  const int selected = SchemesList.ItemIndex();
  const int last = static_cast<int>(SchemesList.Rows().size()) - 1;
  EditBut.SetEnabled(selected >= 0);
  DeleteBut.SetEnabled(selected >= 0);
  UpBut.SetEnabled(selected > 0);
  DownBut.SetEnabled(selected >= 0 && selected < last);
}

void TSyntaxSchemesForm::SelectRow(int index) {
  SchemesList.SetItemIndex(index);
  SchemesList.SetFocus();
  UpdateButtons();
}

void TSyntaxSchemesForm::MoveRow(int from, int to) {
  std::vector<TListItem> rows = SchemesList.Rows();
  const int count = static_cast<int>(rows.size());
  if (from < 0 || from >= count) return;
  if (to < 0 || to > count) to = count;
  TListItem row = std::move(rows[static_cast<std::size_t>(from)]);
  rows.erase(rows.begin() + from);
  if (to > from) --to;
  rows.insert(rows.begin() + to, std::move(row));
  SchemesList.SetRows(std::move(rows));
  SchemesList.SetItemIndex(-1);
  SelectRow(to);
}

void TSyntaxSchemesForm::AddButClick() {
  if (!m_addForm) m_addForm = std::make_unique<TAddSchemeForm>(m_formHost, m_dialogs);
  std::vector<String> taken;
  for (const TListItem& row : SchemesList.Rows()) taken.push_back(row.caption);
  const std::optional<String> name = m_addForm->Execute(std::move(taken));
  if (!name) return;
  TSchemeFolders& folders = m_catalogue.Folders();
  const std::string file =
      DeriveSchemeFileName(*name, [&](const std::string& f) { return folders.Exists(f); });
  TSyntaxScheme scheme;
  scheme.SetName(*name);
  scheme.Normalise();
  try {
    folders.SaveScheme(file, scheme);
  } catch (const Error& e) {
    m_dialogs.ShowError(FromUtf8(e.what()));
    return;
  }
  SchemesList.AddRow({*name, {String(), FromUtf8(file)}});
  SelectRow(static_cast<int>(SchemesList.Rows().size()) - 1);
}

void TSyntaxSchemesForm::EditButClick() {
  const TListItem* row = SchemesList.Selected();
  if (!row) return;
  const int index = SchemesList.ItemIndex();
  String name = row->caption;
  String extensions = row->subItems[kExtensions - 1];
  try {
    if (!EditSchemeInEditor(m_catalogue, m_formHost, m_dialogs, ToUtf8(FileNameOf(*row)), name,
                            extensions))
      return;
  } catch (const Error& e) {
    m_dialogs.ShowError(FromUtf8(e.what()));
    return;
  }
  std::vector<TListItem> rows = SchemesList.Rows();
  rows[static_cast<std::size_t>(index)].caption = name;
  rows[static_cast<std::size_t>(index)].subItems[kExtensions - 1] = extensions;
  SchemesList.SetRows(std::move(rows));
  SelectRow(index);
}

void TSyntaxSchemesForm::DeleteButClick() {
  const TListItem* row = SchemesList.Selected();
  if (!row) return;
  const int index = SchemesList.ItemIndex();
  if (m_dialogs.Confirm(U"Are you sure you want to delete '" + row->caption + U"'?", false) !=
      MsgResult::Yes)
    return;
  const std::string file = ToUtf8(FileNameOf(*row));
  bool gone = true;
  try {
    gone = m_catalogue.DeleteScheme(file);
  } catch (const Error& e) {
    m_dialogs.ShowError(FromUtf8(e.what()));
    return;
  }
  std::vector<TListItem> rows = SchemesList.Rows();
  if (gone) {
    rows.erase(rows.begin() + index);
  } else if (const int entry = m_catalogue.IndexOfFile(file); entry >= 0) {
    // The shipped scheme of that name shows again.
    rows[static_cast<std::size_t>(index)] = RowOf(m_catalogue.Items(entry));
  }
  SchemesList.SetRows(std::move(rows));
  UpdateButtons();
}

void TSyntaxSchemesForm::Closing() {
  if (ModalResult() == mrOk) {
    TOwnedCollection<TSyntaxListItem> ordered;
    for (const TListItem& row : SchemesList.Rows()) {
      TSyntaxListItem& item = ordered.Add();
      item.SetName(FileNameOf(row));
      item.SetSchemeName(row.caption);
      item.SetExtensions(row.subItems[kExtensions - 1]);
      // Entries the catalogue knows keep their times, so only the new ones
      // are read again.
      if (const int known = m_catalogue.IndexOfFile(item.FileName()); known >= 0)
        item.SetFileDate(m_catalogue.Items(known).FileDate());
    }
    m_catalogue.Assign(ordered);
  }
  try {
    m_catalogue.SyncWithFolder();
    m_catalogue.SaveCatalogue();
  } catch (const Error& e) {
    m_dialogs.ShowError(FromUtf8(e.what()));
  }
}

}  // namespace qs
