#include "export/htmlparser.h"

#include "support/asciicase.h"

namespace qs {

namespace {

constexpr bool IsLetter(unsigned char c) noexcept {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr bool IsNameChar(unsigned char c) noexcept {
  return IsLetter(c) || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == ':';
}
constexpr bool IsHexDigit(unsigned char c) noexcept {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
constexpr bool IsBlank(unsigned char c) noexcept {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

template <std::int32_t (TIntHTMLParser::*Scan)()>
std::int32_t Call(TCustomQSParser& p, std::intptr_t) {
  return (static_cast<TIntHTMLParser&>(p).*Scan)();
}

std::string Bytes(int from, int to) {
  std::string bytes;
  for (int c = from; c <= to; ++c) bytes += static_cast<char>(c);
  return bytes;
}

}  // namespace

TIntHTMLParser::TIntHTMLParser() {
  InitTables();
}

void TIntHTMLParser::InitTables() {
  TCustomQSParser::InitTables();
  std::string textStart = Bytes(32, 255);
  SetCharHandler({hsText}, textStart, &Call<&TIntHTMLParser::ScanText>);
  SetCharHandler({hsText}, "<", &Call<&TIntHTMLParser::ScanTagStart>);
  SetCharHandler({hsText}, " \t\r\n\f", &Call<&TIntHTMLParser::ScanBlank>);
  SetCharHandler({hsTag}, Bytes('a', 'z') + Bytes('A', 'Z') + "_",
                 &Call<&TIntHTMLParser::ScanName>);
  SetCharHandler({hsTag}, "\"", QuotedHandler, '"');
  SetCharHandler({hsTag}, "'", QuotedHandler, '\'');
  SetCharHandler({hsTag}, "0123456789+-", NumberHandler);
  SetCharHandler({hsTag}, "#", &Call<&TIntHTMLParser::ScanHexNumber>);
  SetCharHandler({hsTag}, ">", &Call<&TIntHTMLParser::ScanTagEnd>);
  SetCharHandler({hsComment}, Bytes('!', 255), &Call<&TIntHTMLParser::ScanComment>);
  SetLineBreakHandlers(hsComment);
  SetLineBreakHandlers(hsTag);
}

// Text runs to the next "<" or control byte; a ">" is text like any other.
std::int32_t TIntHTMLParser::ScanText() {
  Advance();
  while (!AtTextEnd() && Byte() >= 32 && Byte() != '<') Advance();
  return htText;
}

// A run of blanks and line breaks in text: HTML reads it as one space.
std::int32_t TIntHTMLParser::ScanBlank() {
  Advance();
  while (IsBlank(Byte())) Advance();
  return pkSymbol;
}

// "<" starts a tag only before a letter, "/", "!" or "?"; otherwise it is
// text, as browsers read it.
std::int32_t TIntHTMLParser::ScanTagStart() {
  const unsigned char next = Byte(1);
  // The comment's own "--" may be the start of its end: "<!-->" is whole.
  if (next == '!' && Byte(2) == '-' && Byte(3) == '-') {
    Advance(2);
    ScanState = hsComment;
    return htComment;
  }
  if (!IsLetter(next) && next != '/' && next != '!' && next != '?') return ScanText();
  Advance(2);
  while (IsNameChar(Byte())) Advance();
  ScanState = hsTag;
  return htTag;
}

std::int32_t TIntHTMLParser::ScanTagEnd() {
  Advance();
  ScanState = hsText;
  return htTag;
}

std::int32_t TIntHTMLParser::ScanName() {
  Advance();
  while (IsNameChar(Byte())) Advance();
  return htName;
}

std::int32_t TIntHTMLParser::ScanHexNumber() {
  Advance();
  while (IsHexDigit(Byte())) Advance();
  return pkInteger;
}

// A comment runs to the first "-->" that begins at or after its first "-";
// at the end of the text it simply stops.
std::int32_t TIntHTMLParser::ScanComment() {
  if (!SkipToChar('-')) return htComment;
  if (Byte(1) == '-' && Byte(2) == '>') {
    Advance(3);
    ScanState = hsText;
  } else {
    Advance();
  }
  return htComment;
}

bool TIntHTMLParser::SkipToAttributeValue() {
  while (IsBlank(Byte()) && Byte() != '\r' && Byte() != '\n') Advance();
  if (Byte() != '=') return false;
  Advance();
  while (IsBlank(Byte()) && Byte() != '\r' && Byte() != '\n') Advance();
  return true;
}

void TIntHTMLParser::SkipRawText(std::string_view name) {
  while (!AtTextEnd()) {
    if (Byte() == '<' && Byte(1) == '/') {
      bool matches = true;
      for (std::size_t i = 0; i < name.size() && matches; ++i)
        matches = AsciiLower(Byte(static_cast<std::ptrdiff_t>(i) + 2)) ==
                  AsciiLower(static_cast<unsigned char>(name[i]));
      if (matches) return;
    }
    if (Byte() == '\r' || Byte() == '\n')
      SkipLineBreak(Byte() == '\r' ? '\n' : '\r');
    else
      Advance();
  }
}

}  // namespace qs
