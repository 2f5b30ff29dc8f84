// The headless platform with the host's own file system in place of the
// memory one: for what runs without a window but reads and writes real files
// (benchmarks, tests of whole sessions).
#pragma once

#include "platform/headlessplatform.h"
#include "platform/localfilesystem.h"
#include "platform/platform.h"

namespace qs {

struct LocalFilesPlatform {
  HeadlessPlatform headless;
  LocalFileSystem files;
  Platform platform{files,          headless.clipboard, headless.clock,
                    headless.clock, headless.dialogs,   headless.forms,
                    headless.shell, headless.printer,   headless.browser,
                    headless.help,  headless.screen};
};

}  // namespace qs
