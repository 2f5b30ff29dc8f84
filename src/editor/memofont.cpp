#include "editor/memofont.h"

#include <algorithm>
#include <cmath>

#include "support/fontcharsets.h"

namespace qs {

namespace {

int RoundedMulDiv(int value, int numerator, int denominator) {
  return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

}  // namespace

int FontHeightFromPoints(int points) {
  return -RoundedMulDiv(points, TMemoFont::kPixelsPerInch, 72);
}

int FontPointsFromHeight(int height) {
  return -RoundedMulDiv(height, 72, TMemoFont::kPixelsPerInch);
}

TMemoFont::TMemoFont(const TPersistent* owner)
    : m_owner(owner), m_charset(DEFAULT_CHARSET), m_height(FontHeightFromPoints(10)) {}

const ClassInfo& TMemoFont::StaticClassInfo() {
  using T = TMemoFont;
  // Charset, Color, Height, Name and Style are always written, as a font in
  // a form is; the size only mirrors the height and is never written.
  static const ClassInfo info(
      "TMemoFont", &TPersistent::StaticClassInfo(),
      {Prop::Integer<T>("Charset", &T::Charset, &T::SetCharset, DEFAULT_CHARSET)
           .Idents(CharsetIdents())
           .NoDefault(),
       Prop::Colour<T>("Color", &T::Color, &T::SetColor, clBlack).NoDefault(),
       Prop::Integer<T>("Height", &T::Height, &T::SetHeight, FontHeightFromPoints(10)).NoDefault(),
       Prop::String<T>("Name", &T::Name, &T::SetName, U"Courier New").NoDefault(),
       Prop::Enum<T>("Pitch", &T::Pitch, &T::SetPitch, fpDefault, kFontPitchNames),
       Prop::Integer<T>("Size", &T::Size, &T::SetSize, 10).StoredWhen([](const T&) {
         return false;
       }),
       Prop::Set<T>("Style", &T::Style, &T::SetStyle, 0, kFontStyleNames).NoDefault()});
  return info;
}

void TMemoFont::SetCharset(int charset) {
  charset = std::clamp(charset, 0, 255);
  if (m_charset == charset) return;
  m_charset = charset;
  Changed();
}

void TMemoFont::SetColor(TColor color) {
  if (m_color == color) return;
  m_color = color;
  Changed();
}

void TMemoFont::SetHeight(int height) {
  height = std::clamp(height, -kMaxHeight, kMaxHeight);
  if (m_height == height) return;
  m_height = height;
  Changed();
}

void TMemoFont::SetName(const String& name) {
  if (m_name == name) return;
  m_name = name;
  Changed();
}

void TMemoFont::SetPitch(TFontPitch pitch) {
  if (m_pitch == pitch) return;
  m_pitch = pitch;
  Changed();
}

int TMemoFont::Size() const noexcept {
  return FontPointsFromHeight(m_height);
}

void TMemoFont::SetSize(int points) {
  if (points == Size()) return;
  // Clamped in points first, so the product below cannot overflow.
  const int maxPoints = FontPointsFromHeight(-kMaxHeight);
  SetHeight(FontHeightFromPoints(std::clamp(points, -maxPoints, maxPoints)));
}

void TMemoFont::SetStyle(TFontStyles style) {
  style &= kAllFontStyles;
  if (m_style == style) return;
  m_style = style;
  Changed();
}

bool TMemoFont::SameResource(const TMemoFont& other) const noexcept {
  return m_name == other.m_name && m_height == other.m_height && m_style == other.m_style &&
         m_charset == other.m_charset && m_pitch == other.m_pitch;
}

}  // namespace qs
