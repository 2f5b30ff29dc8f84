#include "platform/geometry.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

TEST(Geometry, RectanglesExcludeTheirRightAndBottomEdges) {
  const TRect r{10, 20, 30, 40};
  EXPECT_EQ(r.Width(), 20);
  EXPECT_EQ(r.Height(), 20);
  EXPECT_TRUE(r.Contains(TPoint{10, 20}));
  EXPECT_TRUE(r.Contains(TPoint{29, 39}));
  EXPECT_FALSE(r.Contains(TPoint{30, 39}));
  EXPECT_FALSE(r.Contains(TPoint{29, 40}));
  EXPECT_TRUE(TRect(5, 5, 5, 9).IsEmpty());
  EXPECT_TRUE(TRect(9, 5, 5, 9).IsEmpty());
}

TEST(Geometry, IntersectAndUnion) {
  struct Case {
    const char* name;
    TRect a, b, intersect, unite;
  };
  const Case cases[] = {
      {"overlap", {0, 0, 10, 10}, {5, 5, 15, 15}, {5, 5, 10, 10}, {0, 0, 15, 15}},
      {"inside", {0, 0, 10, 10}, {2, 2, 4, 4}, {2, 2, 4, 4}, {0, 0, 10, 10}},
      {"touching edges share no pixel", {0, 0, 10, 10}, {10, 0, 20, 10}, {}, {0, 0, 20, 10}},
      {"apart", {0, 0, 1, 1}, {50, 50, 60, 60}, {}, {0, 0, 60, 60}},
      {"empty side adds nothing", {3, 3, 3, 8}, {1, 1, 2, 2}, {}, {1, 1, 2, 2}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.a.Intersect(c.b), c.intersect) << c.name;
    EXPECT_EQ(c.b.Intersect(c.a), c.intersect) << c.name;
    EXPECT_EQ(c.a.Union(c.b), c.unite) << c.name;
    EXPECT_EQ(c.a.Intersects(c.b), !c.intersect.IsEmpty()) << c.name;
  }
}

}  // namespace
}  // namespace qs
