// Resolving a scheme's attributes to the fonts and backgrounds painting uses.
#include "syntax/qsSyntax.h"

namespace qs {
namespace {

struct Base {
  TAttrFont font;
  TColor back = clWindow;
};

Base BaseFont(const TDefAttrItem* defAttr, const IStyleResolver* global) {
  Base base;
  if (defAttr) {
    base.font.SetName(defAttr->Font().Name());
    base.font.SetHeight(defAttr->Font().Height());
    if (!global) {
      base.font.SetColor(defAttr->Font().Color());
      base.back = defAttr->BackColor();
    }
  }
  if (global) {
    const TAttrFont gf = global->GlobalFont();
    base.font.SetName(gf.Name());
    base.font.SetHeight(gf.Height());
    if (const auto ws = global->FindStyle(U"Whitespace")) {
      base.font.SetColor(ws->fontColor);
      base.back = ws->usesDefaultBackground ? global->GlobalBackground() : ws->background;
    } else {
      base.back = global->GlobalBackground();
    }
  }
  return base;
}

// The text attribute of the nearest block, starting at the attribute's own
// block and going up through parents, that does not itself defer (by the
// given test) to its block. The walk visits at most every block once, so a
// cycle of parents ends.
template <class Defers>
const TAttrItem* NearestBlockText(const TSyntaxScheme& scheme, std::int32_t blockId,
                                  Defers defers) {
  const TSyntaxBlock* block = scheme.FindBlock(blockId);
  for (int steps = 0; block && steps < scheme.SyntaxBlocks().Count(); ++steps) {
    const std::int32_t textId = block->Attr(TBlockAttr::FIText);
    const TAttrItem* text = textId >= 0 ? scheme.FontTable().FindAttr(textId) : nullptr;
    if (text && !defers(*text)) return text;
    block = scheme.FindBlock(block->ParentID());
  }
  return nullptr;
}

}  // namespace

void TSyntaxScheme::ResolveAttributes(const TDefAttrItem* defAttr, const IStyleResolver* resolver) {
  const IStyleResolver* global = m_useGlobal ? resolver : nullptr;
  const Base base = BaseFont(defAttr, global);

  TAttrFont urlFont;
  urlFont.Assign(base.font);
  if (global)
    if (const auto url = global->FindStyle(U"Url")) urlFont.SetColor(url->fontColor);
  urlFont.SetStyle(SetBit(fsUnderline));
  m_url.SetResolved(urlFont, base.back);
  m_whitespace.SetResolved(base.font, base.back);

  m_attrTable.fill(nullptr);
  m_attrTable[kUrlAttrId] = &m_url;
  for (int i = 0; i < m_fontTable.Count(); ++i) {
    TAttrItem& attr = m_fontTable.Items(i);
    const std::int32_t id = attr.FontID();
    if (id < 0 || id > 255) continue;
    m_attrTable[static_cast<std::size_t>(id)] = &attr;

    TAttrFont font;
    font.Assign(attr.Font());
    const TAttrItem* fontFrom =
        attr.UseDefFont() ? NearestBlockText(*this, attr.BlockID(),
                                             [](const TAttrItem& a) { return a.UseDefFont(); })
                          : &attr;
    font.SetName(fontFrom ? fontFrom->Font().Name() : base.font.Name());
    font.SetHeight(fontFrom ? fontFrom->Font().Height() : base.font.Height());

    const TAttrItem* backFrom =
        attr.UseDefBack() ? NearestBlockText(*this, attr.BlockID(),
                                             [](const TAttrItem& a) { return a.UseDefBack(); })
                          : &attr;
    TColor back = backFrom ? backFrom->BackColor() : base.back;

    if (global) {
      if (const auto style = global->FindStyle(attr.GlobalAttrID())) {
        font.SetColor(style->fontColor);
        font.SetStyle(style->fontStyle);
        back = style->usesDefaultBackground ? global->GlobalBackground() : style->background;
      }
    }
    attr.SetResolved(font, back);
  }
  if (m_fontTable.Count() == 0) m_attrTable[0] = &m_whitespace;
}

}  // namespace qs
