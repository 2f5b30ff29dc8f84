// One row of an editor control as it is drawn: the tab-expanded text with a
// style byte per cell, and its split into runs that share a style, a
// selected state and a found-text state.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/qschar.h"

namespace qs {

class TCustomMemoSource;
class TSpecialSymbols;

// Runs never exceed the spacing table of the character metrics.
inline constexpr int kMaxRunLength = 512;

struct TDisplayRow {
  String text;
  std::string styles;  // one byte per cell of text, or empty when uncoloured
  // Cells of the line's own text; markers appended after it are not counted.
  std::int32_t lineLength = 0;
};

struct TDisplayRowOptions {
  bool withStyles = false;
  // The markers while special symbols are shown; nullptr when they are not.
  const TSpecialSymbols* symbols = nullptr;
  // Spaces and TABs shown by their markers too (only in fixed cells).
  bool markBlanks = false;
  // The DOS display: each character shown as the CP866 reading of its
  // windows-1251 byte, the text itself unchanged.
  bool dosCharset = false;
};

// Line of source with TABs expanded; each TAB's cells take the TAB's style
// byte. Style bytes the highlighter has not written yet count as 0. With
// symbols, an existing line ends in the end-of-line marker and the row just
// past the last line shows the end-of-file marker (style 0 both); with
// markBlanks a space shows the space marker and a TAB of n cells its marker
// in cell max(n / 2 - 1, 0).
TDisplayRow BuildDisplayRow(const TCustomMemoSource& source, std::int32_t line,
                            const TDisplayRowOptions& options);
TDisplayRow BuildDisplayRow(const TCustomMemoSource& source, std::int32_t line, bool withStyles);

struct TColumnSpan {
  std::int32_t from = 0;
  std::int32_t to = 0;  // exclusive
  [[nodiscard]] bool Contains(std::int32_t c) const noexcept { return c >= from && c < to; }
};

struct TTextRun {
  std::int32_t start = 0;
  std::int32_t length = 0;
  int style = 0;
  bool selected = false;
  bool found = false;
};

struct TRunOptions {
  TColumnSpan selection;
  TColumnSpan found;
  // Without syntax colouring only URL characters keep their style.
  bool urlsOnly = false;
  int urlStyle = 17;
};

std::vector<TTextRun> SplitRuns(const TDisplayRow& row, const TRunOptions& options);

// Where the columns of one row lie across the window.
struct TRowGeometry {
  int origin = 0;  // the x of column 0
  // In fixed cells the width of every column; in proportional layout that of
  // each column past the end of the row (one space).
  int cellWidth = 8;
  // Proportional layout: the x of each cell from origin, then of the row's
  // end. Empty in fixed cells.
  std::vector<int> offsets;
  // Proportional layout: the largest ascent among the row's fonts, on which
  // every run's baseline sits.
  int ascent = 0;

  [[nodiscard]] int X(std::int64_t column) const noexcept;
};

}  // namespace qs
