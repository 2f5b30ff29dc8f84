// The settings file on disk: where it is, writing it whole, and keeping a bad one
// aside so that starting with defaults loses nothing.
#include "support/settingsfile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "support/errors.h"
#include "support/fileaccess.h"
#include "support/movedaside.h"
#include "support/registry.h"
#include "support/xdgfolders.h"

namespace qs {
namespace {

std::string Quote(const std::string& path) {
  return "\"" + path + "\"";
}

std::string MoveAside(IFileAccess& files, const std::string& path, const std::string& reason) {
  const std::string head =
      "The settings file " + Quote(path) + " could not be read (" + reason + ")";
  try {
    return head + "; it was moved to " + Quote(MoveAsideAsBad(files, path)) +
           " and the defaults are used.";
  } catch (const Error& e) {
    return head + " and could not be moved aside (" + e.what() + "); the defaults are used.";
  }
}

std::string Describe(const ParseError& e) {
  if (e.Line() <= 0) return e.what();
  return "line " + std::to_string(e.Line()) + ": " + e.what();
}

}  // namespace

void SaveSettingsFile(IFileAccess& files, const SettingsStore& store, const std::string& path) {
  if (path.empty()) throw Error("No settings file is set");
  const std::string text = FormatSettings(store);
  // The reader refuses a larger file, so writing it would lose every setting.
  if (text.size() > kMaxSettingsFileBytes)
    throw Error("The settings are too large to be written to " + Quote(path));
  const std::size_t slash = path.rfind('/');
  if (slash != std::string::npos && slash > 0) files.CreateDirectories(path.substr(0, slash));
  files.WriteFileAtomic(path, text);
}

std::optional<std::string> LoadSettingsFile(IFileAccess& files, SettingsStore& store,
                                            const std::string& path) {
  store.Clear();
  if (path.empty() || !files.Exists(path)) return std::nullopt;
  // A folder is no file of ours: neither read nor moved.
  if (files.IsDirectory(path))
    return "The settings file " + Quote(path) + " is not a file; the defaults are used.";
  std::string reason;
  try {
    // Refused unread: a huge file must not fill the memory first.
    if (files.FileSize(path) > kMaxSettingsFileBytes) throw Error("the file is too large");
    const std::string text = files.ReadFile(path);
    if (text.size() > kMaxSettingsFileBytes) throw Error("the file is too large");
    ParseSettings(text, store);
    return std::nullopt;
  } catch (const ParseError& e) {
    reason = Describe(e);
  } catch (const Error& e) {
    reason = e.what();
  } catch (const std::bad_alloc&) {
    reason = "out of memory";
  }
  store.Clear();
  return MoveAside(files, path, reason);
}

std::string SettingsFileFromEnvironment() {
  if (const char* file = std::getenv("QUILLON_SETTINGS_FILE"); file && *file) return file;
  const std::string folder = UserFolder(XdgFolder::Config);
  return folder.empty() ? std::string() : folder + "/settings.ini";
}

}  // namespace qs
