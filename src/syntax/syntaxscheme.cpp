#include <bitset>

#include "syntax/compiledscheme.h"
#include "syntax/qsSyntax.h"
#include "syntax/qsparser.h"

namespace qs {

TSyntaxScheme::TSyntaxScheme() : m_compiled(std::make_unique<TCompiledScheme>()) {
  TSyntaxBlock& root = m_blocks.Add();
  root.SetName(U"Default");
  root.SetID(0);
  m_whitespace.SetGlobalAttrID(U"Whitespace");
  m_whitespace.SetUseDefFont(false);
  m_whitespace.SetUseDefBack(false);
  m_url.SetFontID(kUrlAttrId);
  m_url.SetGlobalAttrID(U"Url");
  m_url.SetUseDefFont(false);
  m_url.SetUseDefBack(false);
  ResolveAttributes(nullptr, nullptr);
  m_compiled->Compile(*this);
}

TSyntaxScheme::~TSyntaxScheme() = default;

const ClassInfo& TSyntaxScheme::StaticClassInfo() {
  using T = TSyntaxScheme;
  static const ClassInfo info(
      "TSyntaxScheme", &TPersistent::StaticClassInfo(),
      {Prop::String<T>("Name", &T::Name, &T::SetName),
       Prop::String<T>("Extensions", &T::Extensions, &T::SetExtensions),
       Prop::Collection<T>("SyntaxBlocks",
                           static_cast<TSyntaxBlockList& (T::*)()>(&T::SyntaxBlocks)),
       Prop::Collection<T>("FontTable", static_cast<TFontList& (T::*)()>(&T::FontTable)),
       Prop::Collection<T>("CodeTemplates",
                           static_cast<TMemoCodeTemplates& (T::*)()>(&T::CodeTemplates)),
       Prop::Integer<T>("SyntaxVersion", &T::SyntaxVersion, &T::SetSyntaxVersion, 1).NoDefault()});
  return info;
}

void TSyntaxScheme::Assign(const TPersistent& source) {
  TPersistent::Assign(source);
  Rebuild();
}

void TSyntaxScheme::Rebuild() {
  if (m_owner)
    m_owner->Rebuild();
  else
    Compile();
}

void TSyntaxScheme::Clear() {
  m_name.clear();
  m_version = 1;
  m_blocks.Clear();
  m_fontTable.Clear();
  m_templates.Clear();
}

int TSyntaxScheme::IndexOfBlock(std::int32_t id) const {
  for (int i = 0; i < m_blocks.Count(); ++i)
    if (m_blocks.Items(i).ID() == id) return i;
  return -1;
}

TSyntaxBlock* TSyntaxScheme::FindBlock(std::int32_t id) {
  const int i = IndexOfBlock(id);
  return i < 0 ? nullptr : &m_blocks.Items(i);
}

const TSyntaxBlock* TSyntaxScheme::FindBlock(std::int32_t id) const {
  const int i = IndexOfBlock(id);
  return i < 0 ? nullptr : &m_blocks.Items(i);
}

namespace {

std::int32_t LowestFree(const std::bitset<256>& used) {
  // 255 would read back as -1 from a byte; it is never handed out.
  for (std::int32_t id = 0; id < 255; ++id)
    if (!used.test(static_cast<std::size_t>(id))) return id;
  return -1;
}

std::bitset<256> UsedBlockIds(const TSyntaxBlockList& blocks) {
  std::bitset<256> used;
  for (int i = 0; i < blocks.Count(); ++i) {
    const std::int32_t id = blocks.Items(i).ID();
    if (id >= 0) used.set(static_cast<std::size_t>(id));
  }
  return used;
}

void ClaimAttr(TFontList& fonts, std::int32_t fontId, std::int32_t blockId) {
  if (fontId < 0 || blockId < 0) return;
  if (TAttrItem* attr = fonts.FindAttr(fontId)) attr->SetBlockID(blockId);
}

void ClaimBlockAttrs(TFontList& fonts, const TSyntaxBlock& block) {
  const std::int32_t id = block.ID();
  for (std::size_t a = 0; a < static_cast<std::size_t>(TBlockAttr::Count); ++a)
    ClaimAttr(fonts, block.Attr(static_cast<TBlockAttr>(a)), id);
  for (std::size_t l = 0; l < static_cast<std::size_t>(TTokenList::Count); ++l) {
    const TCollection& list = block.List(static_cast<TTokenList>(l));
    for (int i = 0; i < list.Count(); ++i)
      ClaimAttr(fonts, static_cast<const TToken&>(list.Items(i)).FontID(), id);
  }
  for (int i = 0; i < block.KeywordSets().Count(); ++i)
    ClaimAttr(fonts, block.KeywordSets().Items(i).FontID(), id);
}

}  // namespace

std::int32_t TSyntaxScheme::NewBlockID() const {
  return LowestFree(UsedBlockIds(m_blocks));
}

void TSyntaxScheme::Normalise() {
  if (m_blocks.Count() == 0) {
    TSyntaxBlock& root = m_blocks.Add();
    root.SetName(U"Default");
    root.SetID(0);
  }
  if (m_version < 2) {
    // The used IDs are gathered once and kept up to date, so a scheme of many
    // blocks normalises in time linear in its blocks.
    std::bitset<256> used = UsedBlockIds(m_blocks);
    for (int i = 0; i < m_blocks.Count(); ++i) {
      TSyntaxBlock& block = m_blocks.Items(i);
      if (block.ID() >= 0) continue;
      const std::int32_t id = LowestFree(used);
      if (id < 0) break;  // no ID left for this block or any after it
      block.SetID(id);
      used.set(static_cast<std::size_t>(id));
    }
    const std::int32_t rootId = m_blocks.Items(0).ID();
    for (int i = 0; i < m_blocks.Count(); ++i) m_blocks.Items(i).SetParentID(i == 0 ? -1 : rootId);
    for (int i = 0; i < m_blocks.Count(); ++i) ClaimBlockAttrs(m_fontTable, m_blocks.Items(i));
  }
  m_version = kSyntaxVersion;
}

void TSyntaxScheme::Compile() {
  Normalise();
  m_compiled->Compile(*this);
  ResolveAttributes(nullptr, nullptr);
}

const TCompiledScheme& TSyntaxScheme::Compiled() const noexcept {
  return *m_compiled;
}

TCompiledScheme& TSyntaxScheme::Compiled() noexcept {
  return *m_compiled;
}

const TAttrItem& TSyntaxScheme::AttrOf(std::int32_t id) const {
  if (id < 0 || id > 255) return m_whitespace;
  const TAttrItem* attr = m_attrTable[static_cast<std::size_t>(id)];
  return attr ? *attr : m_whitespace;
}

}  // namespace qs
