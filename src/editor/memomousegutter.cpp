#include "editor/memomousegutter.h"

#include <algorithm>

namespace qs {

namespace {

constexpr int kImageBits = 16;

TSize ShownSize(TSize glyph, int lineHeight) {
  if (glyph.cx <= 0 || glyph.cy <= 0) return {0, 0};
  const int height = std::max(std::min(glyph.cy, lineHeight - 1), 1);
  const auto width = static_cast<int>(static_cast<std::int64_t>(glyph.cx) * height / glyph.cy);
  return {std::max(width, 1), height};
}

}  // namespace

int GutterImageAt(const TGutterImageLayout& layout, std::uint32_t lineBits, int x) {
  int next = layout.alignRight ? layout.gutterWidth - 4 : 1;
  const int count = std::min(static_cast<int>(layout.glyphs.size()), kImageBits);
  for (int n = 0; n < count; ++n) {
    if ((lineBits & (1u << n)) == 0) continue;
    const TSize size = ShownSize(layout.glyphs[static_cast<std::size_t>(n)], layout.lineHeight);
    int left = next;
    if (layout.alignRight) {
      next -= size.cx + 1;
      left = next;
    } else {
      next += size.cx + 1;
    }
    if (x >= left && x < left + size.cx) return n;
  }
  return -1;
}

}  // namespace qs
