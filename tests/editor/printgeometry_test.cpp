#include "editor/printgeometry.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

// A letter sheet at 600 dpi less a quarter inch a side, printed from a 96 dpi
// screen with 8 x 16 cells.
TPrintGeometryInput Letter() {
  TPrintGeometryInput in;
  in.printerDpi = {600, 600};
  in.screenDpi = {96, 96};
  in.printerPage = {4800, 6300};
  return in;
}

TEST(PrintGeometry, PagesAreWholeRowsScaledByTheResolutionsOnEachAxis) {
  struct Case {
    const char* name;
    TPrintGeometryInput in;
    TSize page;
    int rowsPerPage;
    double scaleX, scaleY;
    int headerHeight;
  };
  TPrintGeometryInput header = Letter();
  header.header = true;
  TPrintGeometryInput proportional = Letter();
  proportional.useMonoFont = false;
  proportional.printerPage = {4801, 6299};
  TPrintGeometryInput anisotropic = Letter();
  anisotropic.printerDpi = {600, 300};
  anisotropic.printerPage = {4800, 3150};
  TPrintGeometryInput oddCells = Letter();
  oddCells.charWidth = 7;
  oddCells.lineHeight = 17;
  TPrintGeometryInput tiny = Letter();
  tiny.printerPage = {4800, 50};  // less than one row high
  TPrintGeometryInput tinyHeader = tiny;
  tinyHeader.header = true;
  const Case cases[] = {
      {"letter", Letter(), {768, 1008}, 63, 6.25, 6.25, 0},
      {"header takes a row", header, {768, 992}, 62, 6.25, 6.25, 100},
      {"proportional keeps its width", proportional, {768, 992}, 62, 6.25, 6.25, 0},
      {"each axis its own scale", anisotropic, {768, 1008}, 63, 6.25, 3.125, 0},
      {"width cut to whole cells", oddCells, {763, 1003}, 59, 6.25, 6.25, 0},
      {"shorter than a row", tiny, {768, 16}, 1, 6.25, 6.25, 0},
      {"shorter than header and row", tinyHeader, {768, 16}, 1, 6.25, 6.25, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TPrintGeometry g = ComputePrintGeometry(c.in);
    EXPECT_EQ(g.page, c.page);
    EXPECT_EQ(g.rowsPerPage, c.rowsPerPage);
    EXPECT_DOUBLE_EQ(g.scaleX, c.scaleX);
    EXPECT_DOUBLE_EQ(g.scaleY, c.scaleY);
    EXPECT_EQ(g.headerHeight, c.headerHeight);
    EXPECT_EQ(g.targetTop, c.headerHeight);
  }
}

TEST(PrintGeometry, PageCountCoversEveryRowAndNoMore) {
  const TPrintGeometry g = ComputePrintGeometry(Letter());
  ASSERT_EQ(g.rowsPerPage, 63);
  EXPECT_EQ(g.PageCount(0), 0);
  EXPECT_EQ(g.PageCount(1), 1);
  EXPECT_EQ(g.PageCount(63), 1);
  EXPECT_EQ(g.PageCount(64), 2);
  EXPECT_EQ(g.PageCount(2147483647), 34087043);  // no overflow at the largest count
}

TEST(PrintGeometry, NonsenseDevicesGiveAUsablePage) {
  TPrintGeometryInput in = Letter();
  in.printerDpi = {0, -5};
  in.printerPage = {-10, 0};
  in.lineHeight = 0;
  const TPrintGeometry g = ComputePrintGeometry(in);
  EXPECT_GE(g.rowsPerPage, 1);
  EXPECT_GE(g.page.cx, 1);
  EXPECT_GE(g.page.cy, 1);
}

}  // namespace
}  // namespace qs
