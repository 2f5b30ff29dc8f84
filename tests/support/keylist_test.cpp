#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/errors.h"
#include "support/keylist.h"
#include "support/objecttext.h"
#include "support/propertystream.h"

namespace qs {
namespace {

constexpr TBindingKey kKeyA = 'A';
constexpr TBindingShift kCtrl = 4;

TKeyCommand CommandFor(const TKeyList& keys, TBindingKey key, TBindingShift shift,
                       std::uint8_t state) {
  const std::optional<TKeyBinding> b = keys.FindBinding(key, shift, state);
  return b ? b->command : TKeyCommand{0};
}

TEST(KeyList, TheLastRegisteredBindingForKeyShiftAndStateWins) {
  TKeyList keys;
  keys.AddAnyStateKey(kKeyA, 0, 1);
  keys.AddKey(kKeyA, 0, 2);
  keys.AddBinding(kKeyA, 0, 3, 0, 3);
  keys.AddKey(kKeyA, kCtrl, 4);
  EXPECT_EQ(CommandFor(keys, kKeyA, 0, 0), 2);
  EXPECT_EQ(CommandFor(keys, kKeyA, 0, 3), 3);
  EXPECT_EQ(CommandFor(keys, kKeyA, 0, 7), 1) << "the any-state binding";
  EXPECT_EQ(CommandFor(keys, kKeyA, kCtrl, 0), 4);
  EXPECT_FALSE(keys.FindBinding(kKeyA, kCtrl, 3)) << "shift sets must be equal";
  EXPECT_FALSE(keys.FindBinding('B', 0, 0));
}

// The cache holds the answer for one exact query: asking in another state or
// with another shift set must not get the cached binding back, even where
// the cached one would match too (an any-state binding).
TEST(KeyList, TheCacheAnswersOnlyTheExactQueryItWasFilledFor) {
  TKeyList keys;
  keys.AddAnyStateKey(kKeyA, 0, 1);
  keys.AddBinding(kKeyA, 0, 1, 0, 2);
  keys.AddKey(kKeyA, kCtrl, 3);
  struct Query {
    TBindingShift shift;
    std::uint8_t state;
    TKeyCommand expected;
  };
  const std::vector<Query> queries = {{0, 0, 1}, {0, 1, 2},     {0, 0, 1}, {kCtrl, 0, 3},
                                      {0, 0, 1}, {kCtrl, 1, 0}, {0, 1, 2}};
  for (std::size_t i = 0; i < queries.size(); ++i) {
    const Query& q = queries[i];
    EXPECT_EQ(CommandFor(keys, kKeyA, q.shift, q.state), q.expected) << "query " << i;
  }
}

TEST(KeyList, AnyChangeOfTheListClearsTheCache) {
  TKeyList keys;
  keys.AddKey(kKeyA, 0, 1);
  ASSERT_EQ(CommandFor(keys, kKeyA, 0, 0), 1);
  keys.AddKey(kKeyA, 0, 2);
  EXPECT_EQ(CommandFor(keys, kKeyA, 0, 0), 2) << "a later binding";
  keys.Items(1).SetCommand(5);
  EXPECT_EQ(CommandFor(keys, kKeyA, 0, 0), 5) << "a changed binding";
  keys.Delete(1);
  EXPECT_EQ(CommandFor(keys, kKeyA, 0, 0), 1) << "a removed binding";
  ASSERT_FALSE(keys.FindBinding('B', 0, 0));
  keys.BeginUpdate();
  keys.AddKey('B', 0, 6);
  EXPECT_EQ(CommandFor(keys, 'B', 0, 0), 6) << "inside an update bracket";
  keys.EndUpdate();
  keys.Clear();
  EXPECT_FALSE(keys.FindBinding(kKeyA, 0, 0));
}

TEST(KeyList, ABindingHandedOutStaysValidAfterTheListIsEmptied) {
  TKeyList keys;
  keys.AddBinding(kKeyA, kCtrl, 0, 9, 7);
  const std::optional<TKeyBinding> b = keys.FindBinding(kKeyA, kCtrl, 0);
  keys.Clear();
  ASSERT_TRUE(b);
  EXPECT_EQ(*b, (TKeyBinding{kKeyA, kCtrl, 0, 9, 7}));
}

TEST(KeyList, StoredListsReadBackAndOutOfRangeValuesAreRefused) {
  TKeyList keys;
  keys.AddBinding(kKeyA, kCtrl | 1, 255, 0, 7);
  keys.AddBinding(0xDB, 0, 2, 5, 0x2006);
  const std::string text = WriteObjectText(MakeHolder(keys));
  TKeyList copy;
  ReadHolder(ReadObjectText(text), copy);
  ASSERT_EQ(copy.Count(), 2);
  for (int i = 0; i < 2; ++i) EXPECT_EQ(copy.Items(i).Binding(), keys.Items(i).Binding()) << i;

  // Values a damaged file may hold: each is skipped and reported, the rest
  // of its binding is read.
  struct Damage {
    std::string from, to, property;
  };
  const std::vector<Damage> damages = {
      {"Key = 65", "Key = 65601", "Key"},
      {"Key = 65", "Key = -1", "Key"},
      {"RequiredState = 255", "RequiredState = 256", "RequiredState"},
      {"Command = 7", "Command = 70000", "Command"},
      {"Shift = [ssShift, ssCtrl]", "Shift = [ssShift, ssCtrl, ssLeft]", ""},
  };
  for (const Damage& d : damages) {
    std::string damaged = text;
    const std::size_t at = damaged.find(d.from);
    ASSERT_NE(at, std::string::npos) << d.from << " in\n" << text;
    damaged.replace(at, d.from.size(), d.to);
    std::vector<std::string> skipped;
    TKeyList read;
    ReadHolder(ReadObjectText(damaged), read,
               [&](const Property& p, std::string_view) { skipped.push_back(p.path); });
    ASSERT_EQ(read.Count(), 2) << d.to;
    const TKeyBinding& b = read.Items(0).Binding();
    EXPECT_LE(b.shift, kBindingShiftMask) << d.to;
    if (!d.property.empty()) {
      EXPECT_EQ(skipped.size(), 1u) << d.to;
    }
    EXPECT_EQ(read.Items(1).Binding(), keys.Items(1).Binding()) << d.to;
  }
}

TEST(KeyData, SettersRefuseValuesOutsideTheirFields) {
  TKeyData d;
  EXPECT_THROW(d.SetKey(0x10000), Error);
  EXPECT_THROW(d.SetNextState(-1), Error);
  EXPECT_THROW(d.SetShift(8), Error);
  EXPECT_THROW(d.SetCommand(0x10000), Error);
  EXPECT_EQ(d.Binding(), TKeyBinding{});
}

}  // namespace
}  // namespace qs
