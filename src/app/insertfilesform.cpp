#include "app/insertfilesform.h"

#include "app/binaryprobe.h"
#include "app/htmlmarkup.h"
#include "platform/filesystem.h"
#include "support/encoding.h"
#include "support/errors.h"
#include "support/utf8.h"
#include "textmodel/tstrings.h"

namespace qs {

namespace {

String BaseName(const std::string& path) {
  std::string name = path.substr(path.find_last_of('/') + 1);
  if (const auto dot = name.find_last_of('.'); dot != std::string::npos && dot > 0)
    name.resize(dot);
  return FromUtf8(name);
}

}  // namespace

TInsertFilesForm::TInsertFilesForm(IFormHost& host, IDialogs& dialogs, IFileSystem& files)
    : TForm(host, "InsertFilesForm"),
      FileList(Add<TListBox>("FileList")),
      AddBut(Add<TButton>("AddBut")),
      RemoveBut(Add<TButton>("RemoveBut")),
      RemoveAllBut(Add<TButton>("RemoveAllBut")),
      Anchors(Add<TCheckBox>("Anchors")),
      OKBut(AddDialogButtons(*this, U"Insert").ok),
      CancelBut(FindControl<TButton>("CancelBut")),
      m_dialogs(dialogs),
      m_files(files) {
  SetCaption(U"Insert files");
  AddBut.SetCaption(U"Add files");
  RemoveBut.SetCaption(U"Remove");
  RemoveAllBut.SetCaption(U"Remove All");
  Anchors.SetCaption(U"Anchors");
  AddBut.OnClick = [this](TControl&) {
    FileDialogOptions options;
    options.filter = U"*.*|*.*|*.htm|*.htm;*.html|*.txt|*.txt";
    options.initialDir = m_folder;
    options.multiSelect = true;
    if (const auto choice = m_dialogs.OpenFile(options)) AddFiles(choice->paths);
  };
  RemoveBut.OnClick = [this](TControl&) {
    const int index = FileList.ItemIndex();
    if (index < 0 || index >= static_cast<int>(m_paths.size())) return;
    m_paths.erase(m_paths.begin() + index);
    std::vector<String> items = FileList.Items();
    items.erase(items.begin() + index);
    FileList.SetItems(std::move(items));
  };
  RemoveAllBut.OnClick = [this](TControl&) { Clear(m_folder); };
  OKBut.OnClick = [this](TControl&) { Accept(); };
}

void TInsertFilesForm::Clear(const std::string& folder) {
  m_folder = folder;
  m_paths.clear();
  m_text.clear();
  FileList.ClearItems();
}

void TInsertFilesForm::AddFiles(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    m_paths.push_back(path);
    FileList.AddItem(FromUtf8(path));
  }
}

String TInsertFilesForm::ReadFiles() const {
  std::vector<TInsertedFile> files;
  for (const std::string& path : m_paths) {
    const std::string bytes = m_files.ReadFile(path);
    TMemoryByteSource probe(bytes);
    if (LooksBinary(probe))
      throw Error("\"" + path + "\" looks like a binary file and cannot be inserted as text.");
    files.push_back({BaseName(path), SplitLines(DecodeDocument(bytes).text)});
  }
  return qs::FilesText(files, Anchors.Checked());
}

// A file that cannot be taken keeps the dialog open with the message, so the
// user can remove it from the list.
void TInsertFilesForm::Accept() {
  m_text.clear();
  if (m_paths.empty()) return;
  try {
    m_text = ReadFiles();
  } catch (const Error& error) {
    SetModalResult(mrNone);
    m_dialogs.ShowError(FromUtf8(error.what()));
  }
}

}  // namespace qs
