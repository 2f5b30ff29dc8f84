// The headless platform with the real file system in place of the memory
// one, installed for as long as the fixture lives: for tests that read the
// shipped schemes or write temporary files.
#pragma once

#include "platform/localfilesplatform.h"

namespace qs::testing {

struct LocalFilesPlatform : qs::LocalFilesPlatform {
  PlatformInstallation installed{platform};
};

}  // namespace qs::testing
