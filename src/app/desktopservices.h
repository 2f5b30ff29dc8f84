// What the program changes on the desktop to integrate with it, in one
// object the main window makes on first use: file associations and the
// "Open with" entry, and the file manager's external-editor setting.
#pragma once

#include "platform/desktopintegration.h"
#include "platform/externaleditor.h"

namespace qs {

class IFileSystem;

class TDesktopServices {
 public:
  TDesktopServices(IFileSystem& files, const TDesktopPaths& paths,
                   const TDesktopHooks& hooks = TDesktopHooks::Real())
      : desktop(files, paths, hooks), fileManagerEditor(files, paths, hooks, kFileManagerEditor) {}

  TDesktopIntegration desktop;
  TExternalEditor fileManagerEditor;
};

}  // namespace qs
