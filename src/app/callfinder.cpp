#include "app/callfinder.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "app/functionlists.h"
#include "support/unicodecase.h"
#include "syntax/qsparser.h"
#include "textmodel/qsstring.h"

namespace qs {

namespace {

// How far back a call is looked for: far enough for any call a person
// writes, short enough that every keystroke stays cheap on a huge line or
// a long file of unbalanced brackets.
constexpr int kMaxLinesBack = 100;
constexpr std::int64_t kMaxPositions = 20000;

// The blocks of the shipped schemes that stand for a language of another
// name: the markup of the page schemes, and the parts of a style sheet.
constexpr std::array<std::pair<StringView, StringView>, 9> kBlockLanguages{{
    {U"tag", U"html"},
    {U"style tag", U"html"},
    {U"script tag", U"html"},
    {U"attribute value", U"html"},
    {U"style", U"css"},
    {U"selectors", U"css"},
    {U"group rule", U"css"},
    {U"declarations", U"css"},
    {U"value", U"css"},
}};

bool Highlights(const TCustomMemoSource& source, const TSyntaxParser& parser) {
  return source.SyntaxParser() == &parser && parser.SyntaxScheme().SyntaxBlocks().Count() > 0;
}

String BlockName(const TSyntaxParser& parser, int block) {
  const auto& blocks = parser.SyntaxScheme().SyntaxBlocks();
  if (block < 0 || block >= blocks.Count()) return {};
  return blocks.Items(block).Name();
}

// What the highlighter reports about the text before each position of one
// line, from a single parse of the line (or of its part before a limit).
class TLineTokens {
 public:
  TLineTokens(TCustomMemoSource& source, TSyntaxParser& parser, std::int32_t line,
              std::size_t limit = String::npos)
      : m_text(source.StoredLine(line)) {
    m_text = m_text.substr(0, std::min(limit, m_text.size()));
    const TStringItem* item = source.GetLineItem(line);
    const std::int32_t state = item ? item->StartState : 0;
    m_start = parser.TokenAt(m_text, state, -1, false);
    m_runs = parser.TokenRuns(m_text, state, false);
  }

  StringView Text() const noexcept { return m_text; }

  // The token that ends the text before pos (pos 0: the line's start).
  TTokenInfo Before(std::size_t pos) const {
    if (pos == 0) return m_start;
    const auto run = std::upper_bound(m_runs.begin(), m_runs.end(), pos - 1,
                                      [](std::size_t p, const TTokenRun& r) { return p < r.end; });
    return run == m_runs.end() ? m_start : run->info;
  }

 private:
  String m_text;
  TTokenInfo m_start;
  std::vector<TTokenRun> m_runs;
};

// A backward walk over the positions of the document, line by line.
class TBackwardWalk {
 public:
  TBackwardWalk(TCustomMemoSource& source, TSyntaxParser& parser, TPosition caret)
      : m_source(source), m_parser(parser), m_line(caret.Line) {
    const StringView stored = source.StoredLine(caret.Line);
    // ColumnToIndex counts from 1: the character at the caret's column.
    m_pos = static_cast<std::size_t>(
        std::clamp<std::int64_t>(source.ColumnToIndex(stored, caret.Column) - 1, 0,
                                 static_cast<std::int64_t>(stored.size())));
    m_tokens.emplace(source, parser, m_line, m_pos);
  }

  std::int32_t Line() const noexcept { return m_line; }
  std::size_t Pos() const noexcept { return m_pos; }
  const TLineTokens& Tokens() const { return *m_tokens; }
  TTokenInfo Here() const { return m_tokens->Before(m_pos); }
  Char CharBefore() const { return m_pos > 0 ? m_tokens->Text()[m_pos - 1] : 0; }

  // False at the start of the document or when the walk has gone far enough.
  bool Back() {
    if (++m_steps > kMaxPositions) return false;
    if (m_pos > 0) {
      --m_pos;
      return true;
    }
    if (m_line == 0 || ++m_linesBack > kMaxLinesBack) return false;
    --m_line;
    m_tokens.emplace(m_source, m_parser, m_line);
    m_pos = m_tokens->Text().size();
    return true;
  }

 private:
  TCustomMemoSource& m_source;
  TSyntaxParser& m_parser;
  std::int32_t m_line;
  std::size_t m_pos = 0;
  std::optional<TLineTokens> m_tokens;
  std::int64_t m_steps = 0;
  int m_linesBack = 0;
};

bool CaretInText(const TCustomMemoSource& source) {
  const TPosition caret = source.Caret();
  return caret.Line >= 0 && caret.Line < source.LineCount() && caret.Column >= 0;
}

// Walks to the "(" that opens the call at its level; the walk then stands
// just after it. False when the block changes, a ";" comes first, or the
// walk ends.
bool FindOpeningBracket(TBackwardWalk& walk, int block, int& argument) {
  int depth = 0;
  while (true) {
    const TTokenInfo here = walk.Here();
    if (here.block != block) return false;
    if (here.tokenId == tkSymbol) {
      switch (walk.CharBefore()) {
        case U'(':
          if (depth == 0) return true;
          --depth;
          break;
        case U')':
          ++depth;
          break;
        case U',':
          if (depth == 0) ++argument;
          break;
        case U';':
          return false;
        default:
          break;
      }
    }
    if (!walk.Back()) return false;
  }
}

// The identifier that ends the text before the first position, walking
// back, that is not plain text.
String NameBefore(TBackwardWalk& walk) {
  while (walk.Here().tokenId == tkText)
    if (!walk.Back()) return {};
  const StringView text = walk.Tokens().Text().substr(0, walk.Pos());
  std::size_t start = text.size();
  while (start > 0 && IsIdentifierChar(text[start - 1])) --start;
  return String(text.substr(start));
}

}  // namespace

String LanguageOfBlock(StringView blockName) {
  const String lower = ToLower(blockName);
  if (lower == U"default") return {};
  for (const auto& [block, language] : kBlockLanguages)
    if (lower == block) return String(language);
  return FileLanguageName(lower);
}

String LanguageAtCaret(TCustomMemoSource& source, TSyntaxParser& parser) {
  if (!Highlights(source, parser) || !CaretInText(source)) return {};
  source.ParseAhead(source.CaretLine(), false);
  const TBackwardWalk walk(source, parser, source.Caret());
  return LanguageOfBlock(BlockName(parser, walk.Here().block));
}

std::optional<TFunctionHintInfo> FindCall(TCustomMemoSource& source, TSyntaxParser& parser) {
  if (!Highlights(source, parser) || !CaretInText(source)) return std::nullopt;
  source.ParseAhead(source.CaretLine(), false);
  TBackwardWalk walk(source, parser, source.Caret());
  const int block = walk.Here().block;
  TFunctionHintInfo info;
  info.language = LanguageOfBlock(BlockName(parser, block));
  if (info.language.empty()) return std::nullopt;
  if (!FindOpeningBracket(walk, block, info.argumentNumber)) return std::nullopt;
  const StringView text = walk.Tokens().Text();
  info.bracket = {walk.Line(),
                  source.TabRack().IndexToColumn(text, static_cast<std::int64_t>(walk.Pos()) - 1)};
  if (!walk.Back()) return std::nullopt;
  info.functionName = NameBefore(walk);
  if (info.functionName.empty()) return std::nullopt;
  return info;
}

bool CallOpenedAtCaret(TCustomMemoSource& source, TSyntaxParser& parser) {
  if (!Highlights(source, parser) || !CaretInText(source)) return false;
  source.ParseAhead(source.CaretLine(), false);
  const TBackwardWalk walk(source, parser, source.Caret());
  return walk.CharBefore() == U'(' && walk.Here().tokenId == tkSymbol;
}

}  // namespace qs
