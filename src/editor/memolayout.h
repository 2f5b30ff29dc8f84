// Where the columns of an editor control lie across its client area: the
// gutter, the left indent, the line numbers, the fold column and the text,
// and how many rows and columns of text fit.
#pragma once

#include <cstdint>

#include "editor/memooptions.h"

namespace qs {

struct TMemoLayoutInput {
  TMemoOptions options = 0;
  int gutterWidth = 32;
  int gutterLineIndent = 0;
  int leftIndent = 0;
  bool wordWrap = false;
  std::int32_t lineCount = 0;
  std::int32_t topLine = 0;
  int lineHeight = 16;
  int charWidth = 8;
  int clientWidth = 0;
  int clientHeight = 0;
};

struct TMemoLayout {
  int numberDigits = 1;  // ND
  int numberWidth = 0;   // LNW: one cell more than the digits
  int gutter = 0;        // GW
  int indent = 0;        // the blank strip after the gutter (0 when off)
  int foldWidth = 0;
  int textLeft = 0;  // TL
  bool showNumbers = false;
  bool numbersOnGutter = false;
  int visibleRows = 0;  // VR: rows past the first that fit wholly
  int visibleColumns = 0;
};

[[nodiscard]] int DecimalDigits(std::int64_t n) noexcept;
// Rows that fit below the first one; 0 while the line height is unknown.
[[nodiscard]] int VisibleRowsFor(int clientHeight, int lineHeight) noexcept;
[[nodiscard]] TMemoLayout ComputeLayout(const TMemoLayoutInput& in) noexcept;
// The x of the line-number column's left edge.
[[nodiscard]] int LineNumberX(const TMemoLayout& layout, bool rightJustified,
                              int gutterLineIndent) noexcept;

// The half-length of the mark inside a fold button in a row of lineHeight.
[[nodiscard]] int FoldMarkSize(int lineHeight) noexcept;

}  // namespace qs
