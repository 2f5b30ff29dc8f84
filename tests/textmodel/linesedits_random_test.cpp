// Random sequences of Lines inserts and deletes against a simple model: every
// bookmark and every hidden line must stay with the text it was put on.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "sourcefixture.h"

namespace qs {
namespace {

TEST(LinesEditsRandom, BookmarksAndHiddenLinesStayWithTheirText) {
  for (unsigned seed = 1; seed <= 30; ++seed) {
    std::mt19937 rng(seed);
    TMemoSource source;
    std::vector<int> ids;  // the model: line ids in order
    TStringList initial;
    for (int i = 0; i < 40; ++i) {
      ids.push_back(i);
      initial.Add(U"L" + test::U(std::to_string(i)));
    }
    source.Lines().Assign(initial);
    std::map<int, int> bookmarkOn;  // bookmark number -> line id
    for (int n = 1; n <= 5; ++n) {
      const auto line = static_cast<std::int32_t>(rng() % ids.size());
      source.SetCaretPos(1, line);
      source.SetBookmark(n);
      bookmarkOn[n] = ids[line];
    }
    std::set<int> hiddenIds;
    for (std::int32_t l = 11; l <= 15; ++l) source.SetBodyLine(l, true);
    source.SetRegionState(10, rsCollapsed);
    for (std::int32_t l = 11; l <= 15; ++l) hiddenIds.insert(ids[l]);

    int nextId = 1000;
    for (int step = 0; step < 60; ++step) {
      if (rng() % 2 == 0 || ids.size() < 5) {
        const auto at = static_cast<int>(rng() % (ids.size() + 1));
        source.Lines().Insert(at, U"new");
        ids.insert(ids.begin() + at, nextId++);
      } else {
        const auto at = static_cast<int>(rng() % ids.size());
        source.Lines().Delete(at);
        for (auto it = bookmarkOn.begin(); it != bookmarkOn.end();)
          it = it->second == ids[at] ? bookmarkOn.erase(it) : std::next(it);
        hiddenIds.erase(ids[at]);
        ids.erase(ids.begin() + at);
      }
    }
    ASSERT_EQ(source.LineCount(), static_cast<std::int32_t>(ids.size())) << "seed " << seed;
    for (const auto& [n, id] : bookmarkOn) {
      TPosition at;
      ASSERT_TRUE(source.GetBookmark(n, at)) << "seed " << seed;
      EXPECT_EQ(ids[at.Line], id) << "seed " << seed << " bookmark " << n;
    }
    std::vector<std::int32_t> expectedHidden;
    for (std::size_t l = 0; l < ids.size(); ++l)
      if (hiddenIds.count(ids[l])) expectedHidden.push_back(static_cast<std::int32_t>(l));
    EXPECT_EQ(source.HiddenLines().Lines(), expectedHidden) << "seed " << seed;
  }
}

}  // namespace
}  // namespace qs
