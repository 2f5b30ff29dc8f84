// The font of a display attribute as scheme files store it: face name, pixel
// height, colour, style set and character set.
#pragma once

#include <cstdint>

#include "support/colors.h"
#include "support/fontcharsets.h"
#include "support/persistent.h"

namespace qs {

enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = std::uint32_t;  // a mask of SetBit(TFontStyle)

// The named character sets, by their position in CharsetIdents(): the font
// keeps the charset byte, so the file and the editor's fonts share one
// numbering and a byte without a name survives a round trip.
enum class TFontCharset : std::uint8_t {
  ANSI_CHARSET,
  DEFAULT_CHARSET,
  SYMBOL_CHARSET,
  MAC_CHARSET,
  SHIFTJIS_CHARSET,
  HANGEUL_CHARSET,
  JOHAB_CHARSET,
  GB2312_CHARSET,
  CHINESEBIG5_CHARSET,
  GREEK_CHARSET,
  TURKISH_CHARSET,
  VIETNAMESE_CHARSET,
  HEBREW_CHARSET,
  ARABIC_CHARSET,
  BALTIC_CHARSET,
  RUSSIAN_CHARSET,
  THAI_CHARSET,
  EASTEUROPE_CHARSET,
  OEM_CHARSET,
};

// Height of a 10-point font on a 96 dpi screen.
inline constexpr std::int32_t kTenPointHeight = -13;

class TAttrFont : public TPersistent {
 public:
  TAttrFont() = default;
  // A font is a small value: copies are plain copies of its fields.
  TAttrFont(const TAttrFont& o)
      : TPersistent(),
        m_charset(o.m_charset),
        m_color(o.m_color),
        m_height(o.m_height),
        m_name(o.m_name),
        m_style(o.m_style) {}
  TAttrFont& operator=(const TAttrFont& o) {
    m_charset = o.m_charset;
    m_color = o.m_color;
    m_height = o.m_height;
    m_name = o.m_name;
    m_style = o.m_style;
    return *this;
  }
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  // A byte without a name reads as DEFAULT_CHARSET.
  TFontCharset Charset() const noexcept;
  void SetCharset(TFontCharset c);
  std::int32_t CharsetByte() const noexcept { return m_charset; }
  // Values outside a byte are ignored.
  void SetCharsetByte(std::int32_t charset);
  TColor Color() const noexcept { return m_color; }
  void SetColor(TColor c) { m_color = c; }
  std::int32_t Height() const noexcept { return m_height; }
  void SetHeight(std::int32_t h) { m_height = h; }
  const String& Name() const noexcept { return m_name; }
  void SetName(const String& n) { m_name = n; }
  TFontStyles Style() const noexcept { return m_style; }
  void SetStyle(TFontStyles s) { m_style = s; }

  bool operator==(const TAttrFont& o) const {
    return m_charset == o.m_charset && m_color == o.m_color && m_height == o.m_height &&
           m_name == o.m_name && m_style == o.m_style;
  }

 private:
  std::int32_t m_charset = DEFAULT_CHARSET;
  TColor m_color = clWindowText;
  std::int32_t m_height = kTenPointHeight;
  String m_name = U"Courier New";
  TFontStyles m_style = 0;
};

}  // namespace qs
