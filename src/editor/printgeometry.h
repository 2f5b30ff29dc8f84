// Where a printed page's text goes: the size of the page in the print
// editor's screen pixels, the rows a page holds, and the scale that carries
// screen pixels onto the printer's, the same on both axes as the two
// devices' resolutions say, so printed text keeps its proportions.
#pragma once

#include <cstdint>

#include "platform/geometry.h"

namespace qs {

struct TPrintGeometryInput {
  TSize printerDpi;   // Px, Py
  TSize screenDpi;    // Sx, Sy
  TSize printerPage;  // the printable area, printer pixels
  int lineHeight = 16;
  int charWidth = 8;
  bool useMonoFont = true;
  bool header = false;
};

struct TPrintGeometry {
  // The print editor's paint size: whole rows only, so no row is cut at the
  // bottom of one page and printed again on the next.
  TSize page;
  int rowsPerPage = 1;  // at least 1, however short the paper
  int paperWidth = 1;   // the printable width in screen pixels, not cut to cells
  // Printer pixels per screen pixel.
  double scaleX = 1;
  double scaleY = 1;
  int headerHeight = 0;  // on paper; 0 without a header
  int targetTop = 0;     // where the text rows start on paper

  [[nodiscard]] std::int32_t PageCount(std::int32_t rows) const noexcept;
};

// Resolutions below 1 dpi are taken as 1, sizes below 1 pixel as 1.
[[nodiscard]] TPrintGeometry ComputePrintGeometry(const TPrintGeometryInput& in) noexcept;

}  // namespace qs
