// A font as the program names it, and the metrics a canvas reports for it.
#pragma once

#include "support/qschar.h"

namespace qs {

enum class FontPitch { Default, Fixed, Variable };

// Character sets as stored with fonts in the program's settings.
inline constexpr int kAnsiCharset = 0;
inline constexpr int kDefaultCharset = 1;
inline constexpr int kRussianCharset = 204;
inline constexpr int kOemCharset = 255;

struct FontSpec {
  String name;     // empty: the desktop's default font
  int height = 0;  // pixels; negative: character height, positive: cell height; 0: use size
  int size = 10;   // points, used when height is 0
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charset = kDefaultCharset;
  FontPitch pitch = FontPitch::Default;

  bool operator==(const FontSpec&) const = default;

  // The character height in pixels on a device with dpi dots per inch; a
  // positive (cell) height is taken as it is, having no better measure here.
  [[nodiscard]] int CharacterHeight(int dpi) const;
};

// The negative height of a size in points: -round(points * dpi / 72).
[[nodiscard]] int HeightFromPoints(int points, int dpi);
// The size in points of a (signed) pixel height: round(|height| * 72 / dpi).
[[nodiscard]] int PointsFromHeight(int height, int dpi);

struct FontMetrics {
  int height = 0;  // ascent + descent: the cell height of a line
  int ascent = 0;
  int descent = 0;
  int averageCharWidth = 0;
  int maxCharWidth = 0;
  int overhang = 0;  // extra width of synthesised bold or italic
  bool fixedPitch = false;

  bool operator==(const FontMetrics&) const = default;
};

}  // namespace qs
