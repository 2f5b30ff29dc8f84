#include "app/schemefolders.h"

#include <filesystem>
#include <system_error>

#include "support/errors.h"
#include "support/fileerror.h"
#include "support/movedaside.h"
#include "support/objecttext.h"
#include "support/propertystream.h"
#include "support/xdgfolders.h"
#include "syntax/qsSyntax.h"

namespace qs {

namespace {

bool EndsWithSchemeExtension(std::string_view name) {
  if (name.size() <= 4) return false;
  const std::string_view ext = name.substr(name.size() - 4);
  return ext[0] == '.' && (ext[1] | 0x20) == 's' && (ext[2] | 0x20) == 'c' &&
         (ext[3] | 0x20) == 'h';
}

}  // namespace

bool IsSchemeFileName(std::string_view name) {
  return EndsWithSchemeExtension(name) && name.find('/') == std::string_view::npos &&
         name.find('\0') == std::string_view::npos && name != "." && name != "..";
}

TSchemeFolders::TSchemeFolders(IFileSystem& files, std::string shippedFolder,
                               std::string userDataFolder)
    : m_files(files),
      m_shipped(std::move(shippedFolder)),
      m_userData(std::move(userDataFolder)),
      m_user(JoinPath(m_userData, kSchemeFolderName)) {}

std::string TSchemeFolders::CatalogueFile() const {
  return JoinPath(m_userData, kCatalogueFileName);
}

bool TSchemeFolders::InUserFolder(std::string_view name) const {
  const std::string path = JoinPath(m_user, name);
  return m_files.Exists(path) && !m_files.IsDirectory(path);
}

bool TSchemeFolders::InShippedFolder(std::string_view name) const {
  if (m_shipped.empty()) return false;
  const std::string path = JoinPath(m_shipped, name);
  return m_files.Exists(path) && !m_files.IsDirectory(path);
}

std::string TSchemeFolders::ReadPath(std::string_view name) const {
  if (InUserFolder(name) || m_shipped.empty()) return JoinPath(m_user, name);
  return JoinPath(m_shipped, name);
}

TFileTime TSchemeFolders::LastWriteTime(std::string_view name) const {
  return m_files.LastWriteTime(ReadPath(name));
}

std::vector<std::string> TSchemeFolders::ListSchemes() const {
  std::vector<std::string> names;
  auto listFolder = [&](const std::string& folder, bool skipShadowing) {
    if (folder.empty() || !m_files.IsDirectory(folder)) return;
    for (std::string& name : m_files.ListDirectory(folder, "*.sch")) {
      if (!IsSchemeFileName(name) || m_files.IsDirectory(JoinPath(folder, name))) continue;
      if (skipShadowing && InShippedFolder(name)) continue;
      names.push_back(std::move(name));
    }
  };
  listFolder(m_shipped, false);
  listFolder(m_user, true);
  return names;
}

std::optional<std::string> TSchemeFolders::LoadScheme(std::string_view name,
                                                      TSyntaxScheme& scheme) {
  const std::string path = ReadPath(name);
  try {
    LoadSchemeFile(m_files, path, scheme);
    return std::nullopt;
  } catch (const Error&) {
    // Without a shipped scheme to fall back on, the language is lost either way.
    if (!InUserFolder(name) || !InShippedFolder(name)) throw;
  }
  // The damaged copy would otherwise shadow the shipped scheme, and be
  // reported, at every start.
  const std::string kept = MoveAsideAsBad(m_files, path);
  LoadSchemeFile(m_files, JoinPath(m_shipped, name), scheme);
  return "The syntax scheme \"" + path + "\" could not be read; it was moved to \"" + kept +
         "\" and the shipped scheme is used.";
}

void TSchemeFolders::SaveScheme(std::string_view name, const TSyntaxScheme& scheme) {
  m_files.CreateDirectories(m_user);
  m_files.WriteFileAtomic(JoinPath(m_user, name), scheme.SaveToText());
}

bool TSchemeFolders::DeleteUserCopy(std::string_view name) {
  return m_files.Delete(JoinPath(m_user, name));
}

std::string DefaultShippedFolder(const IFileSystem& files, std::string_view name) {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::string(name);
  const std::filesystem::path dir = exe.parent_path();
  const std::string beside = (dir / name).string();
  if (files.IsDirectory(beside)) return beside;
  return (dir.parent_path() / "share" / "quillon" / name).string();
}

std::string DefaultShippedSchemeFolder(const IFileSystem& files) {
  return DefaultShippedFolder(files, kSchemeFolderName);
}

std::string DefaultUserDataFolder() {
  return UserFolder(XdgFolder::Data);
}

}  // namespace qs
