// The global editor options as the highlighter sees them: their font, their
// background and their text styles by name, for schemes whose attributes
// follow the global styles.
#pragma once

#include "syntax/styleresolver.h"

namespace qs {

class TMemoEnvOptions;
class TMemoFont;

// A charset byte as the attribute font's enumeration; a byte without a name
// is DEFAULT_CHARSET.
TFontCharset ToAttrCharset(int charset);
TAttrFont ToAttrFont(const TMemoFont& font);

class TGlobalStyleResolver : public IStyleResolver {
 public:
  explicit TGlobalStyleResolver(const TMemoEnvOptions& options) : m_options(options) {}

  TAttrFont GlobalFont() const override;
  TColor GlobalBackground() const override;
  // The first style of that exact name.
  std::optional<TGlobalStyle> FindStyle(StringView name) const override;

 private:
  const TMemoEnvOptions& m_options;
};

}  // namespace qs
