// What kind of token a run of characters is, as the highlighter reports it to
// its token event and to TokenAt; the scanner's own tables stay behind the
// highlighter.
#pragma once

#include <cstddef>

namespace qs {

enum TTokenKind : int {
  tkText = 0,
  tkSingleLineComment = 1,
  tkMultiLineComment = 2,
  tkDirective = 3,
  tkFullLineComment = 4,
  tkSingleLineString = 5,
  tkMultiLineString = 6,
  tkInteger = 7,
  tkFloat = 8,
  tkHex = 9,
  tkIdentifier = 10,
  tkKeyword = 11,
  tkSymbol = 12,
};
inline constexpr int kTokenKinds = tkSymbol + 1;

// What TokenAt reports about a token.
struct TTokenInfo {
  int block = 0;  // index in SyntaxBlocks
  int attr = 0;   // the style byte
  int tokenId = tkText;
  int item = -1;  // comment or string item, or keyword set: its collection index
};

// One token of a line: characters [start, end) and what they are.
struct TTokenRun {
  std::size_t start = 0;
  std::size_t end = 0;
  TTokenInfo info;
};

}  // namespace qs
