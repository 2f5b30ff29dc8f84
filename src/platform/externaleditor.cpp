#include "platform/externaleditor.h"

#include "platform/filesystem.h"
#include "platform/filetransaction.h"
#include "platform/keyfile.h"
#include "support/errors.h"

namespace qs {

namespace {

constexpr std::string_view kPrevious = "Previous";
constexpr std::string_view kHadValue = "HadValue";

bool NeedsQuoting(char c) {
  const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                     std::string_view("/._-+,:@%").find(c) != std::string_view::npos;
  return !plain;
}

}  // namespace

std::string ShellWord(std::string_view path) {
  bool quote = path.empty();
  for (const char c : path) quote = quote || NeedsQuoting(c);
  if (!quote) return std::string(path);
  std::string word = "'";
  for (const char c : path) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return word + "'";
}

TExternalEditor::TExternalEditor(IFileSystem& files, TDesktopPaths paths, TDesktopHooks hooks,
                                 const TEditorSetting& setting)
    : m_files(files), m_paths(std::move(paths)), m_hooks(std::move(hooks)), m_setting(setting) {}

std::string TExternalEditor::ConfigFile() const {
  return m_paths.configHome + "/" + std::string(m_setting.configFile);
}

std::string TExternalEditor::RecordGroup() const {
  return "Editor " + std::string(m_setting.id);
}

std::string TExternalEditor::OwnValue() const {
  return ShellWord(m_paths.executable);
}

bool TExternalEditor::Available() const {
  return (m_hooks.isInstalled && m_hooks.isInstalled(m_setting.program)) ||
         m_files.Exists(ConfigFile());
}

bool TExternalEditor::IsThisProgram() const {
  if (m_paths.executable.empty() || !m_files.Exists(ConfigFile())) return false;
  return TKeyFile::Parse(m_files.ReadFile(ConfigFile())).Get(m_setting.group, m_setting.key) ==
         OwnValue();
}

void TExternalEditor::SetThisProgram(bool on) {
  if (on && m_paths.executable.empty())
    throw Error("Cannot set the editor: the program's own path is not known");
  TFileTransaction transaction(m_files);
  TKeyFile config = TKeyFile::Parse(transaction.Read(ConfigFile()));
  TKeyFile record = TKeyFile::Parse(transaction.Read(m_paths.StateFile()));
  const std::optional<std::string> current = config.Get(m_setting.group, m_setting.key);
  const bool ours = current && !m_paths.executable.empty() && *current == OwnValue();
  const std::string group = RecordGroup();
  if (on) {
    if (ours) return;
    // Kept once: switching on again keeps the value found before the first time.
    if (!record.HasGroup(group)) {
      record.Set(group, kHadValue, current ? "true" : "false");
      record.Set(group, kPrevious, current.value_or(""));
    }
    config.Set(m_setting.group, m_setting.key, OwnValue());
  } else {
    if (ours) {
      if (record.Get(group, kHadValue) == "true")
        config.Set(m_setting.group, m_setting.key, record.Get(group, kPrevious).value_or(""));
      else
        config.Remove(m_setting.group, m_setting.key);
    }
    // A value the user has changed since is theirs: only the record goes.
    record.RemoveGroup(group);
  }
  transaction.Write(ConfigFile(), config.Text());
  if (record.Empty())
    transaction.Remove(m_paths.StateFile());
  else
    transaction.Write(m_paths.StateFile(), record.Text());
  transaction.Commit();
}

}  // namespace qs
