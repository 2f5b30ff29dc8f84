#include "editor/globalstyleresolver.h"

#include "editor/memoenvoptions.h"
#include "support/fontcharsets.h"

namespace qs {

TFontCharset ToAttrCharset(int charset) {
  // Both tables list the named charsets in the same order.
  const IntIdents idents = CharsetIdents();
  for (std::size_t i = 0; i < idents.size(); ++i)
    if (idents[i].value == charset) return static_cast<TFontCharset>(i);
  return TFontCharset::DEFAULT_CHARSET;
}

TAttrFont ToAttrFont(const TMemoFont& font) {
  TAttrFont out;
  out.SetCharset(ToAttrCharset(font.Charset()));
  out.SetColor(font.Color());
  out.SetHeight(font.Height());
  out.SetName(font.Name());
  out.SetStyle(font.Style());
  return out;
}

TAttrFont TGlobalStyleResolver::GlobalFont() const {
  return ToAttrFont(m_options.Font());
}

TColor TGlobalStyleResolver::GlobalBackground() const {
  return m_options.Color();
}

std::optional<TGlobalStyle> TGlobalStyleResolver::FindStyle(StringView name) const {
  const TTextStyles& styles = m_options.TextStyles();
  const int index = IndexOfName(styles, name);
  if (index < 0) return std::nullopt;
  const TTextStyle& style = styles.Items(index);
  TGlobalStyle out;
  out.fontColor = style.Font().Color();
  out.fontStyle = style.Font().Style();
  out.background = style.Color();
  out.usesDefaultBackground = style.UseMemoColor();
  return out;
}

}  // namespace qs
