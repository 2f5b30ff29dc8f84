// The line height, character cell width and spacing table that layout and
// painting use, derived from the control font and, when text is laid out in
// fixed cells, from every style font as well, so each cell fits the widest
// and tallest of them.
#pragma once

#include <array>

#include "editor/fontmeasure.h"

namespace qs {

class TMemoFont;
class TTextStyles;

inline constexpr int kSpacingTableSize = 512;
using SpacingTable = std::array<int, kSpacingTableSize>;

struct MetricFonts {
  const TMemoFont& controlFont;
  const TTextStyles& styles;
  bool useMonoFont = true;
  const TMemoFont* highlighterFont = nullptr;  // the highlighter's default font, if any
};

// The height of "Wg": of the control font, with fixed cells the tallest of it
// and every style font, and never less than the highlighter's font.
int ComputeLineHeight(const IFontMeasure& measure, const MetricFonts& fonts);
// The average character width, maximised over the same fonts.
int ComputeCharWidth(const IFontMeasure& measure, const MetricFonts& fonts);
// True when every character can be drawn without the spacing table: the
// control font is fixed-pitch with "x" as tall as "Wg", and every style font
// is too and is the same font resource (colour aside).
bool ComputeUniformFont(const IFontMeasure& measure, const MetricFonts& fonts);

// The cached values a control keeps; each Reset makes the next read compute.
class TCharMetrics {
 public:
  explicit TCharMetrics(const IFontMeasure& measure) : m_measure(measure) {}

  int LineHeight(const MetricFonts& fonts);
  void ResetLineHeight() noexcept { m_lineHeight = 0; }
  // Computing the width rebuilds the spacing table with it.
  int CharWidth(const MetricFonts& fonts);
  void ResetCharWidth() noexcept { m_charWidth = 0; }
  const SpacingTable& Spacing() const noexcept { return m_spacing; }

  void RecomputeUniformFont(const MetricFonts& fonts);
  bool UniformFont() const noexcept { return m_uniform; }
  // Text output is given the spacing table only in fixed cells with mixed fonts.
  bool NeedsSpacing(bool useMonoFont) const noexcept { return useMonoFont && !m_uniform; }

 private:
  const IFontMeasure& m_measure;
  int m_lineHeight = 0;
  int m_charWidth = 0;
  SpacingTable m_spacing{};
  bool m_uniform = false;
};

}  // namespace qs
