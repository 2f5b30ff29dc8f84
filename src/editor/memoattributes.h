// Character formats of rich attribute mode: one set of attributes (face,
// size, style, charset, pitch, colour, background), and the editable set
// through which the application reads and changes the format of the
// selection.
#pragma once

#include <cstdint>
#include <tuple>

#include "editor/memofont.h"
#include "platform/font.h"
#include "support/colors.h"
#include "support/qschar.h"

namespace qs {

// Fields of a set: which were set since the last apply (the state), and
// which are the same over the whole selection (the consistency mask).
using TAttributeMask = std::uint16_t;
inline constexpr TAttributeMask amColor = 0x001;
inline constexpr TAttributeMask amBackColor = 0x002;
inline constexpr TAttributeMask amName = 0x004;
inline constexpr TAttributeMask amCharset = 0x008;
inline constexpr TAttributeMask amPitch = 0x010;
inline constexpr TAttributeMask amSize = 0x020;
inline constexpr TAttributeMask amBold = 0x040;
inline constexpr TAttributeMask amItalic = 0x080;
inline constexpr TAttributeMask amStrikeOut = 0x100;
inline constexpr TAttributeMask amUnderline = 0x200;
inline constexpr TAttributeMask amStyle = 0x400;
inline constexpr TAttributeMask amAll = 0x7FF;
inline constexpr TAttributeMask amStyleBits = amBold | amItalic | amStrikeOut | amUnderline;

// The mask bit of one font style.
[[nodiscard]] TAttributeMask StyleMaskBit(TFontStyle style) noexcept;
// The mask bits of the styles a style set has.
[[nodiscard]] TAttributeMask StyleMaskBits(TFontStyles styles) noexcept;

// One attribute set: what one style byte of an attributed line stands for.
struct TAttributeSet {
  String name;
  int size = 10;  // points
  TFontStyles style = 0;
  int charset = kDefaultCharset;
  TFontPitch pitch = fpDefault;
  TColor color = clWindowText;
  TColor backColor = clWindow;

  bool operator==(const TAttributeSet&) const = default;
  // An order for look-ups: the font resource, then the colour, then the
  // background.
  [[nodiscard]] auto Key() const {
    return std::tie(name, size, style, charset, pitch, color, backColor);
  }
};

[[nodiscard]] FontSpec ToFontSpec(const TAttributeSet& set);
[[nodiscard]] TAttributeSet AttributeSetOf(const TMemoFont& font, TColor backColor);

class TMemoAttributes;

// The control whose selection a TMemoAttributes edits.
class IAttributeTarget {
 public:
  virtual void ApplySelectionAttributes(TMemoAttributes& attributes) = 0;
  [[nodiscard]] virtual TAttributeMask SelectionConsistency() = 0;

 protected:
  ~IAttributeTarget() = default;
};

// An editable attribute set. Setting a field marks it in the state and
// applies the set to the owner's selection, at once or when the outermost
// update bracket closes; a value the whole selection already has changes
// nothing.
class TMemoAttributes {
 public:
  explicit TMemoAttributes(IAttributeTarget* owner = nullptr) noexcept : m_owner(owner) {}
  TMemoAttributes(const TMemoAttributes&) = delete;
  TMemoAttributes& operator=(const TMemoAttributes&) = delete;

  const TAttributeSet& Values() const noexcept { return m_values; }
  // Takes the values without marking or applying anything.
  void Assign(const TAttributeSet& values) { m_values = values; }

  TColor Color() const noexcept { return m_values.color; }
  void SetColor(TColor color);
  TColor BackColor() const noexcept { return m_values.backColor; }
  void SetBackColor(TColor color);
  const String& Name() const noexcept { return m_values.name; }
  void SetName(const String& name);
  int Charset() const noexcept { return m_values.charset; }
  void SetCharset(int charset);  // a byte: clamped to 0..255
  TFontPitch Pitch() const noexcept { return m_values.pitch; }
  void SetPitch(TFontPitch pitch);
  int Size() const noexcept { return m_values.size; }
  void SetSize(int points);  // clamped to 1..kMaxSize
  TFontStyles Style() const noexcept { return m_values.style; }
  // Replaces the whole style set: the style bit and one bit per style.
  void SetStyle(TFontStyles style);

  TAttributeMask State() const noexcept { return m_state; }
  void SetState(TAttributeMask state) noexcept { m_state = state & amAll; }
  // Which fields agree over the owner's selection (all without an owner).
  [[nodiscard]] TAttributeMask ConsistentAttributes() const;

  void BeginUpdate() noexcept { ++m_updateCount; }
  void EndUpdate();
  bool Updating() const noexcept { return m_updateCount > 0; }

  // old with the fields marked in the state taken from this set; with the
  // style bit the style set is the one the per-style state bits spell.
  [[nodiscard]] TAttributeSet MergedInto(const TAttributeSet& old) const;

  static constexpr int kMaxSize = 1638;

 private:
  template <class T>
  void Change(T& field, const T& value, TAttributeMask bit);
  void Changed();

  IAttributeTarget* m_owner;
  TAttributeSet m_values;
  TAttributeMask m_state = 0;
  int m_updateCount = 0;
};

}  // namespace qs
