// Every process-wide service of the platform layer in one place. Code that
// needs them takes a Platform&; code that cannot be handed one reaches the
// installed platform through ThePlatform(). Per-window services (canvas,
// window host) are handed to each control by its backend instead.
#pragma once

#include "support/guardedcall.h"

namespace qs {

class IFileSystem;
class IClipboard;
class IClock;
class ITimers;
class IDialogs;
class IFormHost;
class IShell;
class IPrinter;
class IWebBrowser;
class IHelpViewer;
class IScreen;

struct Platform {
  IFileSystem& files;
  IClipboard& clipboard;
  IClock& clock;
  ITimers& timers;
  IDialogs& dialogs;
  IFormHost& forms;
  IShell& shell;
  IPrinter& printer;
  IWebBrowser& browser;
  IHelpViewer& help;
  IScreen& screen;
};

// The installed platform; throws std::logic_error when none is.
[[nodiscard]] Platform& ThePlatform();
[[nodiscard]] bool HasPlatform();

// Installs a platform for its own lifetime and puts back the one before, so
// a test installs its headless platform in a scope and leaves no trace. The
// platform must outlive the installation. While installed, its error box is
// where the guarded boundaries show what failed.
class PlatformInstallation {
 public:
  explicit PlatformInstallation(Platform& platform);
  ~PlatformInstallation();
  PlatformInstallation(const PlatformInstallation&) = delete;
  PlatformInstallation& operator=(const PlatformInstallation&) = delete;

 private:
  Platform* m_previous;
  FailureShowerInstallation m_shower;
};

}  // namespace qs
