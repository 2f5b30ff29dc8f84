// The part of a line's cells one display row shows, and column spans of the
// line (selection, found text) seen from the start of that row.
#pragma once

#include "editor/memorow.h"
#include "editor/wordwraplist.h"

namespace qs {

// The cells of row out of the cells of its whole line.
[[nodiscard]] TDisplayRow RowCells(const TDisplayRow& line, const TRowSpan& row);
// span (columns of the line) in columns of row. On a row that is not its
// line's last, a span running on into the next row runs to the row's end and
// beyond, as a span running past a line's end does on its last row.
[[nodiscard]] TColumnSpan RowColumns(const TRowSpan& row, TColumnSpan span);

}  // namespace qs
