#include "qt/qtcanvas.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>

#include "qt/qtconvert.h"

namespace qs::qt {
namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kYellow = 0x00FFFF;
constexpr TColor kWhite = 0xFFFFFF;

class QtCanvasTest : public ::testing::Test {
 protected:
  QtCanvasTest() : image_(240, 60, QImage::Format_RGB32) { image_.fill(Qt::white); }
  // Columns x0 .. x1 - 1 of rows 0 .. 30 that hold a pixel of neither
  // background colour: where glyphs left ink.
  bool HasInk(int x0, int x1) const {
    for (int y = 0; y < 30; ++y)
      for (int x = x0; x < x1; ++x) {
        const TColor c = FromQColor(image_.pixelColor(x, y));
        if (c != kWhite && c != kYellow) return true;
      }
    return false;
  }
  QImage image_;
};

TEST_F(QtCanvasTest, DrawsTextOnItsBackgroundAndMeasuresAsQtDoes) {
  QPainter painter(&image_);
  QtCanvas canvas(painter);
  FontSpec font;
  font.height = -16;
  canvas.SetFont(font);
  canvas.SetTextColor(kRed);
  canvas.SetBackColor(kYellow);
  canvas.TextOut(4, 2, U"Hello");

  const QFontMetrics metrics(ToQFont(font), &image_);
  const TSize extent = canvas.TextExtent(U"Hello");
  EXPECT_EQ(extent.cx, metrics.horizontalAdvance(QStringLiteral("Hello")));
  EXPECT_EQ(extent.cy, metrics.height());
  EXPECT_EQ(canvas.Metrics().ascent, metrics.ascent());
  EXPECT_EQ(canvas.PixelAt({5, 3}), kYellow);  // the cell's background
  EXPECT_EQ(canvas.PixelAt({4 + extent.cx + 2, 3}), kWhite);
  EXPECT_TRUE(HasInk(4, 4 + extent.cx));
  painter.end();
  image_.save(QStringLiteral("qtcanvas_text.png"));
}

TEST_F(QtCanvasTest, AdvancesPlaceEachGlyph) {
  QPainter painter(&image_);
  QtCanvas canvas(painter);
  canvas.SetTransparent(true);
  const int advances[] = {120};
  canvas.TextOut(0, 0, U"WW", advances);
  const int glyph = canvas.CharWidth(U'W');
  ASSERT_LT(glyph + 2, 120);
  EXPECT_TRUE(HasInk(0, glyph));
  EXPECT_FALSE(HasInk(glyph + 2, 118));  // the gap the advance opened
  EXPECT_TRUE(HasInk(120, 120 + glyph));
}

TEST_F(QtCanvasTest, LinesExcludeTheirEndAndClipsNest) {
  QPainter painter(&image_);
  QtCanvas canvas(painter);
  canvas.SetPen({kRed, 1, PenStyle::Solid});
  canvas.MoveTo({10, 10});
  canvas.LineTo({10, 20});
  EXPECT_EQ(canvas.PixelAt({10, 10}), kRed);
  EXPECT_EQ(canvas.PixelAt({10, 19}), kRed);
  EXPECT_EQ(canvas.PixelAt({10, 20}), kWhite);

  canvas.SetBrush({kYellow, BrushStyle::Solid});
  canvas.PushClipRect({50, 0, 100, 60});
  canvas.PushClipRect({0, 0, 70, 60});
  canvas.FillRect({0, 0, 240, 60});
  canvas.PopClipRect();
  canvas.PopClipRect();
  EXPECT_EQ(canvas.PixelAt({60, 5}), kYellow);
  EXPECT_EQ(canvas.PixelAt({45, 5}), kWhite);
  EXPECT_EQ(canvas.PixelAt({75, 5}), kWhite);
  canvas.FillRect({200, 0, 210, 10});  // unclipped again
  EXPECT_EQ(canvas.PixelAt({205, 5}), kYellow);
  EXPECT_THROW(canvas.PopClipRect(), std::logic_error);
}

TEST_F(QtCanvasTest, BitmapsStretchAndLeaveTheirTransparentColourOut) {
  QPainter painter(&image_);
  QtCanvas canvas(painter);
  Bitmap bitmap(2, 1);
  bitmap.Set(0, 0, 0xFF00FF00);
  bitmap.Set(1, 0, 0xFFFF0000);
  canvas.DrawBitmap({0, 0, 20, 10}, bitmap, kRed);
  EXPECT_EQ(canvas.PixelAt({4, 5}), 0x00FF00);
  EXPECT_EQ(canvas.PixelAt({15, 5}), kWhite);
}

}  // namespace
}  // namespace qs::qt
