// "Insert files": a list of files whose text goes in at the caret. Every
// file is read before anything is inserted, and a file that looks binary is
// refused with a message, the dialog staying open. The list starts empty at
// each opening.
#pragma once

#include <string>
#include <vector>

#include "app/formrows.h"

namespace qs {

class IFileSystem;

class TInsertFilesForm final : public TForm {
 public:
  TInsertFilesForm(IFormHost& host, IDialogs& dialogs, IFileSystem& files);

  // Empties the list; the file dialog will start in folder.
  void Clear(const std::string& folder);
  void AddFiles(const std::vector<std::string>& paths);
  // The text the accepted list makes; empty when the list was empty.
  [[nodiscard]] const String& FilesText() const { return m_text; }

  TListBox& FileList;
  TButton& AddBut;
  TButton& RemoveBut;
  TButton& RemoveAllBut;
  TCheckBox& Anchors;
  TButton& OKBut;
  TButton& CancelBut;

 private:
  // Reads every listed file; throws qs::Error for one that cannot be read
  // or is binary, having changed nothing.
  [[nodiscard]] String ReadFiles() const;
  void Accept();

  IDialogs& m_dialogs;
  IFileSystem& m_files;
  std::vector<std::string> m_paths;
  std::string m_folder;
  String m_text;
};

}  // namespace qs
