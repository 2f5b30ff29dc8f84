#include "syntax/attrfont.h"

#include <array>
#include <string_view>

namespace qs {
namespace {

constexpr std::array<std::string_view, 19> kCharsetNames = {
    "ANSI_CHARSET",        "DEFAULT_CHARSET",    "SYMBOL_CHARSET",  "MAC_CHARSET",
    "SHIFTJIS_CHARSET",    "HANGEUL_CHARSET",    "JOHAB_CHARSET",   "GB2312_CHARSET",
    "CHINESEBIG5_CHARSET", "GREEK_CHARSET",      "TURKISH_CHARSET", "VIETNAMESE_CHARSET",
    "HEBREW_CHARSET",      "ARABIC_CHARSET",     "BALTIC_CHARSET",  "RUSSIAN_CHARSET",
    "THAI_CHARSET",        "EASTEUROPE_CHARSET", "OEM_CHARSET"};

constexpr std::array<std::string_view, 4> kStyleNames = {"fsBold", "fsItalic", "fsUnderline",
                                                         "fsStrikeOut"};

}  // namespace

const ClassInfo& TAttrFont::StaticClassInfo() {
  using T = TAttrFont;
  static const ClassInfo info(
      "TFont", &TPersistent::StaticClassInfo(),
      {Prop::Enum<T>("Charset", &T::Charset, &T::SetCharset, TFontCharset::DEFAULT_CHARSET,
                     kCharsetNames),
       Prop::Colour<T>("Color", &T::Color, &T::SetColor, clWindowText),
       Prop::Integer<T>("Height", &T::Height, &T::SetHeight, kTenPointHeight),
       Prop::String<T>("Name", &T::Name, &T::SetName, U"Courier New"),
       Prop::Set<T>("Style", &T::Style, &T::SetStyle, 0, kStyleNames)});
  return info;
}

}  // namespace qs
