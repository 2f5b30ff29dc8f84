// The two folders schemes live in: the shipped one beside the program, which
// is never written, and the user's, which holds the schemes the user added or
// edited and the catalogue file. A user copy shadows the shipped file of the
// same name, so every write goes to the user's folder and the shipped
// schemes come back when the user's copy is removed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/filesystem.h"
#include "syntax/schemefileio.h"

namespace qs {

class TSyntaxScheme;

inline constexpr std::string_view kCatalogueFileName = "syntaxschemes.scl";
inline constexpr std::string_view kSchemeFolderName = "syntaxschemes";

class TSchemeFolders {
 public:
  // userDataFolder is the program's folder below the user's data dir; the
  // schemes go into its "syntaxschemes" and the catalogue beside them.
  TSchemeFolders(IFileSystem& files, std::string shippedFolder, std::string userDataFolder);

  IFileSystem& Files() const { return m_files; }
  const std::string& ShippedFolder() const { return m_shipped; }
  const std::string& UserFolder() const { return m_user; }
  std::string CatalogueFile() const;

  [[nodiscard]] bool InUserFolder(std::string_view name) const;
  [[nodiscard]] bool InShippedFolder(std::string_view name) const;
  [[nodiscard]] bool Exists(std::string_view name) const {
    return InUserFolder(name) || InShippedFolder(name);
  }
  // The user's copy when there is one, else the shipped file (which may not exist).
  [[nodiscard]] std::string ReadPath(std::string_view name) const;
  [[nodiscard]] TFileTime LastWriteTime(std::string_view name) const;

  // The "*.sch" file names of both folders: the shipped ones in listing
  // order, then those only the user has.
  [[nodiscard]] std::vector<std::string> ListSchemes() const;

  // Throws qs::Error "Can't read syntax scheme from file "<path>"." and
  // leaves the scheme as it was when the file cannot be read. A damaged user
  // copy of a shipped scheme is moved aside ("<name>.bad") and the shipped
  // scheme is loaded instead; the returned text tells the user so.
  std::optional<std::string> LoadScheme(std::string_view name, TSyntaxScheme& scheme);
  // Into the user's folder, created when missing; atomically.
  void SaveScheme(std::string_view name, const TSyntaxScheme& scheme);
  // False when the user has no copy; throws when it cannot be removed.
  bool DeleteUserCopy(std::string_view name);

 private:
  IFileSystem& m_files;
  std::string m_shipped;
  std::string m_userData;
  std::string m_user;
};

// A catalogue entry may name only a plain "*.sch" file inside a folder: no
// separator, no "." or "..", so a damaged catalogue cannot reach elsewhere.
[[nodiscard]] bool IsSchemeFileName(std::string_view name);

// The shipped folder of that name ("syntaxschemes", "help"): beside the
// executable when it is there (the build tree), else share/quillon/<name> of
// the installation prefix.
[[nodiscard]] std::string DefaultShippedFolder(const IFileSystem& files, std::string_view name);
[[nodiscard]] std::string DefaultShippedSchemeFolder(const IFileSystem& files);
// $XDG_DATA_HOME/quillon (an absolute one only), else ~/.local/share/quillon.
[[nodiscard]] std::string DefaultUserDataFolder();

}  // namespace qs
