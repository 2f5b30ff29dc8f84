// Another program's choice of external editor, kept in a key file of its
// own: switching it to this program keeps the value it replaces in the
// program's record, and switching it off puts that value back, but only
// while the setting still names this program.
#pragma once

#include <string>
#include <string_view>

#include "platform/desktoppaths.h"

namespace qs {

class IFileSystem;

struct TEditorSetting {
  std::string_view id;          // names the record of the replaced value
  std::string_view program;     // the command whose presence shows it is installed
  std::string_view configFile;  // below the config home
  std::string_view group;
  std::string_view key;
};

// The file manager that keeps its external editor as a command line in its
// own settings file.
inline constexpr TEditorSetting kFileManagerEditor{"krusader", "krusader", "krusaderrc", "General",
                                                   "Editor"};

// A path as one word of a command line the program splits as a shell does:
// bare when it needs no quoting, else in single quotes.
[[nodiscard]] std::string ShellWord(std::string_view path);

class TExternalEditor {
 public:
  TExternalEditor(IFileSystem& files, TDesktopPaths paths, TDesktopHooks hooks,
                  const TEditorSetting& setting);

  // The program is installed or has its settings file.
  [[nodiscard]] bool Available() const;
  [[nodiscard]] bool IsThisProgram() const;
  void SetThisProgram(bool on);

 private:
  [[nodiscard]] std::string ConfigFile() const;
  [[nodiscard]] std::string RecordGroup() const;
  [[nodiscard]] std::string OwnValue() const;

  IFileSystem& m_files;
  TDesktopPaths m_paths;
  TDesktopHooks m_hooks;
  const TEditorSetting& m_setting;
};

}  // namespace qs
