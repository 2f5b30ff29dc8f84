// Pens and brushes as settings objects: colour, width and style, telling
// their owner of every change. A pen may carry a width limit its owner sets.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "editor/notifyingobject.h"
#include "support/colors.h"

namespace qs {

enum class TPenStyle : std::uint8_t {
  psSolid,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear,
  psInsideFrame,
};
using enum TPenStyle;
inline constexpr std::array<std::string_view, 7> kPenStyleNames = {
    "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};

enum class TBrushStyle : std::uint8_t {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross,
};
using enum TBrushStyle;
inline constexpr std::array<std::string_view, 8> kBrushStyleNames = {
    "bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
    "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};

class TPen : public TNotifyingPersistent {
 public:
  static constexpr int kMaxWidth = 100;

  TPen() = default;
  TPen(TColor color, int maxWidth) : m_color(color), m_maxWidth(maxWidth) {}

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  TColor Color() const noexcept { return m_color; }
  void SetColor(TColor color);
  TPenStyle Style() const noexcept { return m_style; }
  void SetStyle(TPenStyle style);
  int Width() const noexcept { return m_width; }
  // At least 1 and at most the pen's limit.
  void SetWidth(int width);
  // A width above the limit is set back to it, now and on every later change.
  void SetMaxWidth(int maxWidth);

 private:
  TColor m_color = clBlack;
  TPenStyle m_style = psSolid;
  int m_width = 1;
  int m_maxWidth = kMaxWidth;
};

class TBrush : public TNotifyingPersistent {
 public:
  TBrush() = default;
  explicit TBrush(TColor color) : m_color(color) {}

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  TColor Color() const noexcept { return m_color; }
  void SetColor(TColor color);
  TBrushStyle Style() const noexcept { return m_style; }
  void SetStyle(TBrushStyle style);

 private:
  TColor m_color = clWhite;
  TBrushStyle m_style = bsSolid;
};

}  // namespace qs
