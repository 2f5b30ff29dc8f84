#include "platform/headlesswindowhost.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

TEST(HeadlessWindowHost, ScrollingInvalidatesOnlyTheUncoveredStrip) {
  struct Case {
    const char* name;
    int dx, dy;
    TRect uncovered;
  };
  const TRect area{40, 0, 640, 480};
  const Case cases[] = {
      {"one row up", 0, -16, {40, 464, 640, 480}},
      {"one row down", 0, 16, {40, 0, 640, 16}},
      {"one column left", -8, 0, {632, 0, 640, 480}},
      {"one column right", 8, 0, {40, 0, 48, 480}},
      {"further than the area", 0, -1000, {40, 0, 640, 480}},
  };
  for (const Case& c : cases) {
    HeadlessWindowHost host;
    host.ScrollClient(c.dx, c.dy, area);
    EXPECT_EQ(host.Scrolls(), (std::vector<ClientScroll>{{c.dx, c.dy, area}})) << c.name;
    EXPECT_EQ(host.InvalidUnion(), c.uncovered) << c.name;
  }
}

TEST(HeadlessWindowHost, ScrollPositionsStayWhereTheThumbCanBe) {
  HeadlessWindowHost host;
  host.SetScrollRange(ScrollBarKind::Vertical, 0, 99, 30);
  host.SetScrollPos(ScrollBarKind::Vertical, 95);
  EXPECT_EQ(host.ScrollBar(ScrollBarKind::Vertical).pos, 70);  // the last page starts at 70
  host.SetScrollPos(ScrollBarKind::Vertical, -3);
  EXPECT_EQ(host.ScrollBar(ScrollBarKind::Vertical).pos, 0);
  host.SetScrollPos(ScrollBarKind::Vertical, 60);
  host.SetScrollRange(ScrollBarKind::Vertical, 0, 49, 30);  // shrinking pulls the thumb back
  EXPECT_EQ(host.ScrollBar(ScrollBarKind::Vertical).pos, 20);
  EXPECT_FALSE(host.ScrollBar(ScrollBarKind::Horizontal).visible);
}

TEST(HeadlessWindowHost, TheCaretMustBeCreatedBeforeItShows) {
  HeadlessWindowHost host;
  host.ShowCaret();
  EXPECT_FALSE(host.Caret().visible);
  host.CreateCaret(2, 16);
  host.SetCaretPos({40, 32});
  host.ShowCaret();
  EXPECT_EQ(host.Caret(), (CaretState{true, true, 2, 16, {40, 32}}));
  host.CreateCaret(8, 16);  // recreated: hidden again
  EXPECT_FALSE(host.Caret().visible);
  host.DestroyCaret();
  EXPECT_FALSE(host.Caret().exists);
}

}  // namespace
}  // namespace qs
