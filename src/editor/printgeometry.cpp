#include "editor/printgeometry.h"

#include <algorithm>
#include <limits>

namespace qs {

namespace {

int AtLeastOne(int v) {
  return std::max(v, 1);
}

// length device pixels at fromDpi, in pixels of a device at toDpi.
std::int64_t Rescale(int length, int fromDpi, int toDpi) {
  return static_cast<std::int64_t>(std::max(length, 0)) * toDpi / fromDpi;
}

int ToInt(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, 0, std::numeric_limits<int>::max()));
}

}  // namespace

TPrintGeometry ComputePrintGeometry(const TPrintGeometryInput& in) noexcept {
  const int px = AtLeastOne(in.printerDpi.cx);
  const int py = AtLeastOne(in.printerDpi.cy);
  const int sx = AtLeastOne(in.screenDpi.cx);
  const int sy = AtLeastOne(in.screenDpi.cy);
  const int lh = AtLeastOne(in.lineHeight);
  const int cw = AtLeastOne(in.charWidth);

  TPrintGeometry g;
  g.scaleX = static_cast<double>(px) / sx;
  g.scaleY = static_cast<double>(py) / sy;
  std::int64_t width = Rescale(in.printerPage.cx, px, sx);
  std::int64_t height = Rescale(in.printerPage.cy, py, sy);
  g.paperWidth = AtLeastOne(ToInt(width));
  if (in.useMonoFont) width = width / cw * cw;
  if (in.header) {
    height -= lh;
    g.headerHeight = ToInt(Rescale(lh, sy, py));
    g.targetTop = g.headerHeight;
  }
  g.rowsPerPage = AtLeastOne(ToInt(height / lh));
  g.page = {AtLeastOne(ToInt(std::max<std::int64_t>(width, cw))),
            ToInt(static_cast<std::int64_t>(g.rowsPerPage) * lh)};
  return g;
}

std::int32_t TPrintGeometry::PageCount(std::int32_t rows) const noexcept {
  if (rows <= 0) return 0;
  return static_cast<std::int32_t>((static_cast<std::int64_t>(rows) + rowsPerPage - 1) /
                                   rowsPerPage);
}

}  // namespace qs
