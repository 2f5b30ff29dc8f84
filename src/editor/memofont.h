// The font of an editor control or of a text style: face, size, colour, style
// set, charset and pitch. It knows its owner and tells it of every change,
// once per change and once per Assign.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "editor/notifyingobject.h"
#include "support/colors.h"
#include "support/qschar.h"
#include "syntax/attrfont.h"

namespace qs {

// The style set is the one scheme attributes use.
inline constexpr std::array<std::string_view, 4> kFontStyleNames = {"fsBold", "fsItalic",
                                                                    "fsUnderline", "fsStrikeOut"};
inline constexpr TFontStyles kAllFontStyles = 0xF;

enum class TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };
using enum TFontPitch;
inline constexpr std::array<std::string_view, 3> kFontPitchNames = {"fpDefault", "fpVariable",
                                                                    "fpFixed"};

class TMemoFont : public TNotifyingPersistent {
 public:
  // Sizes are converted to pixel heights at the resolution of the screen.
  static constexpr int kPixelsPerInch = 96;
  // A height beyond this many pixels is taken as this many: nothing larger is
  // a usable editor font, and stored garbage must not reach the metrics.
  static constexpr int kMaxHeight = 1000;

  explicit TMemoFont(const TPersistent* owner = nullptr);

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  const TPersistent* Owner() const noexcept { return m_owner; }

  int Charset() const noexcept { return m_charset; }
  void SetCharset(int charset);  // a byte: clamped to 0..255
  TColor Color() const noexcept { return m_color; }
  void SetColor(TColor color);
  // Negative: character height; positive: cell height (both in pixels).
  int Height() const noexcept { return m_height; }
  void SetHeight(int height);
  const String& Name() const noexcept { return m_name; }
  void SetName(const String& name);
  TFontPitch Pitch() const noexcept { return m_pitch; }
  void SetPitch(TFontPitch pitch);
  // Points, derived from the height; setting the size the height already
  // gives keeps that height, so a stored height survives a reload exactly.
  int Size() const noexcept;
  void SetSize(int points);
  TFontStyles Style() const noexcept { return m_style; }
  void SetStyle(TFontStyles style);
  bool HasStyle(TFontStyle style) const noexcept { return (m_style & SetBit(style)) != 0; }

  // Whether both name the same font resource: face, height, style set,
  // charset and pitch agree (colour does not matter).
  bool SameResource(const TMemoFont& other) const noexcept;

 private:
  const TPersistent* m_owner;

  int m_charset;
  TColor m_color = clBlack;
  int m_height;
  String m_name = U"Courier New";
  TFontPitch m_pitch = fpDefault;
  TFontStyles m_style = 0;
};

// The pixel height of a size in points and back, rounded to nearest.
int FontHeightFromPoints(int points);
int FontPointsFromHeight(int height);

}  // namespace qs
