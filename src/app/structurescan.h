// What one line adds to the code explorer, read from the highlighter's tokens
// and the blocks it reads them in: PHP classes and functions, JavaScript
// functions, CSS selectors and HTML elements with an id. What a declaration
// may leave open at the end of a line (a "function" whose name is on the next
// line, a selector before its "{", a tag still open) is carried to the next
// line with the highlighter's state, so a line can be read again on its own.
#pragma once

#include <cstdint>
#include <vector>

#include "support/qschar.h"

namespace qs {

class TSyntaxParser;
class TSyntaxScheme;

enum class TExplorerKind { PhpClass, PhpFunction, PhpMethod, JsFunction, CssSelector, HtmlId };

struct TExplorerItem {
  TExplorerKind kind = TExplorerKind::PhpFunction;
  String name;
  std::int32_t column = 0;  // where the name starts, in stored characters
  int depth = 0;            // PHP braces opened on the line before the item
  bool operator==(const TExplorerItem&) const = default;
};

// What a line passes on to the next.
struct TStructureCarry {
  std::int32_t state = 0;  // the highlighter's
  int expect = 0;          // a declaration keyword waiting for its name
  String selector;         // CSS read since the last rule
  int cssDepth = 0;
  String tag;      // the open HTML tag's name
  int idStep = 0;  // how far an id attribute has been read
  String idValue;
  bool operator==(const TStructureCarry&) const = default;
};

struct TLineStructure {
  std::vector<TExplorerItem> items;
  int braceDelta = 0;  // PHP braces opened less those closed
  TStructureCarry out;
};

// The language of each block of a scheme, worked out once per scheme.
class TBlockLanguages {
 public:
  enum Language : std::uint8_t { None, Php, JavaScript, Css, CssRuleBody, HtmlTag, HtmlValue };
  explicit TBlockLanguages(const TSyntaxScheme& scheme);
  Language Of(int block) const;

 private:
  std::vector<Language> m_languages;
};

TLineStructure ScanLineStructure(TSyntaxParser& parser, const TBlockLanguages& languages,
                                 StringView text, const TStructureCarry& in);

}  // namespace qs
