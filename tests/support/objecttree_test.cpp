#include "support/objecttree.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

TEST(ObjectTree, ValuesCompareByKindAndContent) {
  EXPECT_EQ(Value::Int(5), Value::Int(5));
  EXPECT_NE(Value::Int(5), Value::Real(5));
  EXPECT_NE(Value::Bool(true), Value::Bool(false));
  PropertyList item{Property("Name", Value::Str(U"a"))};
  EXPECT_EQ(Value::CollectionOf({item}), Value::CollectionOf({item}));
  EXPECT_NE(Value::CollectionOf({item}), Value::CollectionOf({}));
}

TEST(ObjectTree, FindPropertyReturnsTheFirstMatch) {
  PropertyList list{Property("A", Value::Int(1)), Property("A", Value::Int(2))};
  ASSERT_NE(FindProperty(list, "A"), nullptr);
  EXPECT_EQ(FindProperty(list, "A")->Get(), Value::Int(1));
  EXPECT_EQ(FindProperty(list, "B"), nullptr);
}

}  // namespace
}  // namespace qs
