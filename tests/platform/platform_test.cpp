#include "platform/platform.h"

#include <gtest/gtest.h>

#include "platform/headlessplatform.h"

namespace qs {
namespace {

TEST(Platform, InstallationsNestAndRestoreThePreviousOne) {
  EXPECT_FALSE(HasPlatform());
  EXPECT_THROW((void)ThePlatform(), std::logic_error);
  HeadlessPlatform outer, inner;
  {
    PlatformInstallation useOuter(outer);
    {
      PlatformInstallation useInner(inner);
      EXPECT_EQ(&ThePlatform().clipboard, &inner.clipboard);
    }
    EXPECT_EQ(&ThePlatform().files, &outer.files);
    // The aggregate reaches the very parts the test arranges.
    ThePlatform().clipboard.SetText(U"through the platform");
    EXPECT_EQ(outer.clipboard.GetText(), U"through the platform");
    EXPECT_EQ(&ThePlatform().timers, static_cast<ITimers*>(&outer.clock));
  }
  EXPECT_FALSE(HasPlatform());
}

TEST(HeadlessClipboard, TextAndRtfTravelTogetherAndOwnershipIsTracked) {
  HeadlessClipboard clipboard;
  EXPECT_FALSE(clipboard.HasText());
  clipboard.SetTextAndRtf(U"bold", std::string("{\\rtf1 \\b bold}\0", 16));
  EXPECT_TRUE(clipboard.HasRtf());
  EXPECT_EQ(clipboard.GetRtf().size(), 16u);
  EXPECT_TRUE(clipboard.IsOwner());
  clipboard.SetText(U"plain");  // plain text replaces the rich copy as well
  EXPECT_FALSE(clipboard.HasRtf());
  EXPECT_EQ(clipboard.GetText(), U"plain");
  clipboard.SimulateOtherProgram(U"elsewhere");
  EXPECT_FALSE(clipboard.IsOwner());
  EXPECT_EQ(clipboard.GetText(), U"elsewhere");
}

}  // namespace
}  // namespace qs
