// Text laid out in each character's own width: the width cache and the
// placement of runs, the caret and columns past the end of a line.
#include <gtest/gtest.h>

#include "editor/fontcache.h"
#include "memofixture.h"

namespace qs {
namespace {

using testing::KindParser;

// Measures only: "i" is 3 pixels wide, "m" 12, everything else 8, bold adds
// one; lines are 16 high. Counts the characters it was asked to measure.
class VariableWidthCanvas final : public ICanvas {
 public:
  void FillRect(const TRect&) override {}
  void FrameRect(const TRect&) override {}
  void Polyline(std::span<const TPoint>) override {}
  void Polygon(std::span<const TPoint>) override {}
  void TextOut(int, int, StringView, std::span<const int>) override {}
  void TextRectOut(const TRect&, int, int, StringView, std::span<const int>) override {}
  TSize TextExtent(StringView text) const override {
    int width = 0;
    for (Char c : text) width += Width(c);
    return {width, 16};
  }
  int CharWidth(Char c) const override {
    ++measured;
    return Width(c);
  }
  FontMetrics Metrics() const override {
    FontMetrics m;
    m.height = 16;
    m.ascent = Font().bold ? 14 : 12;
    m.descent = 16 - m.ascent;
    m.averageCharWidth = 8;
    m.maxCharWidth = 12;
    return m;
  }
  TSize PixelsPerInch() const override { return {96, 96}; }
  void PushClipRect(const TRect&) override {}
  void PopClipRect() override {}
  void DrawBitmap(const TRect&, const Bitmap&, std::optional<TColor>) override {}
  std::optional<TColor> PixelAt(TPoint) const override { return std::nullopt; }

  mutable int measured = 0;

 protected:
  void Line(TPoint, TPoint) override {}

 private:
  int Width(Char c) const {
    const int base = c == U'i' ? 3 : c == U'm' ? 12 : 8;
    return base + (Font().bold ? 1 : 0);
  }
};

FontSpec Face(int height) {
  FontSpec f;
  f.name = U"Sans";
  f.height = height;
  return f;
}

TEST(FontManager, MeasuresAFontOnceAndKeepsTheMostRecentlyUsed) {
  TFontManager cache;
  VariableWidthCanvas device;
  EXPECT_EQ(cache.TextWidth(device, Face(-10), U"imx"), 23);
  const int afterFirst = device.measured;
  std::vector<int> widths;
  EXPECT_EQ(cache.TextWidth(device, Face(-10), U"mi", &widths), 15);
  EXPECT_EQ(widths, (std::vector<int>{12, 3}));
  EXPECT_EQ(device.measured, afterFirst) << "the second lookup measured again";
  EXPECT_EQ(cache.Measurements(), 1);

  // Fill the cache; the first font stays by being used, the second goes.
  for (int h = 1; h < static_cast<int>(TFontManager::kCapacity); ++h) {
    cache.Metrics(device, Face(-10 - h));
    cache.Metrics(device, Face(-10));
  }
  EXPECT_EQ(cache.Count(), TFontManager::kCapacity);
  cache.Metrics(device, Face(-100));  // the least recently used (-11) makes room
  EXPECT_EQ(cache.Count(), TFontManager::kCapacity);
  const std::int64_t measured = cache.Measurements();
  cache.Metrics(device, Face(-10));
  EXPECT_EQ(cache.Measurements(), measured);
  cache.Metrics(device, Face(-11));
  EXPECT_EQ(cache.Measurements(), measured + 1);

  // A device that goes leaves nothing behind for one made in its place.
  VariableWidthCanvas other;
  cache.Metrics(other, Face(-10));
  cache.Forget(device);
  EXPECT_EQ(cache.Count(), 1u);
}

TEST(FontManager, CharacterAtAnOffsetRoundsOnlyWhenAsked) {
  TFontManager cache;
  VariableWidthCanvas device;
  // "mim": m 0..11, i 12..14, m 15..26.
  const struct {
    std::int64_t offset;
    bool round;
    std::size_t index;
  } cases[] = {{-5, false, 0}, {0, false, 0}, {6, false, 0},  {7, true, 1},   {6, true, 0},
               {12, false, 1}, {14, true, 2}, {26, false, 2}, {27, false, 3}, {1000, true, 3}};
  for (const auto& c : cases)
    EXPECT_EQ(cache.CharAtOffset(device, Face(-10), U"mim", c.offset, c.round), c.index)
        << c.offset << (c.round ? " rounded" : "");
  // Characters beyond the 256 codes are measured too.
  EXPECT_EQ(cache.CharWidth(device, Face(-10), U'\u4E2D'), 8);
}

TEST(ProportionalLayout, RunsAndTheCaretSitAtTheWidthsOfTheTextBeforeThem) {
  FontManager().Clear();
  HeadlessWindowHost host({0, 0, 320, 160});
  VariableWidthCanvas measure;
  TQSMemo memo(host, measure);
  KindParser parser;
  memo.SetSyntaxParser(&parser);
  memo.Source().LoadFromText(U"ii mm");
  memo.SetUseMonoFont(false);
  HeadlessCanvas canvas(320, 160);
  memo.Paint(canvas, host.ClientRect());
  std::vector<int> starts;
  for (const CanvasRecord& r : canvas.RecordsOf(CanvasOp::Text)) starts.push_back(r.points[0].X);
  ASSERT_EQ(starts.size(), 3u);
  EXPECT_EQ(starts, (std::vector<int>{0, 6, 14}));
  EXPECT_EQ(memo.ColumnToX(0, 3), 14);
  EXPECT_EQ(memo.ColumnToX(0, 5), 38);
  // Past the end, one space of the control font per column.
  EXPECT_EQ(memo.ColumnToX(0, 7), 38 + 2 * 8);

  // A bold style widens its characters and moves what follows; its taller
  // ascent moves the other runs' baselines down to meet it.
  memo.TextStyles().Items(1).Font().SetStyle(SetBit(fsBold));
  canvas = HeadlessCanvas(320, 160);
  memo.Paint(canvas, host.ClientRect());
  const std::vector<CanvasRecord> runs = canvas.RecordsOf(CanvasOp::Text);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[1].points[0].X, 8);
  EXPECT_EQ(runs[2].points[0].X, 16);
  EXPECT_EQ(runs[0].points[0].Y, 0);
  EXPECT_EQ(runs[1].points[0].Y, 2);
}

}  // namespace
}  // namespace qs
