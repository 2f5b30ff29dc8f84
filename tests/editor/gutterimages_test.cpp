#include <gtest/gtest.h>

#include <climits>

#include "editor/gutterimages.h"
#include "memofixture.h"
#include "platform/bitmapresources.h"

namespace qs {
namespace {

using testing::kRow;
using testing::MemoTest;

TEST(ScaledGlyphSize, FitsTheRowAndNeverDividesByZeroOrOverflows) {
  const struct {
    int width, height, lineHeight;
    TSize expected;
  } cases[] = {
      {9, 9, 16, {9, 9}},      // fits as it is
      {15, 15, 16, {15, 15}},  // exactly line height - 1
      {15, 15, 10, {9, 9}},    // scaled down in proportion
      {20, 10, 6, {10, 5}},    // wide glyph keeps its aspect
      {1, 30, 11, {0, 0}},     // scaled to nothing: not drawn
      {9, 0, 16, {0, 0}},      // empty glyph
      {0, 9, 16, {0, 0}},      //
      {-3, 9, 16, {0, 0}},     //
      {9, 9, 1, {0, 0}},       // a row too low for any picture
      {9, 9, 0, {0, 0}},       //
      {9, 9, -16, {0, 0}},     //
      {INT_MAX, INT_MAX, INT_MAX, {INT_MAX - 1, INT_MAX - 1}},
      {INT_MAX, 2, INT_MAX, {INT_MAX, 2}},
  };
  for (const auto& c : cases) {
    const TSize got = ScaledGlyphSize(c.width, c.height, c.lineHeight);
    EXPECT_EQ(got.cx, c.expected.cx) << c.width << "x" << c.height << " in " << c.lineHeight;
    EXPECT_EQ(got.cy, c.expected.cy) << c.width << "x" << c.height << " in " << c.lineHeight;
  }
}

TEST(GutterImages, TheDefaultsComeInOrderWithTheirDigitsAndPictures) {
  TQSGutterImages images;
  AddDefaultGutterImages(images,
                         FolderBitmapResources(std::string(QUILLON_SOURCE_DIR) + "/resources"));
  ASSERT_EQ(images.Count(), 11);
  EXPECT_EQ(images.Items(0).Name(), U"BreakPoint");
  EXPECT_EQ(images.Items(0).BookmarkIndex(), -1);
  EXPECT_EQ(images.Items(0).Glyph().width, 9);
  for (int digit = 0; digit <= 9; ++digit) {
    const TGutterImage& image = images.Items(digit + 1);
    EXPECT_EQ(image.Name(), U"Bookmark" + String(1, static_cast<Char>(U'0' + digit)));
    EXPECT_EQ(image.BookmarkIndex(), digit);
    EXPECT_EQ(image.Glyph().height, 15);
    EXPECT_EQ(images.DigitTable()[static_cast<std::size_t>(digit)], digit + 2);
  }
  // Bookmark 10 is drawn by the digit 0.
  EXPECT_EQ(images.BookmarkImage(10), &images.Items(1));
  EXPECT_EQ(images.BookmarkImage(3), &images.Items(4));
  EXPECT_EQ(images.BookmarkImage(0), nullptr);
  EXPECT_EQ(images.BookmarkImage(11), nullptr);
}

TEST(GutterImages, TheDigitTableFollowsChangesAndALaterImageWins) {
  TQSGutterImages images;
  images.Add().SetBookmarkIndex(4);
  images.Add().SetBookmarkIndex(4);
  EXPECT_EQ(images.DigitTable()[4], 2);
  images.Items(1).SetBookmarkIndex(-1);
  EXPECT_EQ(images.DigitTable()[4], 1);
  images.Delete(0);
  EXPECT_EQ(images.DigitTable()[4], 0);
  images.Items(0).SetBookmarkIndex(12);  // out of range: no bookmark image
  EXPECT_EQ(images.Items(0).BookmarkIndex(), -1);
}

class GutterTest : public MemoTest {
 protected:
  GutterTest() {
    SetText(U"one\ntwo\nthree\nfour");
    memo.SetOptions(SetBit(moDrawGutter));
    memo.SetGutterWidth(48);
  }
  std::vector<TRect> BitmapsOnRow(int row) const {
    std::vector<TRect> out;
    for (const CanvasRecord& r : canvas.RecordsOf(CanvasOp::Bitmap))
      if (r.rect.Top >= row * kRow && r.rect.Bottom <= (row + 1) * kRow) out.push_back(r.rect);
    return out;
  }
};

TEST_F(GutterTest, FlaggedImagesThenTheBookmarkArePackedFromTheLeftAndCentred) {
  memo.Source().SetGutterImage(1, 0, true);
  memo.Source().SetCaretPos(0, 1);
  memo.Source().SetBookmark(3);
  memo.Source().SetCaretPos(0, 2);
  memo.Source().SetBookmark(10);
  PaintAll();
  EXPECT_TRUE(BitmapsOnRow(0).empty());
  // Row 1: the 9 x 9 disc at x 1, then the 15 x 15 tile one pixel after it.
  const std::vector<TRect> row1 = BitmapsOnRow(1);
  ASSERT_EQ(row1.size(), 2u);
  EXPECT_EQ(row1[0], (TRect{1, kRow + 3, 10, kRow + 12}));
  EXPECT_EQ(row1[1], (TRect{11, kRow, 26, kRow + 15}));
  // Bookmark 10 shows the tile of the digit 0, whose green face is painted.
  const std::vector<TRect> row2 = BitmapsOnRow(2);
  ASSERT_EQ(row2.size(), 1u);
  EXPECT_EQ(row2[0].Left, 1);
  EXPECT_EQ(Pixel(4, 2 * kRow + 13), ColorFromArgb(0xFF20C040));
}

TEST_F(GutterTest, ImagesPackFromTheRightAndThoseThatDoNotFitAreLeftOut) {
  memo.SetGutterImgsAlign(iaRight);
  memo.Source().SetGutterImage(0, 0, true);
  memo.Source().SetBookmark(1);  // caret on line 0
  PaintAll();
  const std::vector<TRect> row0 = BitmapsOnRow(0);
  ASSERT_EQ(row0.size(), 2u);
  EXPECT_EQ(row0[0].Right, 48 - 4);
  EXPECT_EQ(row0[1].Right, row0[0].Left - 1);

  // A gutter of 20 pixels holds the disc but not the tile beside it.
  memo.SetGutterImgsAlign(iaLeft);
  memo.SetGutterWidth(20);
  PaintAll();
  ASSERT_EQ(BitmapsOnRow(0).size(), 1u);
  EXPECT_EQ(BitmapsOnRow(0)[0].Right, 10);
  // Nothing is drawn on the gutter's edge lines.
  memo.SetGutterWidth(3);
  PaintAll();
  EXPECT_TRUE(canvas.RecordsOf(CanvasOp::Bitmap).empty());
}

TEST(GutterImagesOnLowRows, AreScaledToTheRow) {
  HeadlessWindowHost host({0, 0, 200, 100});
  HeadlessCanvas measure(200, 100, 8, 10);
  TQSMemo memo(host, measure);
  memo.Source().LoadFromText(U"a\nb");
  memo.SetOptions(SetBit(moDrawGutter));
  memo.Source().SetGutterImage(0, 0, true);
  memo.Source().SetBookmark(2);
  HeadlessCanvas canvas(200, 100);
  memo.Paint(canvas, host.ClientRect());
  const std::vector<CanvasRecord> bitmaps = canvas.RecordsOf(CanvasOp::Bitmap);
  ASSERT_EQ(bitmaps.size(), 2u);
  EXPECT_EQ(bitmaps[0].rect, (TRect{1, 0, 10, 9}));
  EXPECT_EQ(bitmaps[1].rect, (TRect{11, 0, 20, 9}));
}

TEST_F(GutterTest, AnImageWithoutAPictureIsSkippedAndAChangeRepaints) {
  memo.GutterImgs().Items(0).SetGlyph(Bitmap());
  memo.Source().SetGutterImage(0, 0, true);
  PaintAll();
  EXPECT_TRUE(canvas.RecordsOf(CanvasOp::Bitmap).empty());
  host.ClearInvalidated();
  memo.GutterImgs().Items(0).SetGlyph(Bitmap(4, 4, 0xFF0000FF));
  EXPECT_EQ(host.InvalidUnion(), host.ClientRect());
  PaintAll();
  EXPECT_EQ(canvas.RecordsOf(CanvasOp::Bitmap).size(), 1u);
}

}  // namespace
}  // namespace qs
