#include "syntax/customqsparser.h"

#include <algorithm>
#include <cassert>

#include "support/asciicase.h"
#include "support/errors.h"

namespace qs {

namespace {

constexpr bool IsDigit(unsigned char c) noexcept {
  return c >= '0' && c <= '9';
}

bool LessIgnoringCase(std::string_view a, std::string_view b) noexcept {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return AsciiLower(static_cast<unsigned char>(x)) < AsciiLower(static_cast<unsigned char>(y));
  });
}

std::string_view Trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

void TCustomQSParser::SetSource(const char* text, std::size_t length) {
  assert(text[length] == '\0');
  if (text == m_scanPos && text + length == m_end) return;
  m_text = text;
  m_end = text + length;
  m_scanPos = m_lineStart = m_tokenStart = text;
  m_tokenKind = pkNone;
}

const TCharHandler* TCustomQSParser::EntryFor(std::int32_t state,
                                              unsigned char byte) const noexcept {
  // A state nobody gave a table has the empty one: every byte is skipped.
  if (state < 0 || static_cast<std::size_t>(state) >= m_stateTables.size()) return nullptr;
  const TStateTable* table = m_stateTables[static_cast<std::size_t>(state)].get();
  return table ? &(*table)[byte] : nullptr;
}

std::int32_t TCustomQSParser::NextToken() {
  for (;;) {
    m_tokenStart = m_scanPos;
    if (AtTextEnd()) return m_tokenKind = pkEnd;
    const TCharHandler* entry = EntryFor(ScanState, Byte());
    std::int32_t kind = pkNone;
    if (entry && entry->handler) kind = entry->handler(*this, entry->data);
    // A handler that reports nothing must still move on, or the loop would
    // never end; one byte is what a byte without a handler costs.
    if (kind == pkNone && m_scanPos == m_tokenStart) Advance();
    if (kind != pkNone) return m_tokenKind = kind;
  }
}

std::string_view TCustomQSParser::TokenView() const noexcept {
  return {m_tokenStart, static_cast<std::size_t>(m_scanPos - m_tokenStart)};
}

std::string TCustomQSParser::TokenString() const {
  return std::string(TokenView());
}

TTokenPosition TCustomQSParser::TokenPosition() const noexcept {
  return {static_cast<std::int32_t>(m_tokenStart - m_lineStart + 1), m_lineNumber + 1};
}

void TCustomQSParser::SaveTo(TTokenData& data) const {
  data.TokenKind = m_tokenKind;
  data.ScanState = ScanState;
  data.LineNumber = m_lineNumber;
  data.ScanOffset = m_scanPos - m_lineStart;
  data.TokenOffset = m_tokenStart - m_lineStart;
  data.LineStart = m_lineStart;
  data.StringUnclosed = StringUnclosed;
}

void TCustomQSParser::RestoreFrom(const TTokenData& data) {
  m_lineStart = data.LineStart;
  LineChanged();
  m_scanPos = m_lineStart + data.ScanOffset;
  m_tokenStart = m_lineStart + data.TokenOffset;
  m_tokenKind = data.TokenKind;
  ScanState = data.ScanState;
  m_lineNumber = data.LineNumber;
  StringUnclosed = data.StringUnclosed;
}

void TCustomQSParser::SaveState() {
  SaveTo(m_savedStates.emplace_back());
}

void TCustomQSParser::RestoreState() {
  if (m_savedStates.empty()) RaiseError("Token list is empty");
  RestoreFrom(m_savedStates.back());
  m_savedStates.pop_back();
}

std::string TCustomQSParser::PeekTokenString() {
  SaveState();
  NextToken();
  std::string text = TokenString();
  RestoreState();
  return text;
}

void TCustomQSParser::RaiseError(const std::string& message) const {
  const TTokenPosition at = TokenPosition();
  throw Error(message + " at Line:" + std::to_string(at.Line) +
              ", Char:" + std::to_string(at.Column) + ". " + ErrorSuffix());
}

void TCustomQSParser::SetCharHandler(std::initializer_list<std::int32_t> states,
                                     std::string_view bytes, TTokenHandler handler,
                                     std::intptr_t data) {
  for (const std::int32_t state : states) {
    assert(state >= 0);
    const auto index = static_cast<std::size_t>(state);
    if (index >= m_stateTables.size()) m_stateTables.resize(index + 1);
    if (!m_stateTables[index]) m_stateTables[index] = std::make_unique<TStateTable>();
    for (const char byte : bytes)
      (*m_stateTables[index])[static_cast<unsigned char>(byte)] = {handler, data};
  }
}

void TCustomQSParser::SetLineBreakHandlers(std::int32_t state) {
  SetCharHandler({state}, "\r", LineBreakHandler, '\n');
  SetCharHandler({state}, "\n", LineBreakHandler, '\r');
}

void TCustomQSParser::InitTables() {
  std::string symbols;
  for (int c = '!'; c <= 255; ++c) symbols += static_cast<char>(c);
  SetCharHandler(symbols, SymbolHandler);
  SetLineBreakHandlers(0);
}

void TCustomQSParser::SetReservedWords(const std::vector<std::string>& words) {
  m_reservedWords = words;
  m_sortedWords.clear();
  for (const std::string& word : m_reservedWords) {
    const std::string_view trimmed = Trimmed(word);
    if (!trimmed.empty()) m_sortedWords.emplace_back(trimmed);
  }
  std::sort(m_sortedWords.begin(), m_sortedWords.end(), LessIgnoringCase);
  m_sortedWords.erase(std::unique(m_sortedWords.begin(), m_sortedWords.end(),
                                  [](const std::string& a, const std::string& b) {
                                    return EqualsIgnoringAsciiCase(a, b);
                                  }),
                      m_sortedWords.end());
}

std::int32_t TCustomQSParser::FindWord(std::string_view word) const {
  const auto at = std::lower_bound(
      m_sortedWords.begin(), m_sortedWords.end(), word,
      [](const std::string& a, std::string_view b) { return LessIgnoringCase(a, b); });
  if (at == m_sortedWords.end() || !EqualsIgnoringAsciiCase(std::string_view(*at), word)) return -1;
  return static_cast<std::int32_t>(at - m_sortedWords.begin());
}

void TCustomQSParser::Advance(std::ptrdiff_t count) noexcept {
  m_scanPos += std::min(count, m_end - m_scanPos);
}

std::int32_t TCustomQSParser::ScanSymbol() {
  Advance();
  return pkSymbol;
}

std::int32_t TCustomQSParser::SkipLineBreak(char partner) {
  ++m_lineNumber;
  Advance();
  if (!AtTextEnd() && Byte() == static_cast<unsigned char>(partner)) Advance();
  m_lineStart = m_scanPos;
  return pkNone;
}

bool TCustomQSParser::SkipToChar(char c) {
  for (;;) {
    if (AtTextEnd()) return false;
    const unsigned char b = Byte();
    if (b == static_cast<unsigned char>(c)) return true;
    if (b < 32 && b != '\t') return false;
    ++m_scanPos;
  }
}

void TCustomQSParser::SkipDigits() {
  while (IsDigit(Byte())) ++m_scanPos;
}

std::int32_t TCustomQSParser::ScanNumber() {
  const auto skipExponent = [this] {
    Advance();  // the E
    if (Byte() == '+' || Byte() == '-') Advance();
    SkipDigits();
  };
  Advance();
  SkipDigits();
  if (Byte() == '.' && IsDigit(Byte(1))) {
    Advance();
    SkipDigits();
    if (Byte() == 'E' || Byte() == 'e') skipExponent();
    return pkFloat;
  }
  if (Byte() == 'E' || Byte() == 'e') {
    skipExponent();
    return pkFloat;
  }
  return pkInteger;
}

std::int32_t TCustomQSParser::ScanQuoted(char quote) {
  Advance();
  for (;;) {
    if (!SkipToChar(quote)) {
      StringUnclosed = true;
      return pkString;
    }
    Advance();  // the closing quote
    if (Byte() != static_cast<unsigned char>(quote)) break;
    Advance();  // a doubled quote stands for one
  }
  StringUnclosed = false;
  return pkString;
}

}  // namespace qs
