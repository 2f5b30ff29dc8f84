#include "platform/desktopintegration.h"

#include <algorithm>

#include "platform/desktopentry.h"
#include "platform/filesystem.h"
#include "platform/filetransaction.h"
#include "platform/keyfile.h"
#include "platform/mimeapps.h"
#include "platform/mimeglobs.h"
#include "support/errors.h"

namespace qs {

namespace {

constexpr std::string_view kTypePrefix = "Type ";
constexpr std::string_view kExtensions = "Extensions";
constexpr std::string_view kDefined = "Defined";
constexpr std::string_view kOpenWith = "Open With";
constexpr std::string_view kTextFiles = "TextFiles";
constexpr std::string_view kTextType = "text/plain";
constexpr std::string_view kOwnTypePrefix = "text/x-quillon-";

std::string TypeGroup(std::string_view mimeType) {
  return std::string(kTypePrefix) + std::string(mimeType);
}

bool IsTypeGroup(const std::string& group) {
  return group.starts_with(kTypePrefix);
}

std::string_view TypeOfGroup(const std::string& group) {
  return std::string_view(group).substr(kTypePrefix.size());
}

void RequireValid(std::string_view extension) {
  if (!IsValidExtension(extension))
    throw Error("\"" + std::string(extension) + "\" is not a valid file extension");
}

bool Contains(const std::vector<std::string>& items, std::string_view item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

// The MIME types the desktop entry offers: those associated, and plain
// text (which every text type descends from) for "Open with".
std::vector<std::string> OfferedTypes(const TKeyFile& state) {
  std::vector<std::string> types;
  for (const std::string& group : state.Groups())
    if (IsTypeGroup(group) && !state.GetList(group, kExtensions).empty())
      types.emplace_back(TypeOfGroup(group));
  if (state.Get(kOpenWith, kTextFiles) == "true" && !Contains(types, kTextType))
    types.emplace_back(kTextType);
  return types;
}

std::vector<std::pair<std::string, std::string>> DefinedTypes(const TKeyFile& state) {
  std::vector<std::pair<std::string, std::string>> types;
  for (const std::string& group : state.Groups()) {
    const std::string_view type = TypeOfGroup(group);
    if (IsTypeGroup(group) && state.Get(group, kDefined) == "true" &&
        type.starts_with(kOwnTypePrefix))
      types.emplace_back(std::string(type.substr(kOwnTypePrefix.size())), std::string(type));
  }
  return types;
}

}  // namespace

TDesktopIntegration::TDesktopIntegration(IFileSystem& files, TDesktopPaths paths,
                                         TDesktopHooks hooks)
    : m_files(files), m_paths(std::move(paths)), m_hooks(std::move(hooks)) {}

TKeyFile TDesktopIntegration::ReadKeyFile(const std::string& path) const {
  if (!m_files.Exists(path) || m_files.IsDirectory(path)) return {};
  return TKeyFile::Parse(m_files.ReadFile(path));
}

std::optional<std::string> TDesktopIntegration::MimeTypeOf(const TKeyFile& state,
                                                           std::string_view extension) const {
  for (const std::string& group : state.Groups())
    if (IsTypeGroup(group) && Contains(state.GetList(group, kExtensions), extension))
      return std::string(TypeOfGroup(group));
  return DatabaseType(extension);
}

std::optional<std::string> TDesktopIntegration::DatabaseType(std::string_view extension) const {
  if (!m_globs) {
    m_globs.emplace();
    for (const std::string& file : m_paths.GlobFiles())
      if (m_files.Exists(file) && !m_files.IsDirectory(file))
        m_globs->push_back(m_files.ReadFile(file));
  }
  std::optional<TMimeGlobMatch> best;
  for (const std::string& globs : *m_globs)
    if (std::optional<TMimeGlobMatch> match = MatchExtensionGlob(globs, extension))
      if (!best || match->weight > best->weight) best = std::move(match);
  if (best) return best->mimeType;
  return std::nullopt;
}

std::string TDesktopIntegration::EffectiveDefault(std::string_view mimeType) const {
  for (const std::string& file : m_paths.MimeAppsFiles())
    if (std::string id = DefaultApplication(ReadKeyFile(file), mimeType); !id.empty()) return id;
  return {};
}

bool TDesktopIntegration::OwnEntryInstalled() const {
  const std::optional<std::string> exec =
      ReadKeyFile(m_paths.DesktopEntryFile()).Get("Desktop Entry", "Exec");
  return exec && !m_paths.executable.empty() && ExecProgram(*exec) == m_paths.executable;
}

bool TDesktopIntegration::IsAssociated(std::string_view extension) const {
  if (!IsValidExtension(extension)) return false;
  const std::optional<std::string> type = MimeTypeOf(ReadKeyFile(m_paths.StateFile()), extension);
  return type && EffectiveDefault(*type) == kDesktopId && OwnEntryInstalled();
}

std::string TDesktopIntegration::CurrentProgram(std::string_view extension) const {
  if (!IsValidExtension(extension)) return {};
  const std::optional<std::string> type = MimeTypeOf(ReadKeyFile(m_paths.StateFile()), extension);
  if (!type) return {};
  const std::string id = EffectiveDefault(*type);
  if (id.empty()) return {};
  for (const std::string& folder : m_paths.ApplicationFolders())
    if (std::optional<std::string> name =
            ReadKeyFile(folder + "/" + id).Get("Desktop Entry", "Name"))
      return *name;
  return id;
}

void TDesktopIntegration::Associate(std::string_view extension) {
  RequireValid(extension);
  if (m_paths.executable.empty())
    throw Error("Cannot associate files: the program's own path is not known");
  TFileTransaction transaction(m_files);
  TKeyFile state = TKeyFile::Parse(transaction.Read(m_paths.StateFile()));
  std::optional<std::string> type = MimeTypeOf(state, extension);
  const bool defined = !type;
  if (defined) type = OwnMimeType(extension);
  const std::string group = TypeGroup(*type);
  if (!state.HasGroup(group)) state.Set(group, kDefined, defined ? "true" : "false");
  std::vector<std::string> extensions = state.GetList(group, kExtensions);
  if (!Contains(extensions, extension)) extensions.emplace_back(extension);
  state.SetList(group, kExtensions, extensions);

  TKeyFile apps = TKeyFile::Parse(transaction.Read(m_paths.MimeAppsFile()));
  MakeDefaultApplication(apps, *type, kDesktopId);
  transaction.Write(m_paths.MimeAppsFile(), apps.Text());
  WriteEntryPackageAndState(transaction, state);
  transaction.Commit();
  m_changed = true;
}

void TDesktopIntegration::Unassociate(std::string_view extension) {
  RequireValid(extension);
  TFileTransaction transaction(m_files);
  TKeyFile state = TKeyFile::Parse(transaction.Read(m_paths.StateFile()));
  const std::optional<std::string> type = MimeTypeOf(state, extension);
  if (!type) return;
  const std::string group = TypeGroup(*type);
  std::vector<std::string> extensions = state.GetList(group, kExtensions);
  extensions.erase(std::remove(extensions.begin(), extensions.end(), extension), extensions.end());
  TKeyFile apps = TKeyFile::Parse(transaction.Read(m_paths.MimeAppsFile()));
  const bool ours = DefaultApplication(apps, *type) == kDesktopId;
  if (!extensions.empty()) {
    // Another extension of the same type still wants it.
    state.SetList(group, kExtensions, extensions);
  } else {
    // Taking our id out of the list gives the type back to the programs
    // listed behind it; a default someone else holds stays theirs, and so
    // does a type of ours they use.
    DropDefaultApplication(apps, *type, kDesktopId, {});
    transaction.Write(m_paths.MimeAppsFile(), apps.Text());
    if (ours || state.Get(group, kDefined) != "true")
      state.RemoveGroup(group);
    else
      state.Remove(group, kExtensions);
  }
  WriteEntryPackageAndState(transaction, state);
  transaction.Commit();
  m_changed = true;
}

void TDesktopIntegration::WriteEntryPackageAndState(TFileTransaction& transaction,
                                                    const TKeyFile& state) const {
  const std::vector<std::string> offered = OfferedTypes(state);
  if (offered.empty())
    transaction.Remove(m_paths.DesktopEntryFile());
  else
    transaction.Write(m_paths.DesktopEntryFile(), DesktopEntryText({m_paths.executable, offered}));
  const auto defined = DefinedTypes(state);
  if (defined.empty())
    transaction.Remove(m_paths.MimePackageFile());
  else
    transaction.Write(m_paths.MimePackageFile(), MimePackageText(defined));
  if (state.Empty())
    transaction.Remove(m_paths.StateFile());
  else
    transaction.Write(m_paths.StateFile(), state.Text());
}

bool TDesktopIntegration::HasContextMenu() const {
  return ReadKeyFile(m_paths.StateFile()).Get(kOpenWith, kTextFiles) == "true" &&
         OwnEntryInstalled();
}

void TDesktopIntegration::SetContextMenu(bool on) {
  if (on && m_paths.executable.empty())
    throw Error("Cannot add the program to \"Open with\": its own path is not known");
  TFileTransaction transaction(m_files);
  TKeyFile state = TKeyFile::Parse(transaction.Read(m_paths.StateFile()));
  if (on)
    state.Set(kOpenWith, kTextFiles, "true");
  else
    state.RemoveGroup(kOpenWith);
  WriteEntryPackageAndState(transaction, state);
  transaction.Commit();
  m_changed = true;
}

void TDesktopIntegration::NotifyShell() {
  if (!m_changed || !m_hooks.runTool) return;
  m_changed = false;
  const std::string applications = m_paths.dataHome + "/applications";
  if (m_files.IsDirectory(applications))
    m_hooks.runTool({"update-desktop-database", "-q", applications});
  const std::string mime = m_paths.dataHome + "/mime";
  if (m_files.IsDirectory(mime + "/packages")) m_hooks.runTool({"update-mime-database", mime});
}

}  // namespace qs
