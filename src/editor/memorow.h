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

// Runs never exceed the spacing table of the character metrics.
inline constexpr int kMaxRunLength = 512;

struct TDisplayRow {
  String text;
  std::string styles;  // one byte per cell of text, or empty when uncoloured
};

// Line of source with TABs expanded; each TAB's cells take the TAB's style
// byte. Style bytes the highlighter has not written yet count as 0.
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

}  // namespace qs
