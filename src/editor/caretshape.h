// The caret's size and place: a thin bar in insert mode, a character-wide
// block in overwrite mode when asked for, and out of sight where the caret's
// column is not in the text area.
#pragma once

#include "platform/geometry.h"

namespace qs {

struct TCaretShapeInput {
  bool hideCaret = false;
  bool blockInOverwrite = false;  // overwrite mode with the overwrite-caret option
  int insertWidth = 2;            // the desktop's insert caret width
  int charWidth = 8;              // width of the character under the caret
  int fontHeight = 16;            // height of the font the caret is measured on
  int rowHeight = 16;             // height of the display row
  TPoint cell;                    // top-left of the caret's cell in client pixels
  int textLeft = 0;
};

struct TCaretShape {
  int width = 1;
  int height = 1;
  TPoint pos;
  bool operator==(const TCaretShape&) const = default;
};

// Where a caret that must not be seen is put, so it never blinks over the
// gutter or above the window.
inline constexpr TPoint kHiddenCaretPos{-5, -5};

[[nodiscard]] TCaretShape ComputeCaretShape(const TCaretShapeInput& in);

}  // namespace qs
