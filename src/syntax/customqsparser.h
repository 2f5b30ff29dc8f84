// The table-driven tokenizer that the readers of whole documents in another
// format (RTF, HTML) are built on. It scans an 8-bit text in place, one token
// at a time; the byte at the scanning position picks the handler from the
// table of the current scanner state, so a reader defines its language by
// filling tables and switching states from inside its handlers.
//
// The text ends at a sentinel: the byte at its end must be NUL. No scanner
// ever steps over that end, whatever the input, and a NUL inside the text is
// only a byte (RTF may carry binary data).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qs {

class TCustomQSParser;

// A handler scans from ScanPos, advances it and returns a token kind; data is
// what the table entry carries for it (the partner of a line break, a quote).
using TTokenHandler = std::int32_t (*)(TCustomQSParser& parser, std::intptr_t data);

struct TCharHandler {
  TTokenHandler handler = nullptr;
  std::intptr_t data = 0;
};

// Token kinds of the generic handlers; readers add their own above these.
inline constexpr std::int32_t pkNone = -1;  // nothing to report, scanning goes on
inline constexpr std::int32_t pkEnd = 0;
inline constexpr std::int32_t pkString = 1;
inline constexpr std::int32_t pkInteger = 4;
inline constexpr std::int32_t pkFloat = 5;
inline constexpr std::int32_t pkSymbol = 7;

// One saved scanner position. Offsets from the line start rather than
// pointers, so a restored position is rebuilt from the line start.
struct TTokenData {
  std::int32_t TokenKind = pkNone;
  std::int32_t ScanState = 0;
  std::int32_t LineNumber = 0;
  std::ptrdiff_t ScanOffset = 0;
  std::ptrdiff_t TokenOffset = 0;
  const char* LineStart = nullptr;
  bool StringUnclosed = false;
};

struct TTokenPosition {
  std::int32_t Column = 0;  // 1-based
  std::int32_t Line = 0;    // 1-based
};

class TCustomQSParser {
 public:
  TCustomQSParser() = default;
  virtual ~TCustomQSParser() = default;
  TCustomQSParser(const TCustomQSParser&) = delete;
  TCustomQSParser& operator=(const TCustomQSParser&) = delete;

  // text[length] must be NUL. The scanner does not own the text, which must
  // stay unchanged while it is read. State and line number are kept.
  void SetSource(const char* text, std::size_t length);

  std::int32_t NextToken();
  [[nodiscard]] std::string TokenString() const;
  [[nodiscard]] std::string_view TokenView() const noexcept;
  [[nodiscard]] virtual TTokenPosition TokenPosition() const noexcept;
  [[nodiscard]] bool AtEnd() const noexcept { return m_tokenKind == pkEnd; }
  [[nodiscard]] std::int32_t TokenKind() const noexcept { return m_tokenKind; }

  void SaveState();
  void RestoreState();
  // The next token's text; the scanner is left where it was.
  [[nodiscard]] std::string PeekTokenString();
  [[noreturn]] void RaiseError(const std::string& message) const;
  [[nodiscard]] virtual std::string ErrorSuffix() const { return {}; }

  // For every byte of bytes and every state listed, the entry becomes
  // handler; the tables up to the highest state are made first.
  void SetCharHandler(std::initializer_list<std::int32_t> states, std::string_view bytes,
                      TTokenHandler handler, std::intptr_t data = 0);
  void SetCharHandler(std::string_view bytes, TTokenHandler handler, std::intptr_t data = 0) {
    SetCharHandler({0}, bytes, handler, data);
  }
  void SetLineBreakHandlers(std::int32_t state);

  // The reserved words as given, and their sorted, case-insensitive form.
  void SetReservedWords(const std::vector<std::string>& words);
  [[nodiscard]] const std::vector<std::string>& SortedWords() const noexcept {
    return m_sortedWords;
  }
  // The position of word in SortedWords (compared without case), or -1.
  [[nodiscard]] std::int32_t FindWord(std::string_view word) const;

  std::int32_t ScanState = 0;
  bool StringUnclosed = false;

  [[nodiscard]] const char* TokenStart() const noexcept { return m_tokenStart; }
  [[nodiscard]] const char* ScanPos() const noexcept { return m_scanPos; }
  [[nodiscard]] const char* LineStart() const noexcept { return m_lineStart; }
  [[nodiscard]] const char* TextEnd() const noexcept { return m_end; }
  [[nodiscard]] std::int32_t LineNumber() const noexcept { return m_lineNumber; }

  // The byte offset bytes after ScanPos, or NUL at and past the end.
  [[nodiscard]] unsigned char Byte(std::ptrdiff_t offset = 0) const noexcept {
    return offset < m_end - m_scanPos ? static_cast<unsigned char>(m_scanPos[offset]) : 0;
  }
  [[nodiscard]] bool AtTextEnd() const noexcept { return m_scanPos >= m_end; }
  // Moves ScanPos on by count bytes, never past the end.
  void Advance(std::ptrdiff_t count = 1) noexcept;
  void SetTokenStart(const char* at) noexcept { m_tokenStart = at; }

  // Generic handlers and scanners.
  std::int32_t ScanSymbol();
  std::int32_t SkipLineBreak(char partner);
  // Advances over line characters (from 32, and TAB) up to c; true when it
  // stopped on c.
  bool SkipToChar(char c);
  void SkipDigits();
  std::int32_t ScanNumber();
  std::int32_t ScanQuoted(char quote);
  std::int32_t ScanDoubleQuoted() { return ScanQuoted('"'); }

  static std::int32_t SymbolHandler(TCustomQSParser& p, std::intptr_t) { return p.ScanSymbol(); }
  static std::int32_t LineBreakHandler(TCustomQSParser& p, std::intptr_t partner) {
    return p.SkipLineBreak(static_cast<char>(partner));
  }
  static std::int32_t NumberHandler(TCustomQSParser& p, std::intptr_t) { return p.ScanNumber(); }
  static std::int32_t QuotedHandler(TCustomQSParser& p, std::intptr_t quote) {
    return p.ScanQuoted(static_cast<char>(quote));
  }

 protected:
  // The default table: symbols from "!" to 255 in state 0, CR and LF line
  // breaks; other control bytes and blanks have no handler and are skipped.
  virtual void InitTables();
  virtual void LineChanged() {}
  virtual void SaveTo(TTokenData& data) const;
  virtual void RestoreFrom(const TTokenData& data);

 private:
  using TStateTable = std::array<TCharHandler, 256>;
  [[nodiscard]] const TCharHandler* EntryFor(std::int32_t state, unsigned char byte) const noexcept;

  std::vector<std::unique_ptr<TStateTable>> m_stateTables;
  std::vector<TTokenData> m_savedStates;
  std::vector<std::string> m_reservedWords;
  std::vector<std::string> m_sortedWords;
  const char* m_text = "";
  const char* m_end = m_text;
  const char* m_tokenStart = m_text;
  const char* m_scanPos = m_text;
  const char* m_lineStart = m_text;
  std::int32_t m_tokenKind = pkNone;
  std::int32_t m_lineNumber = 0;
};

}  // namespace qs
