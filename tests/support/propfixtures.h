// Small persistent classes for the property tests: one publishing every kind,
// with a sub-object and a collection of items of its own class.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/collection.h"
#include "support/colors.h"
#include "support/persistent.h"

namespace qs::fixtures {

enum class TShape { shDoubleLine, shSingleLine, shDotted };
inline constexpr std::string_view kShapeNames[] = {"shDoubleLine", "shSingleLine", "shDotted"};

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
inline constexpr std::string_view kFontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline",
                                                       "fsStrikeOut"};

// Records every setter call by property name, in order.
struct SetterLog {
  std::vector<std::string> calls;
  void Note(const char* name) { calls.emplace_back(name); }
};

class TFixtureFont : public TPersistent {
 public:
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info(
        "TFixtureFont", &TPersistent::StaticClassInfo(),
        {Prop::String<TFixtureFont>("Name", &TFixtureFont::Name, &TFixtureFont::SetName,
                                    U"Courier New"),
         Prop::Integer<TFixtureFont>("Height", &TFixtureFont::Height, &TFixtureFont::SetHeight,
                                     -13),
         Prop::Colour<TFixtureFont>("Color", &TFixtureFont::Color, &TFixtureFont::SetColor,
                                    clBlack),
         Prop::Set<TFixtureFont>("Style", &TFixtureFont::Style, &TFixtureFont::SetStyle, 0,
                                 kFontStyleNames)});
    return info;
  }
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  const String& Name() const { return m_name; }
  void SetName(const String& v) { m_name = v, Note("Font.Name"); }
  int Height() const { return m_height; }
  void SetHeight(int v) { m_height = v, Note("Font.Height"); }
  TColor Color() const { return m_color; }
  void SetColor(TColor v) { m_color = v, Note("Font.Color"); }
  std::uint32_t Style() const { return m_style; }
  void SetStyle(std::uint32_t v) { m_style = v, Note("Font.Style"); }

  SetterLog* log = nullptr;
  std::function<void()> onChange;

 private:
  void Note(const char* n) {
    if (log) log->Note(n);
    if (onChange) onChange();
  }
  String m_name = U"Courier New";
  int m_height = -13;
  TColor m_color = clBlack;
  std::uint32_t m_style = 0;
};

// Color is written only while UseDefaultColor is off, which is always written.
class TFixtureItem : public TNamedCollectionItem {
 public:
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info(
        "TFixtureItem", &TNamedCollectionItem::StaticClassInfo(),
        {Prop::Integer<TFixtureItem>("Value", &TFixtureItem::Value, &TFixtureItem::SetValue, 0),
         Prop::Colour<TFixtureItem>("Color", &TFixtureItem::Color, &TFixtureItem::SetColor, clWhite)
             .StoredWhen([](const TFixtureItem& i) { return !i.UseDefaultColor(); }),
         Prop::Boolean<TFixtureItem>("UseDefaultColor", &TFixtureItem::UseDefaultColor,
                                     &TFixtureItem::SetUseDefaultColor, true)
             .NoDefault()});
    return info;
  }
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  int Value() const { return m_value; }
  void SetValue(int v) { m_value = v, Changed(); }
  TColor Color() const { return m_color; }
  void SetColor(TColor v) { m_color = v, Changed(); }
  bool UseDefaultColor() const { return m_useDefault; }
  void SetUseDefaultColor(bool v) { m_useDefault = v, Changed(); }

 private:
  int m_value = 0;
  TColor m_color = clWhite;
  bool m_useDefault = true;
};

using TFixtureItems = TOwnedCollection<TFixtureItem>;

class TEveryKind : public TPersistent {
 public:
  static constexpr std::uint32_t kDefaultOptions =
      SetBit(TFontStyle::fsBold) | SetBit(TFontStyle::fsUnderline);

  static const ClassInfo& StaticClassInfo() {
    using T = TEveryKind;
    static const ClassInfo info(
        "TEveryKind", &TPersistent::StaticClassInfo(),
        {Prop::Integer<T>("Count", &T::Count, &T::SetCount, 80),
         Prop::Boolean<T>("Enabled", &T::Enabled, &T::SetEnabled, true),
         Prop::Enum<T>("Shape", &T::Shape, &T::SetShape, TShape::shDoubleLine, kShapeNames),
         Prop::Set<T>("Options", &T::Options, &T::SetOptions, kDefaultOptions, kFontStyleNames),
         Prop::String<T>("Caption", &T::Caption, &T::SetCaption),
         Prop::String<T>("KeyMapping", &T::KeyMapping, &T::SetKeyMapping, U"Default"),
         Prop::Char<T>("Marker", &T::Marker, &T::SetMarker, U'\0'),
         Prop::Colour<T>("Color", &T::Color, &T::SetColor, clWindow),
         Prop::Double<T>("Ratio", &T::Ratio, &T::SetRatio, 1.5),
         Prop::Binary<T>("Data", &T::Data, &T::SetData), Prop::Object<T>("Font", &T::Font),
         Prop::Collection<T>("Items", &T::Items),
         Prop::StringList<T>("Lines", &T::Lines, &T::SetLines),
         Prop::UInt32<T>("Flags", &T::Flags, &T::SetFlags, 0)});
    return info;
  }
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  TEveryKind() { m_font.log = &log; }

  int Count() const { return m_count; }
  void SetCount(int v) { m_count = v, log.Note("Count"); }
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool v) { m_enabled = v, log.Note("Enabled"); }
  TShape Shape() const { return m_shape; }
  void SetShape(TShape v) { m_shape = v, log.Note("Shape"); }
  std::uint32_t Options() const { return m_options; }
  void SetOptions(std::uint32_t v) { m_options = v, log.Note("Options"); }
  const String& Caption() const { return m_caption; }
  void SetCaption(const String& v) { m_caption = v, log.Note("Caption"); }
  const String& KeyMapping() const { return m_keyMapping; }
  void SetKeyMapping(const String& v) { m_keyMapping = v, log.Note("KeyMapping"); }
  Char Marker() const { return m_marker; }
  void SetMarker(Char v) { m_marker = v, log.Note("Marker"); }
  TColor Color() const { return m_color; }
  void SetColor(TColor v) { m_color = v, log.Note("Color"); }
  double Ratio() const { return m_ratio; }
  void SetRatio(double v) { m_ratio = v, log.Note("Ratio"); }
  const ByteVector& Data() const { return m_data; }
  void SetData(const ByteVector& v) { m_data = v, log.Note("Data"); }
  TFixtureFont& Font() { return m_font; }
  const TFixtureFont& Font() const { return m_font; }
  TFixtureItems& Items() { return m_items; }
  const TFixtureItems& Items() const { return m_items; }
  const StringVector& Lines() const { return m_lines; }
  void SetLines(const StringVector& v) { m_lines = v, log.Note("Lines"); }
  std::uint32_t Flags() const { return m_flags; }
  void SetFlags(std::uint32_t v) { m_flags = v, log.Note("Flags"); }

  SetterLog log;

 private:
  int m_count = 80;
  bool m_enabled = true;
  TShape m_shape = TShape::shDoubleLine;
  std::uint32_t m_options = kDefaultOptions;
  String m_caption;
  String m_keyMapping = U"Default";
  Char m_marker = 0;
  TColor m_color = clWindow;
  double m_ratio = 1.5;
  ByteVector m_data;
  TFixtureFont m_font;
  TFixtureItems m_items;
  StringVector m_lines;
  std::uint32_t m_flags = 0;
};

// Adds one property and changes the default of an inherited one.
class TDerivedKind : public TEveryKind {
 public:
  static const ClassInfo& StaticClassInfo() {
    using T = TDerivedKind;
    static const ClassInfo info("TDerivedKind", &TEveryKind::StaticClassInfo(),
                                {Prop::Integer<T>("Extra", &T::Extra, &T::SetExtra, 7),
                                 Prop::Integer<T>("Count", &T::Count, &T::SetCount, 100)});
    return info;
  }
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  TDerivedKind() { SetCount(100); }
  int Extra() const { return m_extra; }
  void SetExtra(int v) { m_extra = v, log.Note("Extra"); }

 private:
  int m_extra = 7;
};

class TUnrelated : public TPersistent {
 public:
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info("TUnrelated", &TPersistent::StaticClassInfo());
    return info;
  }
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
};

// Fills every property of an object with a value other than its default.
inline void FillEveryKind(TEveryKind& o) {
  o.SetCount(-42);
  o.SetEnabled(false);
  o.SetShape(TShape::shDotted);
  o.SetOptions(SetBit(TFontStyle::fsItalic) | SetBit(TFontStyle::fsStrikeOut));
  o.SetCaption(U"It's \u00B6 \U0001F600");
  o.SetKeyMapping(U"");
  o.SetMarker(U'\u00B7');
  o.SetColor(0x123456);
  o.SetRatio(-0.125);
  o.SetData({0x00, 0xFF, 0x10});
  o.Font().SetName(U"Mono");
  o.Font().SetHeight(-20);
  o.Font().SetColor(clNavy);
  o.Font().SetStyle(SetBit(TFontStyle::fsBold));
  TFixtureItem& a = o.Items().Add();
  a.SetName(U"First");
  a.SetValue(3);
  TFixtureItem& b = o.Items().Add();
  b.SetName(U"Second");
  b.SetUseDefaultColor(false);
  b.SetColor(clHighlight);
  o.SetLines({U"line one", U"", U"line 'three'"});
  o.SetFlags(0xFFFFFFFEu);
}

inline void ExpectSameValues(const TEveryKind& a, const TEveryKind& b) {
  EXPECT_EQ(a.Count(), b.Count());
  EXPECT_EQ(a.Enabled(), b.Enabled());
  EXPECT_EQ(a.Shape(), b.Shape());
  EXPECT_EQ(a.Options(), b.Options());
  EXPECT_EQ(a.Caption(), b.Caption());
  EXPECT_EQ(a.KeyMapping(), b.KeyMapping());
  EXPECT_EQ(a.Marker(), b.Marker());
  EXPECT_EQ(a.Color(), b.Color());
  EXPECT_EQ(a.Ratio(), b.Ratio());
  EXPECT_EQ(a.Data(), b.Data());
  EXPECT_EQ(a.Font().Name(), b.Font().Name());
  EXPECT_EQ(a.Font().Height(), b.Font().Height());
  EXPECT_EQ(a.Font().Color(), b.Font().Color());
  EXPECT_EQ(a.Font().Style(), b.Font().Style());
  EXPECT_EQ(a.Lines(), b.Lines());
  EXPECT_EQ(a.Flags(), b.Flags());
  ASSERT_EQ(a.Items().Count(), b.Items().Count());
  for (int i = 0; i < a.Items().Count(); ++i) {
    const TFixtureItem& x = a.Items().Items(i);
    const TFixtureItem& y = b.Items().Items(i);
    EXPECT_NE(&x, &y);
    EXPECT_EQ(x.Name(), y.Name());
    EXPECT_EQ(x.Value(), y.Value());
    EXPECT_EQ(x.Color(), y.Color());
    EXPECT_EQ(x.UseDefaultColor(), y.UseDefaultColor());
  }
}

}  // namespace qs::fixtures
