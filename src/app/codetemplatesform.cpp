#include "app/codetemplatesform.h"

#include "app/codetemplatefile.h"
#include "app/formrows.h"
#include "platform/dialogs.h"
#include "support/fileaccess.h"
#include "support/utf8.h"
#include "syntax/qsSyntax.h"

namespace qs {

namespace {

TListItem RowOf(const TMemoCodeTemplate& code) {
  return TListItem{code.Name(), {code.Description()}};
}

}  // namespace

String JoinCodeLines(const StringVector& lines) {
  String text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += U'\n';
    text += lines[i];
  }
  return text;
}

StringVector SplitCodeLines(StringView text) {
  StringVector lines;
  if (text.empty()) return lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(U'\n', start);
    StringView line = text.substr(start, end == StringView::npos ? StringView::npos : end - start);
    if (!line.empty() && line.back() == U'\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == StringView::npos) return lines;
    start = end + 1;
  }
}

TCodeTemplatesForm::TCodeTemplatesForm(IFormHost& host, IDialogs& dialogs, IFileAccess& files)
    : TForm(host, "CodeTemplatesForm"),
      lvTemplates(AddRow<TListView>(*this, "lvTemplates", U"Templates:")),
      AddBtn(AddCaptioned<TButton>(*this, "AddBtn", U"&Add...")),
      EditBtn(AddCaptioned<TButton>(*this, "EditBtn", U"&Edit...")),
      DeleteBtn(AddCaptioned<TButton>(*this, "DeleteBtn", U"De&lete")),
      UpBtn(AddCaptioned<TButton>(*this, "UpBtn", U"Move Up")),
      DownBtn(AddCaptioned<TButton>(*this, "DownBtn", U"Move Down")),
      ImportBtn(AddCaptioned<TButton>(*this, "ImportBtn", U"&Import...")),
      ExportBtn(AddCaptioned<TButton>(*this, "ExportBtn", U"Export...")),
      edCode(Add<TMemoBox>("edCode")),
      OKBut(AddDialogButtons(*this).ok),
      CancelBut(FindControl<TButton>("CancelBut")),
      m_formHost(host),
      m_dialogs(dialogs),
      m_files(files) {
  lvTemplates.SetColumns({U"Name", U"Description"});
  lvTemplates.OnChange = [this](TControl&) { SelectionChanged(); };
  lvTemplates.OnDblClick = [this](TControl&) { EditBtnClick(); };
  AddBtn.OnClick = [this](TControl&) { AddBtnClick(); };
  EditBtn.OnClick = [this](TControl&) { EditBtnClick(); };
  DeleteBtn.OnClick = [this](TControl&) { DeleteBtnClick(); };
  UpBtn.OnClick = [this](TControl&) {
    MoveRow(lvTemplates.ItemIndex(), lvTemplates.ItemIndex() - 1);
  };
  DownBtn.OnClick = [this](TControl&) {
    const int from = lvTemplates.ItemIndex();
    // Before the row after the next, or to the end when the next is the last.
    MoveRow(from, from + 2 < m_templates.Count() ? from + 2 : -1);
  };
  ImportBtn.OnClick = [this](TControl&) { ImportBtnClick(); };
  ExportBtn.OnClick = [this](TControl&) { ExportBtnClick(); };
  edCode.OnChange = [this](TControl&) { CodeChanged(); };
}

TModalResult TCodeTemplatesForm::Execute(TSyntaxScheme& scheme) {
  SetCaption(U"Edit Code Templates: " + scheme.Name());
  m_templates.Assign(scheme.CodeTemplates());
  FillRows();
  SelectRow(m_templates.Count() > 0 ? 0 : -1);
  const TModalResult result = ShowModal();
  if (result == mrOk) scheme.CodeTemplates().Assign(m_templates);
  return result;
}

void TCodeTemplatesForm::FillRows() {
  std::vector<TListItem> rows;
  for (int i = 0; i < m_templates.Count(); ++i) rows.push_back(RowOf(m_templates.Items(i)));
  lvTemplates.SetRows(std::move(rows));
  SelectionChanged();
}

void TCodeTemplatesForm::SelectRow(int index) {
  lvTemplates.SetItemIndex(index);
  SelectionChanged();
}

TMemoCodeTemplate* TCodeTemplatesForm::SelectedTemplate() {
  const int row = lvTemplates.ItemIndex();
  return row >= 0 && row < m_templates.Count() ? &m_templates.Items(row) : nullptr;
}

void TCodeTemplatesForm::SelectionChanged() {
  const int row = lvTemplates.ItemIndex();
  const TMemoCodeTemplate* selected = SelectedTemplate();
  EditBtn.SetEnabled(selected != nullptr);
  DeleteBtn.SetEnabled(selected != nullptr);
  UpBtn.SetEnabled(selected != nullptr && row > 0);
  DownBtn.SetEnabled(selected != nullptr && row + 1 < m_templates.Count());
  m_loadingCode = true;
  edCode.SetText(selected ? JoinCodeLines(selected->Code()) : String());
  m_loadingCode = false;
  edCode.SetEnabled(selected != nullptr);
}

void TCodeTemplatesForm::CodeChanged() {
  if (m_loadingCode) return;
  if (TMemoCodeTemplate* selected = SelectedTemplate())
    selected->SetCode(SplitCodeLines(edCode.Text()));
}

TAddTemplateForm& TCodeTemplatesForm::Prompt() {
  if (!m_prompt) m_prompt = std::make_unique<TAddTemplateForm>(m_formHost, m_dialogs);
  return *m_prompt;
}

void TCodeTemplatesForm::AddBtnClick() {
  const std::optional<TTemplateTitle> title = Prompt().Execute(U"Add Template", {});
  if (!title) return;
  TMemoCodeTemplate& code = m_templates.Add();
  code.SetName(title->name);
  code.SetDescription(title->description);
  lvTemplates.AddRow(RowOf(code));
  SelectRow(m_templates.Count() - 1);
}

void TCodeTemplatesForm::EditBtnClick() {
  TMemoCodeTemplate* selected = SelectedTemplate();
  if (selected == nullptr) return;
  const std::optional<TTemplateTitle> title =
      Prompt().Execute(U"Edit Template", {selected->Name(), selected->Description()});
  if (!title) return;
  selected->SetName(title->name);
  selected->SetDescription(title->description);
  const int row = lvTemplates.ItemIndex();
  std::vector<TListItem> rows = lvTemplates.Rows();
  rows[static_cast<std::size_t>(row)] = RowOf(*selected);
  lvTemplates.SetRows(std::move(rows));
  SelectRow(row);
}

void TCodeTemplatesForm::DeleteBtnClick() {
  const int row = lvTemplates.ItemIndex();
  if (SelectedTemplate() == nullptr) return;
  m_templates.Delete(row);
  FillRows();
  SelectRow(std::min(row, m_templates.Count() - 1));
}

void TCodeTemplatesForm::MoveRow(int from, int to) {
  const int count = m_templates.Count();
  if (from < 0 || from >= count || to >= count) return;
  // Before row `to`: past the removal that is one place less when it lay below.
  int target = to < 0 ? count - 1 : (to > from ? to - 1 : to);
  m_templates.Items(from).SetIndex(target);
  FillRows();
  SelectRow(target);
  lvTemplates.SetFocus();
}

void TCodeTemplatesForm::ImportBtnClick() {
  FileDialogOptions options;
  options.filter = FromUtf8(kImportTemplatesFilter);
  options.defaultExt = kTemplatesExtension;
  const std::optional<FileChoice> choice = m_dialogs.OpenFile(options);
  if (!choice || choice->paths.empty()) return;
  LoadCodeTemplatesFile(m_files, choice->paths.front(), m_templates);
  FillRows();
  SelectRow(m_templates.Count() > 0 ? 0 : -1);
}

void TCodeTemplatesForm::ExportBtnClick() {
  FileDialogOptions options;
  options.filter = FromUtf8(kExportTemplatesFilter);
  options.defaultExt = kTemplatesExtension;
  options.overwritePrompt = true;
  const std::optional<FileChoice> choice = m_dialogs.SaveFile(options);
  if (!choice || choice->paths.empty()) return;
  SaveCodeTemplatesFile(m_files, choice->paths.front(), m_templates);
}

}  // namespace qs
