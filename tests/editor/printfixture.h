// An editor on a headless window with the headless platform installed, whose
// printer is a letter sheet at 600 dpi: one screen pixel of the 96 dpi
// measure canvas (8 x 16 cells) is 6.25 printer pixels, and a page holds 63
// rows (62 below a header).
#pragma once

#include <gtest/gtest.h>

#include <stdexcept>

#include "editor/qsmemo.h"
#include "platform/headlesscanvas.h"
#include "platform/headlessplatform.h"
#include "platform/headlesswindowhost.h"

namespace qs::testing {

class PrintFixture : public ::testing::Test {
 protected:
  void SetText(const String& text) { memo.Source().LoadFromText(text); }
  const PrintJob& LastJob() const {
    if (platform.printer.Jobs().empty()) throw std::runtime_error("nothing was printed");
    return platform.printer.Jobs().back();
  }

  HeadlessPlatform platform;
  PlatformInstallation installed{platform.Get()};
  HeadlessWindowHost host{{0, 0, 320, 160}};
  HeadlessCanvas measure{320, 160};
  TQSMemo memo{host, measure};
};

}  // namespace qs::testing
