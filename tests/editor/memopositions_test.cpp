#include <gtest/gtest.h>

#include <memory>

#include "editor/memopositions.h"
#include "memofixture.h"

namespace qs {
namespace {

using testing::MemoTest;

String Lines(int n) {
  String text;
  for (int i = 0; i < n; ++i) text += U"some line of text\n";
  return text;
}

TEST(MemoPostionStore, ARecordGoesWithItsSource) {
  TMemoPostionStore store;
  auto first = std::make_unique<TMemoSource>();
  TMemoSource second;
  store.Save(*first, 5, 2, {7, 3});
  store.Save(second, 1, 0, {1, 1});
  store.Save(*first, 6, 0, {8, 0});  // replaces, does not add
  ASSERT_EQ(store.Count(), 2u);
  EXPECT_EQ(store.Find(*first)->topLine, 6);
  first.reset();
  EXPECT_EQ(store.Count(), 1u);
  EXPECT_EQ(store.Find(second)->caret, (TPosition{1, 1}));
}

TEST(MemoPostionStore, OutlivingOrPredeceasingItsSourcesIsSafe) {
  TMemoSource source;
  {
    TMemoPostionStore store;
    store.Save(source, 1, 1, {});
  }
  // The store's watch is gone: editing and destroying the source is harmless.
  source.Lines().Add(U"x");
  EXPECT_EQ(source.ListenerCount(), 0u);
}

TEST_F(MemoTest, EachSourceGetsBackItsViewAndCaretClampedToWhatIsLeft) {
  TMemoSource other;
  other.LoadFromText(Lines(200));
  SetText(Lines(100));
  memo.Source().SetCaretPos(3, 40);
  memo.SetTopLine(35);
  memo.SetMemoSource(&other);
  EXPECT_EQ(memo.TopLine(), 0);
  other.SetCaretPos(4, 150);
  memo.SetTopLine(145);
  memo.SetMemoSource(nullptr);
  EXPECT_EQ(memo.TopLine(), 35);
  EXPECT_EQ(memo.Source().Caret(), (TPosition{40, 3}));

  // The other text shrank while it was not shown.
  other.LoadFromText(Lines(20));
  memo.SetMemoSource(&other);
  EXPECT_LE(memo.TopLine(), memo.LastRow());
  EXPECT_LT(other.CaretLine(), other.LineCount());
}

TEST_F(MemoTest, ADestroyedSourceIsDetachedAndItsPositionDropped) {
  SetText(U"own text");
  auto external = std::make_unique<TMemoSource>();
  external->LoadFromText(Lines(50));
  memo.SetMemoSource(external.get());
  memo.SetTopLine(10);
  memo.SetMemoSource(nullptr);
  memo.SetMemoSource(external.get());
  ASSERT_EQ(memo.PositionStore().Count(), 2u);  // both sources were shown

  external.reset();
  EXPECT_EQ(memo.MemoSource(), nullptr);
  EXPECT_EQ(memo.Source().ExpandedLine(0), U"own text");
  EXPECT_EQ(memo.TopLine(), 0);
  EXPECT_EQ(memo.PositionStore().Count(), 1u);
  // Painting and editing afterwards touch only the control's own source.
  PaintAll();
  memo.Lines().Add(U"more");
  EXPECT_EQ(memo.Source().LineCount(), 2);
}

TEST_F(MemoTest, ASourceDestroyedAfterItWasShownLeavesNoRecord) {
  auto shown = std::make_unique<TMemoSource>();
  shown->LoadFromText(Lines(30));
  memo.SetMemoSource(shown.get());
  memo.SetMemoSource(nullptr);
  const std::size_t before = memo.PositionStore().Count();
  ASSERT_TRUE(memo.PositionStore().Find(*shown));
  shown.reset();
  EXPECT_EQ(memo.PositionStore().Count(), before - 1);
}

}  // namespace
}  // namespace qs
