// Which gutter image lies under a pointer x: the images flagged on a line are
// laid out as the gutter paints them, packed from the left (from x = 1) or
// from the right (from x = gutter width - 4), one pixel apart, each scaled to
// at most one pixel less than the row height.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/geometry.h"

namespace qs {

struct TGutterImageLayout {
  std::vector<TSize> glyphs;  // the collection's glyph sizes, in order
  int lineHeight = 16;
  int gutterWidth = 32;
  bool alignRight = false;
};

// The index in the collection of the image under x, or -1. Only images whose
// bit (0..15) is set in lineBits count.
[[nodiscard]] int GutterImageAt(const TGutterImageLayout& layout, std::uint32_t lineBits, int x);

}  // namespace qs
