// The headless platform with the real file system in place of the memory
// one, installed for as long as the fixture lives: for tests that read the
// shipped schemes or write temporary files.
#pragma once

#include "platform/headlessplatform.h"
#include "platform/localfilesystem.h"
#include "platform/platform.h"

namespace qs::testing {

struct LocalFilesPlatform {
  HeadlessPlatform headless;
  LocalFileSystem files;
  Platform platform{files,          headless.clipboard, headless.clock,
                    headless.clock, headless.dialogs,   headless.forms,
                    headless.shell, headless.printer,   headless.browser,
                    headless.help,  headless.screen};
  PlatformInstallation installed{platform};
};

}  // namespace qs::testing
