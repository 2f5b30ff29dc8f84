// The editor widget painting a highlighted PHP page into an image: checked
// by its pixels, not against a stored picture.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <set>

#include "editor/globalstyleresolver.h"
#include "editor/memoenvoptions.h"
#include "qt/qtmemowidget.h"
#include "syntax/qsparser.h"

namespace {

std::string SourceRoot() {
  return QUILLON_SOURCE_DIR;
}

constexpr const char32_t* kPhp =
    U"<?php\n"
    U"// a comment line\n"
    U"$total = 42;\n"
    U"function greet($name) {\n"
    U"  echo \"Hello, \" . $name;\n"
    U"}\n"
    U"?>\n"
    U"<p>plain html</p>\n";

class WidgetPaint : public ::testing::Test {
 protected:
  WidgetPaint() : resolver(qs::MemoEnvOptions()) {
    parser.SetStyleResolver(&resolver);
    parser.SetUseGlobalOptions(true);
    scheme.LoadFromFile(SourceRoot() + "/syntaxschemes/php.sch");
    parser.SetSyntaxScheme(scheme);
    qs::TQSMemo& memo = widget.Memo();
    memo.SetSyntaxParser(&parser);
    memo.Source().LoadFromText(kPhp);
    memo.SetOptions(qs::SetBit(qs::moDrawGutter) | qs::SetBit(qs::moLineNumbers) |
                    qs::SetBit(qs::moLineNumbersOnGutter) | qs::SetBit(qs::moColorSyntax));
    memo.SetGutterWidth(48);
    widget.resize(640, 400);
  }

  QImage Shot() {
    QImage image(widget.viewport()->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.viewport()->render(&image);
    return image;
  }

  qs::TGlobalStyleResolver resolver;
  qs::TSyntaxParser parser;
  qs::TSyntaxScheme scheme;
  qs::qt::QtMemoWidget widget;
};

TEST_F(WidgetPaint, APhpPageShowsGutterNumbersAndColoursByTokenKind) {
  const QImage shot = Shot();
  qs::TQSMemo& memo = widget.Memo();
  const qs::TMemoLayout layout = memo.Layout();
  const int lh = memo.LineHeight();
  ASSERT_GT(lh, 4);
  EXPECT_FALSE(shot.pixelColor(0, 0) == QColor(Qt::magenta)) << "nothing painted";

  // The gutter has its own fill, unlike the text area.
  const QRgb textBack = shot.pixel(shot.width() - 10, 12 * lh + lh / 2);
  EXPECT_NE(shot.pixel(2, 12 * lh + lh / 2), textBack);
  // Line numbers put ink on the gutter of the rows that hold lines.
  std::set<QRgb> gutterInk;
  for (int y = 0; y < lh; ++y)
    for (int x = 0; x < layout.gutter - 2; ++x) gutterInk.insert(shot.pixel(x, y));
  EXPECT_GE(gutterInk.size(), 2u);

  // Comments, numbers, strings, keywords and HTML are told apart by colour.
  std::set<QRgb> inks;
  for (int y = 0; y < 8 * lh; ++y)
    for (int x = layout.textLeft; x < layout.textLeft + 300; ++x) {
      const QRgb c = shot.pixel(x, y);
      if (c != textBack) inks.insert(c & 0xF0F0F0);
    }
  EXPECT_GE(inks.size(), 4u);
  // The comment row (line 2) carries ink of a colour the keyword row (line 1)
  // does not have, and the reverse.
  const auto rowInks = [&](int row) {
    std::set<QRgb> out;
    for (int y = row * lh; y < (row + 1) * lh; ++y)
      for (int x = layout.textLeft; x < layout.textLeft + 200; ++x)
        if (shot.pixel(x, y) != textBack) out.insert(shot.pixel(x, y) & 0xF0F0F0);
    return out;
  };
  EXPECT_NE(rowInks(0), rowInks(1));
}

TEST_F(WidgetPaint, BookmarksAreDrawnFromTheShippedPicturesThroughQt) {
  qs::TQSMemo& memo = widget.Memo();
  memo.Source().SetCaretPos(0, 2);
  memo.Source().SetBookmark(4);
  memo.Source().SetGutterImage(3, 0, true);
  const QImage shot = Shot();
  const int lh = memo.LineHeight();
  const QRgb green = qRgb(0x20, 0xC0, 0x40);
  const QRgb red = qRgb(0xFF, 0, 0);
  int greenOnRow2 = 0, redOnRow3 = 0, greenElsewhere = 0;
  for (int y = 0; y < 6 * lh; ++y)
    for (int x = 0; x < memo.Layout().gutter; ++x) {
      const QRgb c = shot.pixel(x, y) & 0xFFFFFF;
      if (c == (green & 0xFFFFFF)) (y / lh == 2 ? greenOnRow2 : greenElsewhere)++;
      if (c == (red & 0xFFFFFF) && y / lh == 3) ++redOnRow3;
    }
  EXPECT_GT(greenOnRow2, 10);
  EXPECT_EQ(greenElsewhere, 0);
  EXPECT_GT(redOnRow3, 10) << "the break point disc";
}

}  // namespace
