#include <gtest/gtest.h>

#include "editor/lineattributes.h"
#include "editor/memofont.h"
#include "editor/penbrush.h"
#include "editor/specialsymbols.h"
#include "support/errors.h"
#include "support/fontcharsets.h"
#include "support/objecttree.h"
#include "support/propertystream.h"

namespace qs {
namespace {

TEST(LinePens, NeverGrowWiderThanTwoPixels) {
  TPen wide;
  wide.SetWidth(5);
  ASSERT_EQ(wide.Width(), 5);

  TLineSeparator separator;
  separator.Pen().Assign(wide);
  EXPECT_EQ(separator.Pen().Width(), 2);
  separator.Pen().SetWidth(3);
  EXPECT_EQ(separator.Pen().Width(), 2);
  separator.Pen().SetWidth(1);
  EXPECT_EQ(separator.Pen().Width(), 1);

  TLineHighlight highlight;
  highlight.Pen().Assign(wide);
  EXPECT_EQ(highlight.Pen().Width(), 2);

  // Stored garbage reaches the same setter.
  TPen free;
  free.SetWidth(-7);
  EXPECT_EQ(free.Width(), 1);
  free.SetWidth(1 << 30);
  EXPECT_EQ(free.Width(), TPen::kMaxWidth);
}

TEST(LineSeparator, APenChangeIsVisibleOnlyWhileSeparatorsAreDrawn) {
  TLineSeparator separator;
  std::vector<bool> seen;
  separator.SetOnChange([&] { seen.push_back(separator.ChangeIsVisible()); });
  separator.Pen().SetColor(clRed);
  separator.SetOptions(SetBit(moDrawLineSeparator));
  separator.Pen().SetColor(clBlue);
  separator.SetOptions(0);
  EXPECT_EQ(seen, (std::vector<bool>{false, true, true, true}));
}

TEST(SettingsObjects, AssignReportsOneChange) {
  TLineHighlight source;
  source.Pen().SetColor(clRed);
  source.Brush().SetColor(clYellow);
  source.SetVisible(true);
  source.SetShape(shSingleLine);
  TLineHighlight target;
  int changes = 0;
  target.SetOnChange([&] { ++changes; });
  target.Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(target.Pen().Color(), clRed);
  EXPECT_EQ(target.Brush().Color(), clYellow);
  EXPECT_TRUE(target.Visible());
  EXPECT_EQ(target.Shape(), shSingleLine);
  target.Assign(source);
  EXPECT_EQ(changes, 1);
}

TEST(MemoFont, SizeAndHeightAgreeAndAStoredHeightSurvivesItsSize) {
  TMemoFont font;
  EXPECT_EQ(font.Name(), U"Courier New");
  EXPECT_EQ(font.Height(), -13);
  EXPECT_EQ(font.Size(), 10);
  EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
  font.SetSize(12);
  EXPECT_EQ(font.Height(), -16);
  // -14 pixels is 10.5 points: setting the 11 points it reports must not
  // move it to -15, or every save and load would grow the font.
  font.SetHeight(-14);
  const int size = font.Size();
  font.SetSize(size);
  EXPECT_EQ(font.Height(), -14);

  font.SetHeight(-1'000'000);
  EXPECT_EQ(font.Height(), -TMemoFont::kMaxHeight);
  font.SetSize(2'000'000'000);
  EXPECT_EQ(font.Height(), -TMemoFont::kMaxHeight);
  font.SetCharset(4000);
  EXPECT_EQ(font.Charset(), 255);
  font.SetStyle(0xFF);
  EXPECT_EQ(font.Style(), kAllFontStyles);
}

TEST(MemoFont, SameResourceIgnoresOnlyTheColour) {
  TMemoFont a;
  TMemoFont b;
  b.SetColor(clRed);
  EXPECT_TRUE(a.SameResource(b));
  const std::function<void(TMemoFont&)> differences[] = {
      [](TMemoFont& f) { f.SetName(U"Arial"); },
      [](TMemoFont& f) { f.SetHeight(-14); },
      [](TMemoFont& f) { f.SetStyle(SetBit(fsItalic)); },
      [](TMemoFont& f) { f.SetCharset(RUSSIAN_CHARSET); },
      [](TMemoFont& f) { f.SetPitch(fpFixed); },
  };
  for (const auto& differ : differences) {
    TMemoFont c;
    differ(c);
    EXPECT_FALSE(a.SameResource(c));
  }
}

const Property* Find(const PropertyList& list, std::string_view path) {
  return FindProperty(list, path);
}

TEST(SpecialSymbols, TheStringsTravelAsLengthPrefixedBytes) {
  TSpecialSymbols symbols;
  const PropertyList written = WriteProperties(symbols);
  EXPECT_EQ(Find(written, "EOLString"), nullptr);
  EXPECT_EQ(Find(written, "EOFString"), nullptr);
  const Property* eol = Find(written, "EOLStringBinary");
  const Property* eof = Find(written, "EOFStringBinary");
  ASSERT_NE(eol, nullptr);
  ASSERT_NE(eof, nullptr);
  EXPECT_EQ(eol->Get().bytes, (ByteVector{0x01, 0x00, 0x00, 0x00, 0xB6}));
  EXPECT_EQ(eof->Get().bytes, (ByteVector{0x01, 0x00, 0x00, 0x00, 0x5F}));

  TSpecialSymbols other;
  other.SetEOLString(U"<");
  other.SetEOFString(U"");
  ReadProperties(other, written);
  EXPECT_EQ(other.EOLString(), U"\u00B6");
  EXPECT_EQ(other.EOFString(), U"_");
}

TEST(SpecialSymbols, EncodingRoundTripsEveryKindOfMarker) {
  const String cases[] = {U"", U"\u00B6", U"\u00C2\u00B6", U"\u21B5", U"a\U0001F600", U"\x01\xFF"};
  for (const String& text : cases) EXPECT_EQ(DecodeSymbolString(EncodeSymbolString(text)), text);
  // Characters below 256 are one byte each, even where UTF-8 would read them.
  EXPECT_EQ(EncodeSymbolString(U"\u00C2\u00B6"), (ByteVector{2, 0, 0, 0, 0xC2, 0xB6}));
  EXPECT_EQ(EncodeSymbolString(U"\u21B5"), (ByteVector{3, 0, 0, 0, 0xE2, 0x86, 0xB5}));
}

TEST(SpecialSymbols, DamagedOrOversizedBlocksAreRefused) {
  const ByteVector bad[] = {
      {}, {1, 0, 0}, {2, 0, 0, 0, 'x'}, {0xFF, 0xFF, 0xFF, 0x7F, 'x'}, {65, 0, 0, 0},
  };
  for (const ByteVector& data : bad) EXPECT_THROW(DecodeSymbolString(data), ParseError);

  TSpecialSymbols symbols;
  EXPECT_THROW(symbols.SetEOLString(String(17, U'x')), Error);
  EXPECT_EQ(symbols.EOLString(), U"\u00B6");

  // The reader skips what it cannot use and keeps the marker.
  PropertyList list;
  ByteVector longBlock{40, 0, 0, 0};
  longBlock.resize(44, 'y');
  list.emplace_back("EOLStringBinary", Value::Bytes(longBlock));
  list.emplace_back("EOFStringBinary", Value::Bytes({9, 0, 0, 0, 'z'}));
  int skipped = 0;
  ReadProperties(symbols, list, "", [&](const Property&, std::string_view) { ++skipped; });
  EXPECT_EQ(skipped, 2);
  EXPECT_EQ(symbols.EOLString(), U"\u00B6");
  EXPECT_EQ(symbols.EOFString(), U"_");
}

}  // namespace
}  // namespace qs
