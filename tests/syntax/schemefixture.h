// Small helpers for building schemes in tests.
#pragma once

#include <string>

#include "support/utf8.h"
#include "syntax/qsSyntax.h"

namespace qs::fixtures {

inline TLineToken& AddStarter(TSyntaxBlock& b, TTokenList list, StringView left, int fontId) {
  auto& t = static_cast<TLineToken&>(b.List(list).Add());
  t.SetLeftDelimiter(String(left));
  t.SetFontID(fontId);
  return t;
}

inline TBlockToken& AddPair(TSyntaxBlock& b, TTokenList list, StringView left, StringView right,
                            int fontId) {
  auto& t = static_cast<TBlockToken&>(b.List(list).Add());
  t.SetLeftDelimiter(String(left));
  t.SetRightDelimiter(String(right));
  t.SetFontID(fontId);
  return t;
}

inline TKeywordSet& AddKeywords(TSyntaxBlock& b, StringView words, int fontId) {
  TKeywordSet& k = b.KeywordSets().Add();
  k.SetKeywords(String(words));
  k.SetFontID(fontId);
  b.Set(TBlockFlag::UseKeywords, true);
  return k;
}

inline TSyntaxBlock& AddBlock(TSyntaxScheme& s, int id, int parent, StringView left,
                              StringView right, bool partOfBlock) {
  TSyntaxBlock& b = s.SyntaxBlocks().Add();
  b.SetID(id);
  b.SetParentID(parent);
  TDelimiters& d = b.BlockDelimiters().Add();
  d.SetLeftDelimiter(String(left));
  d.SetRightDelimiter(String(right));
  d.SetDelimitersArePartOfBlock(partOfBlock);
  return b;
}

inline std::string Bytes(const std::string& styles) {
  std::string out;
  for (char c : styles) out += std::to_string(static_cast<unsigned char>(c)) + " ";
  if (!out.empty()) out.pop_back();
  return out;
}

}  // namespace qs::fixtures
