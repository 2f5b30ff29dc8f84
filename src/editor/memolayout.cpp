#include "editor/memolayout.h"

#include <algorithm>

namespace qs {

int DecimalDigits(std::int64_t n) noexcept {
  int digits = 1;
  for (; n >= 10; n /= 10) ++digits;
  return digits;
}

int VisibleRowsFor(int clientHeight, int lineHeight) noexcept {
  if (lineHeight <= 0) return 0;
  return std::max(0, clientHeight / lineHeight - 1);
}

TMemoLayout ComputeLayout(const TMemoLayoutInput& in) noexcept {
  TMemoLayout out;
  const TMemoOptions o = in.options;
  const int cw = std::max(in.charWidth, 1);
  out.visibleRows = VisibleRowsFor(in.clientHeight, in.lineHeight);
  // The numbers must fit the highest one that a row just below the window
  // could show, so the column does not jump while scrolling down.
  const std::int64_t highest = std::max<std::int64_t>(
      in.lineCount, static_cast<std::int64_t>(in.topLine) + out.visibleRows + 2);
  out.numberDigits = DecimalDigits(highest);
  out.numberWidth = cw * (out.numberDigits + 1);
  out.showNumbers = HasOption(o, moLineNumbers);
  const int gutterWidth = std::max(in.gutterWidth, 0);
  if (HasOption(o, moDrawGutter)) {
    out.gutter = out.showNumbers && HasOption(o, moLineNumbersOnGutter)
                     ? std::max(out.numberWidth + in.gutterLineIndent + 2, gutterWidth)
                     : gutterWidth;
  }
  out.numbersOnGutter = out.showNumbers && out.gutter > 0 && HasOption(o, moLineNumbersOnGutter);
  out.indent = HasOption(o, moLeftIndent) && in.leftIndent > 0 ? in.leftIndent : 0;
  out.foldWidth = HasOption(o, moHideInvisibleLines) && !in.wordWrap ? in.lineHeight : 0;
  out.textLeft = out.gutter + (out.showNumbers && !out.numbersOnGutter ? out.numberWidth : 0) +
                 out.indent + out.foldWidth;
  out.visibleColumns = std::max(0, (in.clientWidth - cw - out.textLeft) / cw);
  return out;
}

int LineNumberX(const TMemoLayout& layout, bool rightJustified, int gutterLineIndent) noexcept {
  if (!layout.numbersOnGutter) return layout.gutter + layout.indent;
  return rightJustified ? layout.gutter - layout.numberWidth - gutterLineIndent : gutterLineIndent;
}

int FoldMarkSize(int lineHeight) noexcept {
  if (lineHeight < 17) return lineHeight / 8;
  return std::max((lineHeight - 16) / 2, lineHeight / 8);
}

}  // namespace qs
