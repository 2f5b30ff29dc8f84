// Small schemes for the scheme editor's tests, built in code so each test
// shows the blocks, tokens and attributes it relies on.
#pragma once

#include <memory>

#include "syntax/qsSyntax.h"

namespace qs {

struct BlockRow {
  const char32_t* name;
  std::int32_t id;
  std::int32_t parent;
};

inline std::unique_ptr<TSyntaxScheme> SchemeOf(std::initializer_list<BlockRow> rows,
                                               const char32_t* name = U"Test") {
  auto scheme = std::make_unique<TSyntaxScheme>();
  scheme->SetName(name);
  scheme->SyntaxBlocks().Clear();  // a new scheme starts with a root of its own
  for (const BlockRow& row : rows) {
    TSyntaxBlock& block = scheme->SyntaxBlocks().Add();
    block.SetName(row.name);
    block.SetID(row.id);
    block.SetParentID(row.parent);
  }
  scheme->SetSyntaxVersion(kSyntaxVersion);
  return scheme;
}

// An attribute of block blockId in the scheme's font table; returns its ID.
inline std::int32_t AddAttr(TSyntaxScheme& scheme, std::int32_t blockId, TColor color) {
  TAttrItem& attr = scheme.FontTable().Add();
  attr.SetBlockID(blockId);
  attr.Font().SetColor(color);
  return attr.FontID();
}

inline TLineToken& AddLineToken(TSyntaxBlock& block, TTokenList list, const char32_t* left,
                                std::int32_t fontId = kNoAttr) {
  auto& token = static_cast<TLineToken&>(block.List(list).Add());
  token.SetLeftDelimiter(left);
  token.SetFontID(fontId);
  return token;
}

}  // namespace qs
