// Where the desktop keeps what integrates a program with it, by the
// base-directory rules, and the desktop's tools that refresh its caches.
// Everything is passed in, so tests work in a folder of their own.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qs {

struct TDesktopPaths {
  std::string configHome;               // $XDG_CONFIG_HOME or ~/.config
  std::string dataHome;                 // $XDG_DATA_HOME or ~/.local/share
  std::vector<std::string> configDirs;  // $XDG_CONFIG_DIRS or /etc/xdg
  std::vector<std::string> dataDirs;    // $XDG_DATA_DIRS or /usr/local/share, /usr/share
  std::vector<std::string> desktops;    // $XDG_CURRENT_DESKTOP, lower case
  std::string executable;               // the running program

  [[nodiscard]] static TDesktopPaths FromEnvironment();

  [[nodiscard]] std::string DesktopEntryFile() const;
  [[nodiscard]] std::string MimeAppsFile() const;
  [[nodiscard]] std::string MimePackageFile() const;
  // The program's own record of what it changed and what it replaced.
  [[nodiscard]] std::string StateFile() const;
  // Every mimeapps.list that may name a default, the strongest first.
  [[nodiscard]] std::vector<std::string> MimeAppsFiles() const;
  // Every folder that may hold a desktop entry, the strongest first.
  [[nodiscard]] std::vector<std::string> ApplicationFolders() const;
  // Every globs2 file of the MIME database, the strongest first.
  [[nodiscard]] std::vector<std::string> GlobFiles() const;
};

// An empty hook does nothing and finds nothing installed.
struct TDesktopHooks {
  // Runs a desktop tool with its arguments and waits for it; a tool that is
  // not installed is left out.
  std::function<void(const std::vector<std::string>& argv)> runTool;
  // Whether a program of that name can be started.
  std::function<bool(std::string_view program)> isInstalled;

  [[nodiscard]] static TDesktopHooks Real();
};

}  // namespace qs
