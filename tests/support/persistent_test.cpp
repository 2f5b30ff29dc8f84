#include "support/persistent.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/errors.h"
#include "support/propfixtures.h"

namespace qs {
namespace {

using namespace fixtures;

std::vector<std::string> Names(const ClassInfo& info) {
  std::vector<std::string> out;
  for (const PropInfo* p : info.Properties()) out.push_back(p->name);
  return out;
}

TEST(Persistent, AssignCopiesEveryPropertyThroughTheSetters) {
  TEveryKind source;
  FillEveryKind(source);
  TEveryKind target;
  target.Items().Add().SetName(U"stale");
  target.log.calls.clear();

  target.Assign(source);

  ExpectSameValues(source, target);
  EXPECT_EQ(target.Items().Items(0).Collection(), &target.Items());
  const std::vector<std::string> expected{"Count",      "Enabled",    "Shape",     "Options",
                                          "Caption",    "KeyMapping", "Marker",    "Color",
                                          "Ratio",      "Data",       "Font.Name", "Font.Height",
                                          "Font.Color", "Font.Style", "Lines",     "Flags"};
  EXPECT_EQ(target.log.calls, expected);
}

TEST(Persistent, AssignAcceptsDerivedSourcesOnly) {
  TDerivedKind derived;
  derived.SetCaption(U"from derived");
  TEveryKind base;
  base.Assign(derived);
  EXPECT_EQ(base.Caption(), U"from derived");

  TDerivedKind target;
  try {
    target.Assign(base);
    FAIL() << "assigning a base to a derived class must fail";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TEveryKind to a TDerivedKind");
  }
  TUnrelated other;
  try {
    base.Assign(other);
    FAIL() << "assigning an unrelated class must fail";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TUnrelated to a TEveryKind");
  }
  EXPECT_EQ(base.Caption(), U"from derived");
}

TEST(Persistent, ClassTablesListParentsFirstAndRedeclareInPlace) {
  const ClassInfo& derived = TDerivedKind::StaticClassInfo();
  std::vector<std::string> expected = Names(TEveryKind::StaticClassInfo());
  expected.push_back("Extra");
  EXPECT_EQ(Names(derived), expected);

  const PropInfo* count = derived.FindProperty("count");
  ASSERT_NE(count, nullptr);
  EXPECT_EQ(count->defaultValue, PropValue(std::int64_t{100}));
  EXPECT_EQ(TEveryKind::StaticClassInfo().FindProperty("Count")->defaultValue,
            PropValue(std::int64_t{80}));
  EXPECT_EQ(derived.FindProperty("Missing"), nullptr);

  EXPECT_TRUE(derived.InheritsFrom(TPersistent::StaticClassInfo()));
  EXPECT_TRUE(derived.InheritsFrom(derived));
  EXPECT_FALSE(TEveryKind::StaticClassInfo().InheritsFrom(derived));
}

TEST(Persistent, OrdinalsFromOutsideAreCheckedAgainstTheKind) {
  const ClassInfo& every = TEveryKind::StaticClassInfo();
  const ClassInfo& font = TFixtureFont::StaticClassInfo();
  constexpr std::int64_t kIntMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kUIntMax = std::numeric_limits<std::uint32_t>::max();
  struct Case {
    const char* what;
    const PropInfo* prop;
    std::int64_t in;
    std::optional<std::int64_t> out;
  };
  const Case cases[] = {
      {"integer in range", every.FindProperty("Count"), kIntMin, kIntMin},
      {"integer too big", every.FindProperty("Count"), kIntMin - 1, std::nullopt},
      {"boolean nonzero", every.FindProperty("Enabled"), 7, 1},
      {"enum last", every.FindProperty("Shape"), 2, 2},
      {"enum past end", every.FindProperty("Shape"), 3, std::nullopt},
      {"enum negative", every.FindProperty("Shape"), -1, std::nullopt},
      {"set named bits", font.FindProperty("Style"), 0xF, 0xF},
      {"set unnamed bit", font.FindProperty("Style"), 0x10, std::nullopt},
      {"char top", every.FindProperty("Marker"), 0x10FFFF, 0x10FFFF},
      {"char past top", every.FindProperty("Marker"), 0x110000, std::nullopt},
      {"char surrogate", every.FindProperty("Marker"), 0xD800, std::nullopt},
      {"colour unsigned", every.FindProperty("Color"), 0xFF000005, clWindow},
      {"colour signed", every.FindProperty("Color"), clWindow, clWindow},
      {"colour too wide", every.FindProperty("Color"), kUIntMax + 1, std::nullopt},
      {"uint32 signed", every.FindProperty("Flags"), -2, 0xFFFFFFFE},
      {"uint32 unsigned", every.FindProperty("Flags"), kUIntMax, kUIntMax},
      {"uint32 too low", every.FindProperty("Flags"), kIntMin - 1, std::nullopt},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.prop, nullptr) << c.what;
    EXPECT_EQ(c.prop->NormaliseOrdinal(c.in), c.out) << c.what;
  }
}

// Publishes some of TEveryKind's names: one with another kind, one missing.
class TPartial : public TPersistent {
 public:
  static const ClassInfo& StaticClassInfo() {
    using T = TPartial;
    static const ClassInfo info(
        "TPartial", &TPersistent::StaticClassInfo(),
        {Prop::Colour<T>("Color", &T::Color, &T::SetColor, clBlack),
         Prop::String<T>("Count", &T::Count, &T::SetCount), Prop::Object<T>("Font", &T::Font),
         Prop::Integer<T>("Only", &T::Only, &T::SetOnly, 0)});
    return info;
  }
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
  TPartial() { m_font.log = &log; }

  TColor Color() const { return m_color; }
  void SetColor(TColor v) { m_color = v, log.Note("Color"); }
  const String& Count() const { return m_count; }
  void SetCount(const String& v) { m_count = v, log.Note("Count"); }
  int Only() const { return m_only; }
  void SetOnly(int v) { m_only = v, log.Note("Only"); }
  TFixtureFont& Font() { return m_font; }

  SetterLog log;

 private:
  TColor m_color = clBlack;
  String m_count = U"unchanged";
  int m_only = 0;
  TFixtureFont m_font;
};

TEST(Persistent, AssignByNameCopiesSharedNamesInTheGivenOrder) {
  TEveryKind source;
  FillEveryKind(source);
  TPartial target;
  AssignByName(target, source, " Font ,Missing,Only,color, Count");
  const std::vector<std::string> expected{"Font.Name", "Font.Height", "Font.Color", "Font.Style",
                                          "Color"};
  EXPECT_EQ(target.log.calls, expected);
  EXPECT_EQ(target.Color(), 0x123456);
  EXPECT_EQ(target.Font().Name(), U"Mono");
  EXPECT_EQ(target.Count(), U"unchanged");
  EXPECT_EQ(target.Only(), 0);
}

}  // namespace
}  // namespace qs
