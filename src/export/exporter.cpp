#include "export/exporter.h"

namespace qs {

void TQSExporter::WriteString(std::string_view s) {
  if (!s.empty()) m_stream.Write(s);
}

TRgb ResolveRgb(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return {static_cast<std::uint8_t>(rgb & 0xFF), static_cast<std::uint8_t>((rgb >> 8) & 0xFF),
          static_cast<std::uint8_t>((rgb >> 16) & 0xFF)};
}

}  // namespace qs
