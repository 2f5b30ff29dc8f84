// Where the caret stands in the terms of the function hints: the language
// of the syntax block around it, and the function call it is inside.
#pragma once

#include <optional>

#include "support/qschar.h"
#include "textmodel/position.h"

namespace qs {

class TCustomMemoSource;
class TSyntaxParser;

// The characters of a function name: 0-9, A-Z, a-z and "_".
[[nodiscard]] constexpr bool IsIdentifierChar(Char c) {
  return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') ||
         c == U'_';
}

// The language a syntax block stands for: its lower-cased name, with the
// markup blocks of the page schemes ("Tag", "Style tag", "Script tag",
// "Attribute value") taken as "html" and the blocks of a style sheet
// ("Style", "Selectors", "Group rule", "Declarations", "Value") as "css";
// reduced to what may name a file. Empty for "default" and for no name.
[[nodiscard]] String LanguageOfBlock(StringView blockName);

// The language at the caret; empty when parser is not highlighting source.
[[nodiscard]] String LanguageAtCaret(TCustomMemoSource& source, TSyntaxParser& parser);

struct TFunctionHintInfo {
  String functionName;
  String language;
  int argumentNumber = 1;  // 1-based
  TPosition bracket;       // the call's opening "(" (expanded column)
};

// The call around the caret: walking back from it within its syntax block,
// over symbols only (strings and comments do not count), to the "(" that
// opens it, counting the commas of that level; the identifier before the
// "(" names it. A ";" ends the search. The walk reads each line once and
// stops after a bounded number of lines and characters.
[[nodiscard]] std::optional<TFunctionHintInfo> FindCall(TCustomMemoSource& source,
                                                        TSyntaxParser& parser);

// The character before the caret is "(" and the highlighter reads it as a
// symbol: a call has just been opened.
[[nodiscard]] bool CallOpenedAtCaret(TCustomMemoSource& source, TSyntaxParser& parser);

}  // namespace qs
