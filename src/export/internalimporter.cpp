#include "export/internalimporter.h"

#include <algorithm>

#include "support/typable.h"

namespace qs {

namespace {

constexpr TImportStyles Bit(TImportStyle style) {
  return static_cast<TImportStyles>(style);
}

TImportLook Fold(const TImportLook& outer, const TImportRecord& r) {
  TImportLook look = outer;
  if (!r.FontName.empty()) {
    look.FontName = r.FontName;
    look.Charset = r.Charset;
  }
  if (r.Size != -1) look.Size = r.Size;
  if (r.Color != kImportNoColor) look.Color = r.Color;
  if (r.StyleSet) {
    const TImportStyles base = r.StylesReset ? 0 : look.Styles;
    look.Styles = static_cast<TImportStyles>((base | r.StylesOn) & ~r.StylesOff);
  }
  if (r.BackColorSet) look.BackColor = r.BackColor;
  return look;
}

}  // namespace

void TInternalImporter::Push(std::int32_t key) {
  if (m_stack.size() >= kMaxImportDepth) {
    m_overflowKeys.push_back(key);
    return;
  }
  TImportRecord record;
  record.Key = key;
  if (!m_stack.empty()) {
    record.Folded = m_stack.back().Folded;
    record.UnicodeSkip = m_stack.back().UnicodeSkip;
    record.SizeLevel = m_stack.back().SizeLevel;
  }
  m_stack.push_back(std::move(record));
}

void TInternalImporter::Pop(std::int32_t key) {
  if (!m_overflowKeys.empty() && (key == -1 || m_overflowKeys.back() == key)) {
    m_overflowKeys.pop_back();
    return;
  }
  if (m_stack.empty()) return;
  if (key == -1) {
    m_stack.pop_back();
    return;
  }
  const auto found = std::find_if(m_stack.rbegin(), m_stack.rend(),
                                  [key](const TImportRecord& r) { return r.Key == key; });
  if (found == m_stack.rend()) return;
  const auto at = std::next(found).base();
  const auto index = static_cast<std::size_t>(at - m_stack.begin());
  m_stack.erase(at);
  Refold(index);
}

void TInternalImporter::PopAll() {
  m_stack.clear();
  m_overflowKeys.clear();
}

TImportRecord& TInternalImporter::Top() {
  if (m_stack.empty()) Push(-1);
  return m_stack.back();
}

// The records from `from` up fold again over the one below them.
void TInternalImporter::Refold(std::size_t from) {
  for (std::size_t i = from; i < m_stack.size(); ++i)
    m_stack[i].Folded = Fold(i == 0 ? TImportLook{} : m_stack[i - 1].Folded, m_stack[i]);
}

void TInternalImporter::SetFont(const String& name, std::int32_t charset) {
  Top().FontName = name;
  Top().Charset = charset;
  Refold(m_stack.size() - 1);
}

void TInternalImporter::SetSize(std::int32_t points) {
  Top().Size = std::clamp(points, kMinImportPoints, kMaxImportPoints);
  Refold(m_stack.size() - 1);
}

void TInternalImporter::SetColor(TColor color) {
  Top().Color = color;
  Refold(m_stack.size() - 1);
}

void TInternalImporter::SetBackColor(TColor color) {
  Top().BackColor = color;
  Top().BackColorSet = true;
  Refold(m_stack.size() - 1);
}

void TInternalImporter::SetStyle(TImportStyle style, bool on) {
  TImportRecord& top = Top();
  top.StyleSet = true;
  if (on) {
    top.StylesOff &= static_cast<TImportStyles>(~Bit(style));
    top.StylesOn |= Bit(style);
  } else {
    top.StylesOn &= static_cast<TImportStyles>(~Bit(style));
    top.StylesOff |= Bit(style);
  }
  Refold(m_stack.size() - 1);
}

void TInternalImporter::SetUnicodeSkip(std::int32_t count) {
  Top().UnicodeSkip = count;
}

void TInternalImporter::SetSizeLevel(std::int32_t level) {
  Top().SizeLevel = level;
}

void TInternalImporter::Plain() {
  TImportRecord& top = Top();
  top.FontName = DefaultTableFont.empty() ? DefaultFont : DefaultTableFont;
  top.Charset = DefaultTableFont.empty() ? kDefaultCharset : DefaultTableCharset;
  top.Size = kDefaultImportPoints;
  top.Color = clBlack;
  top.BackColor = kImportNoColor;
  top.BackColorSet = true;
  top.StylesOn = top.StylesOff = 0;
  top.StyleSet = true;
  top.StylesReset = true;
  Refold(m_stack.size() - 1);
}

std::int32_t TInternalImporter::CurrentCharset() const noexcept {
  if (!m_stack.empty() && !m_stack.back().Folded.FontName.empty())
    return m_stack.back().Folded.Charset;
  return DefaultTableFont.empty() ? kDefaultCharset : DefaultTableCharset;
}

TImportFont TInternalImporter::BuildFont(TColor& backColor) const {
  const TImportLook look = m_stack.empty() ? TImportLook{} : m_stack.back().Folded;
  TImportFont font;
  FontSpec& face = font.Face;
  if (!look.FontName.empty()) {
    face.name = look.FontName;
    face.charset = look.Charset;
  } else if (!DefaultTableFont.empty()) {
    face.name = DefaultTableFont;
    face.charset = DefaultTableCharset;
  } else {
    face.name = DefaultFont;
    face.charset = kDefaultCharset;
  }
  face.size = look.Size < 0 ? kDefaultImportPoints : look.Size;
  face.bold = (look.Styles & Bit(TImportStyle::isBold)) != 0;
  face.italic = (look.Styles & Bit(TImportStyle::isItalic)) != 0;
  face.underline = (look.Styles & Bit(TImportStyle::isUnderline)) != 0;
  face.strikeOut = (look.Styles & Bit(TImportStyle::isStrikeOut)) != 0;
  font.Color = look.Color < 0 ? clBlack : look.Color;
  backColor = look.BackColor;
  return font;
}

void TInternalImporter::EmitRun(StringView text) {
  if (text.empty()) return;
  TColor backColor = kImportNoColor;
  const TImportFont font = BuildFont(backColor);
  m_owner.DoImportText(text, font, backColor);
}

void TInternalImporter::EmitText(StringView text) {
  m_filtered.clear();
  for (const Char c : text) {
    if (c == U'\t') {
      EmitRun(m_filtered);
      m_filtered.clear();
      EmitTab();
    } else if (IsTypable(c)) {
      m_filtered += c;
    }
  }
  if (m_filtered.empty()) return;
  EmitRun(m_filtered);
  m_atLineStart = false;
}

void TInternalImporter::EmitLineBreak() {
  EmitRun(U"\r\n");
  m_atLineStart = true;
}

void TInternalImporter::EmitTab() {
  EmitRun(U"\t");
  m_atLineStart = false;
}

}  // namespace qs
