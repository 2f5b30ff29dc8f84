// File associations and the "Open with" entry on the desktop: the program's
// desktop entry, its defaults in the user's mimeapps.list, and a MIME
// package for extensions that have no type of their own.
//
// The desktop associates MIME types, not extensions: associating .php makes
// the program the default for application/x-php, so .php3 (the same type)
// is associated too. The program's record (TDesktopPaths::StateFile) keeps
// which extensions asked for each type, so a type is given back only when
// the last of them is unassociated, and only while its default is still
// this program: a default another program took over is never reset.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktoppaths.h"

namespace qs {

class IFileSystem;
class TKeyFile;
class TFileTransaction;

class TDesktopIntegration {
 public:
  TDesktopIntegration(IFileSystem& files, TDesktopPaths paths,
                      TDesktopHooks hooks = TDesktopHooks::Real());

  // Extensions are given without their dot, in lower case. Associate and
  // Unassociate throw qs::Error for an extension that is not valid
  // (IsValidExtension); each changes its files completely or, when a write
  // fails, not at all.
  [[nodiscard]] bool IsAssociated(std::string_view extension) const;
  void Associate(std::string_view extension);
  void Unassociate(std::string_view extension);
  // The name of the program that opens the extension's files now; empty
  // when the desktop names none.
  [[nodiscard]] std::string CurrentProgram(std::string_view extension) const;
  // Refreshes the desktop's caches when anything changed since the last call.
  void NotifyShell();

  // The program offered under "Open with" for every text file.
  [[nodiscard]] bool HasContextMenu() const;
  void SetContextMenu(bool on);

 private:
  [[nodiscard]] TKeyFile ReadKeyFile(const std::string& path) const;
  [[nodiscard]] std::optional<std::string> MimeTypeOf(const TKeyFile& state,
                                                      std::string_view extension) const;
  [[nodiscard]] std::optional<std::string> DatabaseType(std::string_view extension) const;
  [[nodiscard]] std::string EffectiveDefault(std::string_view mimeType) const;
  [[nodiscard]] bool OwnEntryInstalled() const;
  void WriteEntryPackageAndState(TFileTransaction& transaction, const TKeyFile& state) const;

  IFileSystem& m_files;
  TDesktopPaths m_paths;
  TDesktopHooks m_hooks;
  mutable std::optional<std::vector<std::string>> m_globs;  // read once, on first need
  bool m_changed = false;
};

}  // namespace qs
