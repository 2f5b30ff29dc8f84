#include "editor/charmetrics.h"

#include <algorithm>

#include "editor/memofont.h"
#include "editor/textstyles.h"

namespace qs {

namespace {

constexpr StringView kTallText = U"Wg";

// The largest value of f over the fonts that take part: the control font,
// the style fonts in fixed cells, and the highlighter's font.
template <class F>
int Widest(const MetricFonts& fonts, F f) {
  int result = f(fonts.controlFont);
  if (fonts.useMonoFont)
    for (int i = 0; i < fonts.styles.Count(); ++i)
      result = std::max(result, f(fonts.styles.Items(i).Font()));
  if (fonts.highlighterFont) result = std::max(result, f(*fonts.highlighterFont));
  return result;
}

bool IsUniformCell(const IFontMeasure& measure, const TMemoFont& font) {
  return measure.IsFixedPitch(font) &&
         measure.Extent(font, U"x").cy == measure.Extent(font, kTallText).cy;
}

}  // namespace

int ComputeLineHeight(const IFontMeasure& measure, const MetricFonts& fonts) {
  return Widest(fonts, [&](const TMemoFont& font) { return measure.Extent(font, kTallText).cy; });
}

int ComputeCharWidth(const IFontMeasure& measure, const MetricFonts& fonts) {
  return Widest(fonts, [&](const TMemoFont& font) { return measure.AverageCharWidth(font); });
}

bool ComputeUniformFont(const IFontMeasure& measure, const MetricFonts& fonts) {
  if (!IsUniformCell(measure, fonts.controlFont)) return false;
  for (int i = 0; i < fonts.styles.Count(); ++i) {
    const TMemoFont& font = fonts.styles.Items(i).Font();
    if (!IsUniformCell(measure, font) || !font.SameResource(fonts.controlFont)) return false;
  }
  return true;
}

int TCharMetrics::LineHeight(const MetricFonts& fonts) {
  if (m_lineHeight <= 0) m_lineHeight = std::max(1, ComputeLineHeight(m_measure, fonts));
  return m_lineHeight;
}

int TCharMetrics::CharWidth(const MetricFonts& fonts) {
  if (m_charWidth <= 0) {
    m_charWidth = std::max(1, ComputeCharWidth(m_measure, fonts));
    m_spacing.fill(m_charWidth);
  }
  return m_charWidth;
}

void TCharMetrics::RecomputeUniformFont(const MetricFonts& fonts) {
  m_uniform = ComputeUniformFont(m_measure, fonts);
}

}  // namespace qs
