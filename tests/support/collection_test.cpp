#include "support/collection.h"

#include <gtest/gtest.h>

#include "support/errors.h"
#include "support/propfixtures.h"

namespace qs {
namespace {

using namespace fixtures;

// Names in order, and every item's index and owner checked on the way.
String Order(const TFixtureItems& items) {
  String out;
  for (int i = 0; i < items.Count(); ++i) {
    const TFixtureItem& item = items.Items(i);
    EXPECT_EQ(item.Index(), i);
    EXPECT_EQ(item.Collection(), &items);
    out += item.Name();
  }
  return out;
}

TFixtureItems& Fill(TFixtureItems& items, StringView names) {
  for (Char c : names) items.Add().SetName(String(1, c));
  return items;
}

TEST(Collection, StructuralEditsKeepIndicesInStep) {
  TFixtureItems items;
  Fill(items, U"abc");
  items.Insert(0).SetName(U"0");
  EXPECT_EQ(Order(items), U"0abc");
  items.Insert(4).SetName(U"z");
  EXPECT_EQ(Order(items), U"0abcz");
  items.Move(0, 3);
  EXPECT_EQ(Order(items), U"abc0z");
  items.Items(4).SetIndex(0);
  EXPECT_EQ(Order(items), U"zabc0");
  items.Delete(2);
  EXPECT_EQ(Order(items), U"zac0");
  items.Clear();
  EXPECT_EQ(items.Count(), 0);
}

TEST(Collection, BadIndicesThrowAndChangeNothing) {
  TFixtureItems items;
  Fill(items, U"ab");
  const struct {
    const char* what;
    std::function<void()> op;
    const char* message;
  } cases[] = {
      {"item", [&] { items.Items(2); }, "List index out of bounds (2)"},
      {"negative", [&] { items.Items(-1); }, "List index out of bounds (-1)"},
      {"delete", [&] { items.Delete(2); }, "List index out of bounds (2)"},
      {"insert", [&] { items.Insert(3); }, "List index out of bounds (3)"},
      {"move", [&] { items.Move(0, 2); }, "List index out of bounds (2)"},
  };
  for (const auto& c : cases) {
    try {
      c.op();
      ADD_FAILURE() << c.what << " did not throw";
    } catch (const Error& e) {
      EXPECT_STREQ(e.what(), c.message) << c.what;
    }
    EXPECT_EQ(Order(items), U"ab") << c.what;
  }
}

TEST(Collection, ChangesReachTheCallbackOncePerOutermostBracket) {
  TFixtureItems items;
  std::vector<TCollectionItem*> seen;
  items.SetOnChange([&](TCollectionItem* item) { seen.push_back(item); });

  TFixtureItem& a = items.Add();
  a.SetValue(1);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], nullptr);  // the collection grew
  EXPECT_EQ(seen[1], &a);       // then the item changed

  seen.clear();
  items.BeginUpdate();
  items.BeginUpdate();
  items.Add().SetValue(2);
  a.SetValue(3);
  items.EndUpdate();
  EXPECT_TRUE(seen.empty());
  items.EndUpdate();
  EXPECT_EQ(seen, std::vector<TCollectionItem*>{nullptr});

  seen.clear();
  items.BeginUpdate();
  items.EndUpdate();
  items.EndUpdate();  // unbalanced: ignored
  EXPECT_TRUE(seen.empty());
}

// An item class that TFixtureItem cannot be assigned from.
class TOtherItem : public TCollectionItem {};

TEST(Collection, AssignCopiesItemsAndKeepsTheOldOnesOnFailure) {
  TFixtureItems source;
  Fill(source, U"xy").Items(1).SetValue(9);
  TFixtureItems target;
  Fill(target, U"abc");
  int changes = 0;
  target.SetOnChange([&](TCollectionItem*) { ++changes; });

  target.Assign(source);
  EXPECT_EQ(Order(target), U"xy");
  EXPECT_EQ(target.Items(1).Value(), 9);
  EXPECT_EQ(changes, 1);

  TOwnedCollection<TOtherItem> other;
  other.Add();
  EXPECT_THROW(target.Assign(other), Error);
  EXPECT_EQ(Order(target), U"xy");
  TEveryKind notACollection;
  EXPECT_THROW(target.Assign(notACollection), Error);
  EXPECT_EQ(Order(target), U"xy");
}

TEST(Collection, FindItemByNameTakesTheFirstMatch) {
  TFixtureItems items;
  Fill(items, U"aBbA");
  EXPECT_EQ(IndexOfName(items, U"b"), 2);
  EXPECT_EQ(IndexOfName(items, U"b", true), 1);
  EXPECT_EQ(IndexOfName(items, U"A", true), 0);
  EXPECT_EQ(IndexOfName(items, U"c", true), -1);
  EXPECT_EQ(FindItemByName(items, U"A"), &items.Items(3));
  EXPECT_EQ(FindItemByName(items, U""), nullptr);
}

}  // namespace
}  // namespace qs
