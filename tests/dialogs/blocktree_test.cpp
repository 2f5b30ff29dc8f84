#include "dialogs/blocktree.h"

#include <gtest/gtest.h>

#include "dialogs/blockedits.h"
#include "schemefixture.h"
#include "support/errors.h"
#include "syntax/qsSyntax.h"

namespace qs {
namespace {

std::vector<std::int32_t> CollectionIds(const TSyntaxScheme& scheme) {
  std::vector<std::int32_t> ids;
  for (int i = 0; i < scheme.SyntaxBlocks().Count(); ++i)
    ids.push_back(scheme.SyntaxBlocks().Items(i).ID());
  return ids;
}

TEST(BlockTreeTest, ChildrenFollowTheirParentsWhateverTheCollectionOrder) {
  // A child listed before its parent waits in the queue until the parent is placed.
  const auto owned = SchemeOf({{U"Root", 0, -1},
                               {U"Grandchild", 3, 2},
                               {U"Child", 2, 0},
                               {U"Second root", 4, -1},
                               {U"Sibling", 5, 0}});
  TSyntaxScheme& scheme = *owned;
  const std::vector<TBlockNode> tree = PutBlocksInTreeOrder(scheme);
  const std::vector<TBlockNode> expected{{0, 0}, {2, 1}, {3, 2}, {5, 1}, {4, 0}};
  EXPECT_EQ(tree, expected);
  EXPECT_EQ(CollectionIds(scheme), (std::vector<std::int32_t>{0, 2, 3, 5, 4}));
}

TEST(BlockTreeTest, BlocksThatCanNeverBePlacedBecomeRoots) {
  struct Case {
    const char* name;
    std::initializer_list<BlockRow> rows;
    std::vector<TBlockNode> tree;
  };
  const Case cases[] = {
      {"missing parent", {{U"Root", 0, -1}, {U"Orphan", 1, 7}}, {{0, 0}, {1, 0}}},
      {"own parent", {{U"Root", 0, -1}, {U"Self", 1, 1}}, {{0, 0}, {1, 0}}},
      {"cycle", {{U"Root", 0, -1}, {U"A", 1, 2}, {U"B", 2, 1}}, {{0, 0}, {2, 0}, {1, 1}}},
  };
  for (const Case& c : cases) {
    const auto owned = SchemeOf(c.rows);
    TSyntaxScheme& scheme = *owned;
    EXPECT_EQ(PutBlocksInTreeOrder(scheme), c.tree) << c.name;
    // The scheme now says what the tree shows, so the next build agrees.
    EXPECT_EQ(BuildBlockTree(scheme), c.tree) << c.name;
  }
}

TEST(BlockTreeTest, RemovingABlockRemovesItsSubtreeAndNamesItsParent) {
  const auto owned =
      SchemeOf({{U"Root", 0, -1}, {U"A", 1, 0}, {U"A1", 2, 1}, {U"A11", 3, 2}, {U"B", 4, 0}});
  TSyntaxScheme& scheme = *owned;
  EXPECT_EQ(RemoveBlock(scheme, 1), 0);
  EXPECT_EQ(CollectionIds(scheme), (std::vector<std::int32_t>{0, 4}));
}

TEST(BlockTreeTest, DropsMoveBlocksAndRefuseWhatWouldBreakTheTree) {
  const auto fresh = [] {
    return SchemeOf({{U"Root", 0, -1}, {U"A", 1, 0}, {U"A1", 2, 1}, {U"B", 3, 0}});
  };
  struct Case {
    const char* name;
    std::int32_t id, target;
    bool asChild, accepted;
    std::vector<TBlockNode> tree;
  };
  const std::vector<TBlockNode> unchanged{{0, 0}, {1, 1}, {2, 2}, {3, 1}};
  const Case cases[] = {
      {"sibling before target", 3, 1, false, true, {{0, 0}, {3, 1}, {1, 1}, {2, 2}}},
      {"child of a sibling", 3, 1, true, true, {{0, 0}, {1, 1}, {2, 2}, {3, 2}}},
      {"out of its parent", 2, 3, false, true, {{0, 0}, {1, 1}, {2, 1}, {3, 1}}},
      {"into its own subtree", 1, 2, true, false, unchanged},
      {"onto itself", 1, 1, true, false, unchanged},
      {"beside the first root", 3, 0, false, false, unchanged},
      {"the first root itself", 0, 3, true, false, unchanged},
  };
  for (const Case& c : cases) {
    const auto owned = fresh();
    TSyntaxScheme& scheme = *owned;
    EXPECT_EQ(DropBlock(scheme, c.id, c.target, c.asChild), c.accepted) << c.name;
    EXPECT_EQ(BuildBlockTree(scheme), c.tree) << c.name;
  }
}

TEST(BlockTreeTest, AddTakesTheLowestFreeIdAndRefusesWhenNoneIsLeft) {
  const auto owned = SchemeOf({{U"Root", 0, -1}, {U"A", 2, 0}});
  TSyntaxScheme& scheme = *owned;
  EXPECT_EQ(AddBlock(scheme, U"New", 2), 1);
  EXPECT_EQ(scheme.FindBlock(1)->ParentID(), 2);
  for (int id = 3; id < 255; ++id) AddBlock(scheme, U"Filler", 0);
  const int count = scheme.SyntaxBlocks().Count();
  EXPECT_THROW(AddBlock(scheme, U"One too many", 0), Error);
  EXPECT_EQ(scheme.SyntaxBlocks().Count(), count);
}

}  // namespace
}  // namespace qs
