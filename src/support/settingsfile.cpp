// The settings file on disk: where it is, writing it whole, and keeping a bad one
// aside so that starting with defaults loses nothing.
#include "support/settingsfile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>

#include "support/errors.h"
#include "support/registry.h"
#include "support/xdgfolders.h"

namespace qs {
namespace {

namespace fs = std::filesystem;

// Beyond this many kept copies something is wrong; the bad file then stays put.
constexpr int kMaxBadCopies = 1000;

std::string Quote(const std::string& path) {
  return "\"" + path + "\"";
}

bool NameTaken(const std::string& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() != fs::file_type::not_found;
}

std::string MoveAside(const std::string& path, const std::string& reason) {
  const std::string head =
      "The settings file " + Quote(path) + " could not be read (" + reason + ")";
  std::string target = path + ".bad";
  for (int n = 1; NameTaken(target); ++n) {
    if (n > kMaxBadCopies) return head + " and was left where it is; the defaults are used.";
    target = path + ".bad." + std::to_string(n);
  }
  if (std::rename(path.c_str(), target.c_str()) != 0)
    return head + " and could not be moved aside (" + std::strerror(errno) +
           "); the defaults are used.";
  return head + "; it was moved to " + Quote(target) + " and the defaults are used.";
}

std::string Describe(const ParseError& e) {
  if (e.Line() <= 0) return e.what();
  return "line " + std::to_string(e.Line()) + ": " + e.what();
}

}  // namespace

void SaveSettingsFile(const SettingsStore& store, const std::string& path,
                      const AtomicFaultHook& fault) {
  if (path.empty()) throw Error("No settings file is set");
  const std::string text = FormatSettings(store);
  // The reader refuses a larger file, so writing it would lose every setting.
  if (text.size() > kMaxSettingsFileBytes)
    throw Error("The settings are too large to be written to " + Quote(path));
  const fs::path folder = fs::path(path).parent_path();
  std::error_code ec;
  if (!folder.empty()) fs::create_directories(folder, ec);
  if (ec) throw Error("Cannot create folder " + Quote(folder.string()) + ": " + ec.message());
  WriteFileAtomically(path, text, fault);
}

std::optional<std::string> LoadSettingsFile(SettingsStore& store, const std::string& path) {
  store.Clear();
  if (path.empty()) return std::nullopt;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found) return std::nullopt;
  if (ec)
    return "The settings file " + Quote(path) + " cannot be reached (" + ec.message() +
           "); the defaults are used.";
  // A folder or a pipe is no file of ours: neither read nor moved.
  if (status.type() != fs::file_type::regular)
    return "The settings file " + Quote(path) + " is not a file; the defaults are used.";
  std::string reason;
  try {
    const std::uintmax_t size = fs::file_size(path, ec);
    if (!ec && size > kMaxSettingsFileBytes) throw Error("the file is too large");
    ParseSettings(ReadWholeFile(path), store);
    return std::nullopt;
  } catch (const ParseError& e) {
    reason = Describe(e);
  } catch (const Error& e) {
    reason = e.what();
  } catch (const std::bad_alloc&) {
    reason = "out of memory";
  }
  store.Clear();
  return MoveAside(path, reason);
}

std::string SettingsFileFromEnvironment() {
  if (const char* file = std::getenv("QUILLON_SETTINGS_FILE"); file && *file) return file;
  const std::string folder = UserFolder(XdgFolder::Config);
  return folder.empty() ? std::string() : folder + "/settings.ini";
}

}  // namespace qs
