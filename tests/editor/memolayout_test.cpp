#include <gtest/gtest.h>

#include "editor/memolayout.h"

namespace qs {
namespace {

constexpr TMemoOptions kGutterNumbers =
    SetBit(moDrawGutter) | SetBit(moLineNumbers) | SetBit(moLineNumbersOnGutter);

struct LayoutCase {
  const char* what;
  TMemoOptions options;
  int gutterWidth, gutterLineIndent, leftIndent;
  std::int32_t lines;
  int digits, numberWidth, gutter, textLeft;
};

TEST(MemoLayout, ColumnsFollowTheOptions) {
  const LayoutCase cases[] = {
      {"no gutter, no numbers", 0, 32, 0, 10, 5, 2, 24, 0, 0},
      {"gutter only", SetBit(moDrawGutter), 32, 0, 0, 5, 2, 24, 32, 32},
      {"3-digit numbers widen the gutter past its width", kGutterNumbers, 32, 0, 0, 100, 3, 32, 34,
       34},
      {"a wide gutter keeps its width", kGutterNumbers, 60, 4, 0, 100, 3, 32, 60, 60},
      {"numbers in their own column", SetBit(moDrawGutter) | SetBit(moLineNumbers), 32, 0, 0, 5, 2,
       24, 32, 56},
      {"numbers without a gutter stand alone",
       SetBit(moLineNumbers) | SetBit(moLineNumbersOnGutter), 32, 0, 0, 5, 2, 24, 0, 24},
      {"left indent counts only with its option", SetBit(moDrawGutter) | SetBit(moLeftIndent), 32,
       0, 10, 5, 2, 24, 32, 42},
      {"indent without the option", SetBit(moDrawGutter), 32, 0, 10, 5, 2, 24, 32, 32},
      {"a negative gutter width is none", SetBit(moDrawGutter), -7, 0, 0, 5, 2, 24, 0, 0},
      {"fold column takes a row height", SetBit(moHideInvisibleLines), 32, 0, 0, 5, 2, 24, 0, 16},
  };
  for (const LayoutCase& c : cases) {
    TMemoLayoutInput in;
    in.options = c.options;
    in.gutterWidth = c.gutterWidth;
    in.gutterLineIndent = c.gutterLineIndent;
    in.leftIndent = c.leftIndent;
    in.lineCount = c.lines;
    in.clientWidth = 320;
    in.clientHeight = 160;
    const TMemoLayout out = ComputeLayout(in);
    EXPECT_EQ(out.numberDigits, c.digits) << c.what;
    EXPECT_EQ(out.numberWidth, c.numberWidth) << c.what;
    EXPECT_EQ(out.gutter, c.gutter) << c.what;
    EXPECT_EQ(out.textLeft, c.textLeft) << c.what;
  }
}

TEST(MemoLayout, NumberWidthFollowsTheHighestNumberThatCanBeVisible) {
  TMemoLayoutInput in;
  in.options = kGutterNumbers;
  in.lineCount = 5;
  in.clientHeight = 160;  // ten rows: VR = 9
  in.topLine = 0;
  EXPECT_EQ(ComputeLayout(in).numberDigits, 2);  // the row below the window shows 11
  in.clientHeight = 96;                          // six rows: the row below shows 7
  EXPECT_EQ(ComputeLayout(in).numberDigits, 1);
  in.topLine = 95;  // rows 96..101 visible, 102 below
  EXPECT_EQ(ComputeLayout(in).numberDigits, 3);
}

TEST(MemoLayout, RowsAndColumnsThatFit) {
  TMemoLayoutInput in;
  in.options = SetBit(moDrawGutter);
  in.clientWidth = 320;
  in.clientHeight = 165;
  const TMemoLayout out = ComputeLayout(in);
  EXPECT_EQ(out.visibleRows, 9);                      // 165 / 16 - 1
  EXPECT_EQ(out.visibleColumns, (320 - 8 - 32) / 8);  // one cell kept free
  EXPECT_EQ(VisibleRowsFor(10, 16), 0);
  EXPECT_EQ(VisibleRowsFor(100, 0), 0);
  EXPECT_EQ(LineNumberX(out, true, 0), 32);  // not on the gutter: after it
}

TEST(MemoLayout, NumbersOnTheGutterAlignInsideIt) {
  TMemoLayoutInput in;
  in.options = kGutterNumbers;
  in.gutterWidth = 60;
  in.gutterLineIndent = 4;
  in.lineCount = 100;
  const TMemoLayout out = ComputeLayout(in);
  EXPECT_EQ(LineNumberX(out, true, 4), 60 - 32 - 4);
  EXPECT_EQ(LineNumberX(out, false, 4), 4);
}

}  // namespace
}  // namespace qs
