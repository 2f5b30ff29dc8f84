#include "syntax/attrfont.h"

#include <array>
#include <string_view>

namespace qs {
namespace {

constexpr std::array<std::string_view, 4> kStyleNames = {"fsBold", "fsItalic", "fsUnderline",
                                                         "fsStrikeOut"};

}  // namespace

TFontCharset TAttrFont::Charset() const noexcept {
  const int index = CharsetIndex(m_charset);
  return index < 0 ? TFontCharset::DEFAULT_CHARSET : static_cast<TFontCharset>(index);
}

void TAttrFont::SetCharset(TFontCharset c) {
  const IntIdents idents = CharsetIdents();
  const auto index = static_cast<std::size_t>(c);
  if (index < idents.size()) m_charset = idents[index].value;
}

void TAttrFont::SetCharsetByte(std::int32_t charset) {
  if (charset >= 0 && charset <= 255) m_charset = charset;
}

const ClassInfo& TAttrFont::StaticClassInfo() {
  using T = TAttrFont;
  static const ClassInfo info(
      "TFont", &TPersistent::StaticClassInfo(),
      {Prop::Integer<T>("Charset", &T::CharsetByte, &T::SetCharsetByte, DEFAULT_CHARSET)
           .Idents(CharsetIdents()),
       Prop::Colour<T>("Color", &T::Color, &T::SetColor, clWindowText),
       Prop::Integer<T>("Height", &T::Height, &T::SetHeight, kTenPointHeight),
       Prop::String<T>("Name", &T::Name, &T::SetName, U"Courier New"),
       Prop::Set<T>("Style", &T::Style, &T::SetStyle, 0, kStyleNames)});
  return info;
}

}  // namespace qs
