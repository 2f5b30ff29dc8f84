#include "support/propertystream.h"

#include <gtest/gtest.h>

#include "support/errors.h"
#include "support/objecttext.h"
#include "support/propfixtures.h"

namespace qs {
namespace {

using namespace fixtures;

Value Id(const char* s) {
  return Value::Identifier(s);
}

TEST(PropertyStream, AFreshObjectWritesOnlyItsCollection) {
  TEveryKind fresh;
  const PropertyList expected{Property("Items", Value::CollectionOf({}))};
  EXPECT_EQ(WriteProperties(fresh), expected);
}

TEST(PropertyStream, WritesEveryKindInTableOrder) {
  TEveryKind o;
  FillEveryKind(o);
  o.Items().Items(0).SetColor(clRed);  // not stored while UseDefaultColor is on
  const PropertyList expected{
      Property("P.Count", Value::Int(-42)),
      Property("P.Enabled", Id("False")),
      Property("P.Shape", Id("shDotted")),
      Property("P.Options", Value::SetOf({"fsItalic", "fsStrikeOut"})),
      Property("P.Caption", Value::Str(U"It's \u00B6 \U0001F600")),
      // Differs from its default "Default", so the empty string must be written.
      Property("P.KeyMapping", Value::Str(U"")),
      Property("P.Marker", Value::Str(U"\u00B7")),
      Property("P.Color", Value::Int(0x123456)),
      Property("P.Ratio", Value::Real(-0.125)),
      Property("P.Data", Value::Bytes({0x00, 0xFF, 0x10})),
      Property("P.Font.Name", Value::Str(U"Mono")),
      Property("P.Font.Height", Value::Int(-20)),
      Property("P.Font.Color", Id("clNavy")),
      Property("P.Font.Style", Value::SetOf({"fsBold"})),
      Property("P.Items",
               Value::CollectionOf({
                   {Property("Name", Value::Str(U"First")), Property("Value", Value::Int(3)),
                    Property("UseDefaultColor", Id("True"))},
                   {Property("Name", Value::Str(U"Second")), Property("Color", Id("clHighlight")),
                    Property("UseDefaultColor", Id("False"))},
               })),
      Property("P.Lines.Strings", Value::ListOf({Value::Str(U"line one"), Value::Str(U""),
                                                 Value::Str(U"line 'three'")})),
      Property("P.Flags", Value::Int(-2)),
  };
  const PropertyList written = WriteProperties(o, "P.");
  ASSERT_EQ(written.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(written[i], expected[i]) << "at " << expected[i].path;

  const ObjectNode holder = MakeHolder(o);
  EXPECT_EQ(holder.className, "TPersHolder");
  EXPECT_EQ(holder.properties, written);
}

TEST(PropertyStream, ACollectionHolderHoldsTheWholeCollectionInP) {
  TEveryKind o;
  FillEveryKind(o);
  const ObjectNode holder = MakeHolder(o.Items());
  ASSERT_EQ(holder.properties.size(), 1u);
  EXPECT_EQ(holder.properties[0].path, "P");
  EXPECT_EQ(holder.properties[0].Get(), FindProperty(WriteProperties(o), "Items")->Get());
}

TEST(PropertyStream, EveryKindRoundTripsThroughTheTreeAndTheObjectText) {
  TEveryKind source;
  FillEveryKind(source);

  TEveryKind viaTree;
  ReadHolder(MakeHolder(source), viaTree);
  ExpectSameValues(source, viaTree);

  TEveryKind viaText;
  ReadHolder(ReadObjectText(WriteObjectText(MakeHolder(source))), viaText);
  ExpectSameValues(source, viaText);

  TFixtureItems items;
  LoadInto(items, ReadObjectText(WriteObjectText(MakeHolder(source.Items()))));
  ASSERT_EQ(items.Count(), 2);
  EXPECT_EQ(items.Items(1).Color(), clHighlight);
}

TEST(PropertyStream, ReadingSkipsWhatItCannotUseAndKeepsTheRest) {
  const PropertyList list{
      Property("Unknown", Value::Int(1)),
      Property("Count", Value::Str(U"12")),  // wrong kind
      Property("Shape", Id("shWavy")),       // no such element
      Property("Enabled", Id("Maybe")),      // not a Boolean
      Property("Options", Value::SetOf({"fsItalic", "fsShadow", "FSBOLD"})),
      Property("Marker", Value::Str(U"ab")),         // not one character
      Property("Color", Id("clMauve")),              // no such colour
      Property("Flags", Value::Int(0x1'0000'0000)),  // wider than 32 bits
      Property("Font.Missing", Value::Int(1)),
      Property("Font", Value::Int(1)),  // an object takes no value
      Property("Font.Height.Deeper", Value::Int(1)),
      Property("Lines", Value::ListOf({})),  // a list lives under .Strings
      Property("Lines.Strings", Value::ListOf({Value::Str(U"a"), Value::Int(2)})),
      Property("Items", Value::Int(0)),
      Property("Ratio", Value::Int(3)),  // an integer is a fine double
      Property("Font.Name", Value::Str(U"Kept")),
      Property("Caption", Value::Str(U"good")),
      Property("Color", Id("CLRED")),
  };
  TEveryKind o;
  o.Items().Add().SetName(U"stays");
  std::vector<std::string> skipped;
  ReadProperties(o, list, "",
                 [&](const Property& p, std::string_view) { skipped.push_back(p.path); });

  const std::vector<std::string> expectedSkips{"Unknown",
                                               "Count",
                                               "Shape",
                                               "Enabled",
                                               "Options",
                                               "Marker",
                                               "Color",
                                               "Flags",
                                               "Font.Missing",
                                               "Font",
                                               "Font.Height.Deeper",
                                               "Lines",
                                               "Lines.Strings",
                                               "Items"};
  EXPECT_EQ(skipped, expectedSkips);
  TEveryKind fresh;
  EXPECT_EQ(o.Count(), fresh.Count());
  EXPECT_EQ(o.Shape(), fresh.Shape());
  EXPECT_EQ(o.Enabled(), fresh.Enabled());
  EXPECT_EQ(o.Marker(), fresh.Marker());
  EXPECT_EQ(o.Flags(), fresh.Flags());
  EXPECT_TRUE(o.Lines().empty());
  EXPECT_EQ(o.Items().Count(), 1);
  EXPECT_EQ(o.Options(), SetBit(TFontStyle::fsItalic) | SetBit(TFontStyle::fsBold));
  EXPECT_EQ(o.Ratio(), 3.0);
  EXPECT_EQ(o.Font().Name(), U"Kept");
  EXPECT_EQ(o.Caption(), U"good");
  EXPECT_EQ(o.Color(), clRed);
}

TEST(PropertyStream, APrefixSelectsTheObjectsOwnProperties) {
  const PropertyList list{Property("Caption", Value::Str(U"not mine")),
                          Property("SyntaxScheme.Caption", Value::Str(U"mine")),
                          Property("SyntaxScheme.Nope", Value::Int(0))};
  TEveryKind o;
  std::vector<std::string> skipped;
  ReadProperties(o, list, "SyntaxScheme.",
                 [&](const Property& p, std::string_view) { skipped.push_back(p.path); });
  EXPECT_EQ(o.Caption(), U"mine");
  EXPECT_EQ(skipped, std::vector<std::string>{"SyntaxScheme.Nope"});
}

TEST(PropertyStream, ACollectionIsClearedAndRefilledInOrder) {
  TEveryKind o;
  for (const char32_t* n : {U"a", U"b", U"c"}) o.Items().Add().SetName(n);
  int changes = 0;
  o.Items().SetOnChange([&](TCollectionItem*) { ++changes; });
  ReadProperties(
      o,
      {Property("Items", Value::CollectionOf({
                             {Property("Name", Value::Str(U"y")), Property("Bogus", Value::Int(1))},
                             {Property("Name", Value::Str(U"x"))},
                         }))});
  ASSERT_EQ(o.Items().Count(), 2);
  EXPECT_EQ(o.Items().Items(0).Name(), U"y");
  EXPECT_EQ(o.Items().Items(1).Name(), U"x");
  EXPECT_EQ(changes, 1);
}

// A setter that refuses some values, as a class may.
class TPicky : public TPersistent {
 public:
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info(
        "TPicky", &TPersistent::StaticClassInfo(),
        {Prop::Integer<TPicky>("Width", &TPicky::Width, &TPicky::SetWidth, 1),
         Prop::Integer<TPicky>("Height", &TPicky::Height, &TPicky::SetHeight, 1)});
    return info;
  }
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
  int Width() const { return m_width; }
  void SetWidth(int v) {
    if (v < 1) throw Error("Width must be positive");
    m_width = v;
  }
  int Height() const { return m_height; }
  void SetHeight(int v) { m_height = v; }

 private:
  int m_width = 1;
  int m_height = 1;
};

TEST(PropertyStream, AValueTheSetterRefusesIsSkippedWithItsMessage) {
  TPicky o;
  std::string reason;
  ReadProperties(o, {Property("Width", Value::Int(0)), Property("Height", Value::Int(5))}, "",
                 [&](const Property&, std::string_view r) { reason = r; });
  EXPECT_EQ(o.Width(), 1);
  EXPECT_EQ(o.Height(), 5);
  EXPECT_EQ(reason, "Width must be positive");
}

TEST(PropertyStream, LoadIntoLeavesTheTargetAloneWhenTheTreeIsUnusable) {
  TEveryKind target;
  FillEveryKind(target);
  TEveryKind before;
  before.Assign(target);

  ObjectNode notAHolder = MakeHolder(target);
  notAHolder.className = "TForm";
  EXPECT_THROW(LoadInto(target, notAHolder), ParseError);
  ExpectSameValues(before, target);

  ObjectNode noCollection;
  noCollection.className = "TPersHolder";
  noCollection.properties = {Property("P.Items", Value::CollectionOf({}))};
  EXPECT_THROW(LoadInto(target.Items(), noCollection), ParseError);
  noCollection.properties = {Property("P", Value::Int(0))};
  EXPECT_THROW(LoadInto(target.Items(), noCollection), ParseError);
  ExpectSameValues(before, target);

  // A holder of a collection read into an object would reset it to defaults.
  EXPECT_THROW(LoadInto(target, MakeHolder(target.Items())), ParseError);
  ExpectSameValues(before, target);

  // A usable tree replaces everything, defaults included.
  ObjectNode empty;
  empty.className = "TPersHolder";
  LoadInto(target, empty);
  ExpectSameValues(TEveryKind(), target);
}

}  // namespace
}  // namespace qs
