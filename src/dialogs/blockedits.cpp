#include "dialogs/blockedits.h"

#include <map>

#include "dialogs/blocktree.h"
#include "support/errors.h"
#include "syntax/qsSyntax.h"

namespace qs {

namespace {

std::int32_t FreeBlockID(const TSyntaxScheme& scheme) {
  const std::int32_t id = scheme.NewBlockID();
  if (id < 0) throw Error("Every block ID is in use: the scheme cannot take another block.");
  return id;
}

// Every attribute reference of a block, in one place for copying.
template <class Visit>
void ForEachAttrRef(TSyntaxBlock& block, Visit visit) {
  for (std::size_t a = 0; a < static_cast<std::size_t>(TBlockAttr::Count); ++a) {
    const auto attr = static_cast<TBlockAttr>(a);
    std::int32_t id = block.Attr(attr);
    visit(id);
    block.SetAttr(attr, id);
  }
  for (std::size_t l = 0; l < static_cast<std::size_t>(TTokenList::Count); ++l) {
    TCollection& list = block.List(static_cast<TTokenList>(l));
    for (int i = 0; i < list.Count(); ++i) {
      auto& token = static_cast<TToken&>(list.Items(i));
      std::int32_t id = token.FontID();
      visit(id);
      token.SetFontID(id);
    }
  }
  for (int i = 0; i < block.KeywordSets().Count(); ++i) {
    TKeywordSet& set = block.KeywordSets().Items(i);
    std::int32_t id = set.FontID();
    visit(id);
    set.SetFontID(id);
  }
}

}  // namespace

std::int32_t AddBlock(TSyntaxScheme& scheme, const String& name, std::int32_t parentId) {
  const std::int32_t id = FreeBlockID(scheme);
  TSyntaxBlock& block = scheme.SyntaxBlocks().Add();
  block.SetName(name);
  block.SetID(id);
  block.SetParentID(parentId);
  PutBlocksInTreeOrder(scheme);
  return id;
}

std::int32_t RemoveBlock(TSyntaxScheme& scheme, std::int32_t id) {
  const TSyntaxBlock* block = scheme.FindBlock(id);
  if (!block) return -1;
  const std::int32_t parent = block->ParentID();
  TSyntaxBlockList& blocks = scheme.SyntaxBlocks();
  blocks.BeginUpdate();
  for (int i = blocks.Count() - 1; i >= 0; --i)
    if (IsInSubtree(scheme, blocks.Items(i).ID(), id)) blocks.Delete(i);
  blocks.EndUpdate();
  PutBlocksInTreeOrder(scheme);
  return parent;
}

bool DropBlock(TSyntaxScheme& scheme, std::int32_t id, std::int32_t target, bool asChild) {
  TSyntaxBlockList& blocks = scheme.SyntaxBlocks();
  const int from = scheme.IndexOfBlock(id);
  const int to = scheme.IndexOfBlock(target);
  if (from <= 0 || to < 0 || IsInSubtree(scheme, target, id)) return false;
  if (asChild) {
    blocks.Items(from).SetParentID(target);
  } else {
    if (to == 0) return false;
    blocks.Items(from).SetParentID(blocks.Items(to).ParentID());
    // Before the target: once the block leaves its place, a later target moves up one.
    blocks.Move(from, from < to ? to - 1 : to);
  }
  PutBlocksInTreeOrder(scheme);
  return true;
}

std::int32_t CopyBlock(TSyntaxScheme& scheme, const TSyntaxScheme& source, int blockIndex,
                       std::int32_t parentId) {
  const std::int32_t id = FreeBlockID(scheme);
  TSyntaxBlock copy;
  copy.Assign(source.SyntaxBlocks().Items(blockIndex));
  copy.SetID(id);
  copy.SetParentID(parentId);
  if (copy.Name() == U"Default") copy.SetName(source.Name());

  // The new attributes are made in a copy of the font table first, so a
  // table that fills up halfway leaves the scheme as it was.
  TFontList fonts;
  fonts.Assign(scheme.FontTable());
  std::map<std::int32_t, std::int32_t> renamed;
  ForEachAttrRef(copy, [&](std::int32_t& ref) {
    if (ref < 0) return;
    if (const auto done = renamed.find(ref); done != renamed.end()) {
      ref = done->second;
      return;
    }
    const TAttrItem* original = source.FontTable().FindAttr(ref);
    if (!original) {
      ref = kNoAttr;
      return;
    }
    if (fonts.NewFontID() < 0)
      throw Error("The font table is full: the block's attributes cannot be copied.");
    TAttrItem& attr = fonts.Add();
    attr.SetBlockID(id);
    attr.SetFont(original->Font());
    attr.SetUseDefFont(original->UseDefFont());
    attr.SetBackColor(original->BackColor());
    attr.SetUseDefBack(original->UseDefBack());
    attr.SetGlobalAttrID(original->GlobalAttrID());
    renamed[ref] = attr.FontID();
    ref = attr.FontID();
  });
  scheme.FontTable().Assign(fonts);
  scheme.SyntaxBlocks().Add().Assign(copy);
  PutBlocksInTreeOrder(scheme);
  return id;
}

}  // namespace qs
