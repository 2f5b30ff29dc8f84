#include "platform/headlessscreen.h"

namespace qs {

std::optional<TColor> HeadlessScreen::PixelAt(TPoint p) const {
  if (!TRect(0, 0, size.cx, size.cy).Contains(p)) return std::nullopt;
  const auto it = m_pixels.find({p.X, p.Y});
  return it == m_pixels.end() ? 0xFFFFFF : it->second;
}

}  // namespace qs
