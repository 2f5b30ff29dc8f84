#include "platform/desktoppaths.h"

#include <unistd.h>

#include <cstdlib>

#include "platform/desktopentry.h"
#include "platform/process.h"
#include "support/asciicase.h"
#include "support/errorlog.h"
#include "support/errors.h"
#include "support/xdgfolders.h"

namespace qs {

namespace {

// The non-empty parts of a ":"-separated variable.
std::vector<std::string> ColonList(const char* variable) {
  const char* value = std::getenv(variable);
  std::vector<std::string> parts;
  std::string_view rest = value ? value : "";
  while (!rest.empty()) {
    const std::size_t colon = rest.find(':');
    if (colon != 0) parts.emplace_back(rest.substr(0, colon));
    rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
  }
  return parts;
}

std::vector<std::string> SplitPaths(const char* variable, std::vector<std::string> fallback) {
  std::vector<std::string> paths;
  // Relative entries are invalid by the rules and are ignored.
  for (std::string& part : ColonList(variable))
    if (part.front() == '/') paths.push_back(std::move(part));
  return paths.empty() ? fallback : paths;
}

std::vector<std::string> CurrentDesktops() {
  std::vector<std::string> names = ColonList("XDG_CURRENT_DESKTOP");
  for (std::string& name : names)
    for (char& c : name) c = AsciiLower(c);
  return names;
}

std::string RunningProgram() {
  std::string path(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return {};
  path.resize(static_cast<std::size_t>(length));
  return path;
}

// The caches only speed the desktop up: a refresh that fails is logged, and
// the change itself (already written) stands.
void RunToolIfInstalled(const std::vector<std::string>& argv) {
  if (argv.empty() || FindProgram(argv.front()).empty()) return;
  int status = -1;
  try {
    status = WaitProcess(SpawnProcess(argv, ChildOutput::Discard));
  } catch (const Error& error) {
    LogLine(error.what());
  }
  if (status != 0)
    LogLine(argv.front() + " ended with status " + std::to_string(status) +
            "; the desktop may show the change only after its next refresh");
}

}  // namespace

TDesktopPaths TDesktopPaths::FromEnvironment() {
  TDesktopPaths paths;
  paths.configHome = BaseFolder(XdgFolder::Config);
  paths.dataHome = BaseFolder(XdgFolder::Data);
  paths.configDirs = SplitPaths("XDG_CONFIG_DIRS", {"/etc/xdg"});
  paths.dataDirs = SplitPaths("XDG_DATA_DIRS", {"/usr/local/share", "/usr/share"});
  paths.desktops = CurrentDesktops();
  paths.executable = RunningProgram();
  return paths;
}

std::string TDesktopPaths::DesktopEntryFile() const {
  return dataHome + "/applications/" + std::string(kDesktopId);
}

std::string TDesktopPaths::MimeAppsFile() const {
  return configHome + "/mimeapps.list";
}

std::string TDesktopPaths::MimePackageFile() const {
  return dataHome + "/mime/packages/quillon.xml";
}

std::string TDesktopPaths::StateFile() const {
  return configHome + "/quillon/integration.list";
}

std::vector<std::string> TDesktopPaths::MimeAppsFiles() const {
  std::vector<std::string> files;
  const auto addFolder = [&](const std::string& folder) {
    for (const std::string& desktop : desktops)
      files.push_back(folder + "/" + desktop + "-mimeapps.list");
    files.push_back(folder + "/mimeapps.list");
  };
  addFolder(configHome);
  for (const std::string& dir : configDirs) addFolder(dir);
  addFolder(dataHome + "/applications");
  for (const std::string& dir : dataDirs) addFolder(dir + "/applications");
  return files;
}

std::vector<std::string> TDesktopPaths::ApplicationFolders() const {
  std::vector<std::string> folders{dataHome + "/applications"};
  for (const std::string& dir : dataDirs) folders.push_back(dir + "/applications");
  return folders;
}

std::vector<std::string> TDesktopPaths::GlobFiles() const {
  std::vector<std::string> files{dataHome + "/mime/globs2"};
  for (const std::string& dir : dataDirs) files.push_back(dir + "/mime/globs2");
  return files;
}

TDesktopHooks TDesktopHooks::Real() {
  return {RunToolIfInstalled,
          [](std::string_view program) { return !FindProgram(program).empty(); }};
}

}  // namespace qs
