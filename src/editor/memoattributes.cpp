#include "editor/memoattributes.h"

#include <algorithm>

#include "editor/canvasfontmeasure.h"

namespace qs {

TAttributeMask StyleMaskBit(TFontStyle style) noexcept {
  switch (style) {
    case fsBold:
      return amBold;
    case fsItalic:
      return amItalic;
    case fsUnderline:
      return amUnderline;
    case fsStrikeOut:
      return amStrikeOut;
  }
  return 0;
}

TAttributeMask StyleMaskBits(TFontStyles styles) noexcept {
  TAttributeMask bits = 0;
  for (const TFontStyle s : {fsBold, fsItalic, fsUnderline, fsStrikeOut})
    if ((styles & SetBit(s)) != 0) bits |= StyleMaskBit(s);
  return bits;
}

FontSpec ToFontSpec(const TAttributeSet& set) {
  FontSpec face;
  face.name = set.name;
  face.height = 0;
  face.size = set.size;
  face.bold = (set.style & SetBit(fsBold)) != 0;
  face.italic = (set.style & SetBit(fsItalic)) != 0;
  face.underline = (set.style & SetBit(fsUnderline)) != 0;
  face.strikeOut = (set.style & SetBit(fsStrikeOut)) != 0;
  face.charset = set.charset;
  face.pitch = ToPitch(set.pitch);
  return face;
}

TAttributeSet AttributeSetOf(const TMemoFont& font, TColor backColor) {
  TAttributeSet set;
  set.name = font.Name();
  set.size = font.Size();
  set.style = font.Style();
  set.charset = font.Charset();
  set.pitch = font.Pitch();
  set.color = font.Color();
  set.backColor = backColor;
  return set;
}

template <class T>
void TMemoAttributes::Change(T& field, const T& value, TAttributeMask bit) {
  if (field == value && (ConsistentAttributes() & bit) == bit) return;
  field = value;
  m_state |= bit;
  Changed();
}

void TMemoAttributes::SetColor(TColor color) {
  Change(m_values.color, color, amColor);
}
void TMemoAttributes::SetBackColor(TColor color) {
  Change(m_values.backColor, color, amBackColor);
}
void TMemoAttributes::SetName(const String& name) {
  Change(m_values.name, name, amName);
}
void TMemoAttributes::SetCharset(int charset) {
  Change(m_values.charset, std::clamp(charset, 0, 255), amCharset);
}
void TMemoAttributes::SetPitch(TFontPitch pitch) {
  Change(m_values.pitch, pitch, amPitch);
}
void TMemoAttributes::SetSize(int points) {
  Change(m_values.size, std::clamp(points, 1, kMaxSize), amSize);
}

// The per-style bits carry the new style set itself, so applying replaces
// the styles of every character with exactly this set.
void TMemoAttributes::SetStyle(TFontStyles style) {
  style &= kAllFontStyles;
  if (m_values.style == style && (ConsistentAttributes() & amStyle) == amStyle) return;
  m_values.style = style;
  m_state = static_cast<TAttributeMask>((m_state & ~amStyleBits) | amStyle | StyleMaskBits(style));
  Changed();
}

TAttributeMask TMemoAttributes::ConsistentAttributes() const {
  return m_owner != nullptr ? m_owner->SelectionConsistency() : amAll;
}

void TMemoAttributes::EndUpdate() {
  if (m_updateCount == 0) return;
  if (--m_updateCount == 0) Changed();
}

void TMemoAttributes::Changed() {
  if (m_updateCount == 0 && m_owner != nullptr && m_state != 0)
    m_owner->ApplySelectionAttributes(*this);
}

TAttributeSet TMemoAttributes::MergedInto(const TAttributeSet& old) const {
  TAttributeSet merged = old;
  const TAttributeSet& v = m_values;
  if ((m_state & amColor) != 0) merged.color = v.color;
  if ((m_state & amBackColor) != 0) merged.backColor = v.backColor;
  if ((m_state & amName) != 0) merged.name = v.name;
  if ((m_state & amCharset) != 0) merged.charset = v.charset;
  if ((m_state & amPitch) != 0) merged.pitch = v.pitch;
  if ((m_state & amSize) != 0) merged.size = v.size;
  for (const TFontStyle s : {fsBold, fsItalic, fsUnderline, fsStrikeOut}) {
    const TAttributeMask bit = StyleMaskBit(s);
    bool on = (merged.style & SetBit(s)) != 0;
    if ((m_state & amStyle) != 0)
      on = (m_state & bit) != 0;
    else if ((m_state & bit) != 0)
      on = (v.style & SetBit(s)) != 0;
    merged.style = on ? merged.style | SetBit(s) : merged.style & ~SetBit(s);
  }
  return merged;
}

}  // namespace qs
