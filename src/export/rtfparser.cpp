#include "export/rtfparser.h"

#include <algorithm>
#include <limits>

namespace qs {

namespace {

const std::vector<std::string> kRtfWords = {
    "\\b",        "\\blue",      "\\cell",       "\\cf",  "\\colortbl", "\\deff",      "\\deflang",
    "\\endash",   "\\f",         "\\fonttbl",    "\\fs",  "\\green",    "\\highlight", "\\i",
    "\\line",     "\\lquote",    "\\nosupersub", "\\par", "\\pard",     "\\plain",     "\\pnf",
    "\\pnlvlblt", "\\pnlvlbody", "\\pntext",     "\\qc",  "\\qr",       "\\red",       "\\row",
    "\\rquote",   "\\rtf",       "\\strike",     "\\sub", "\\super",    "\\trowd",     "\\tab",
    "\\u",        "\\ul",        "\\ulnone",     "\\v"};

constexpr bool IsDigit(unsigned char c) noexcept {
  return c >= '0' && c <= '9';
}
constexpr bool IsLetter(unsigned char c) noexcept {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
// What ends a text run.
constexpr bool EndsText(unsigned char c) noexcept {
  return c < 32 || c == '\\' || c == '{' || c == '}';
}
int HexValue(unsigned char c) noexcept {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

template <std::int32_t (TQSRtfParser::*Scan)()>
std::int32_t Call(TCustomQSParser& p, std::intptr_t) {
  return (static_cast<TQSRtfParser&>(p).*Scan)();
}

}  // namespace

TQSRtfParser::TQSRtfParser() {
  SetReservedWords(kRtfWords);
  InitTables();
}

void TQSRtfParser::InitTables() {
  TCustomQSParser::InitTables();
  std::string textStart = "\t";
  for (int c = 32; c <= 255; ++c) textStart += static_cast<char>(c);
  SetCharHandler(textStart, &Call<&TQSRtfParser::ScanText>);
  SetCharHandler("{", &Call<&TQSRtfParser::ScanGroupStart>);
  SetCharHandler("}", [](TCustomQSParser& p, std::intptr_t) -> std::int32_t {
    p.Advance();
    return rtGroupEnd;
  });
  SetCharHandler("\\", &Call<&TQSRtfParser::ScanControl>);
  SetCharHandler("0123456789", NumberHandler);
}

std::int32_t TQSRtfParser::ScanText() {
  Advance();
  while (!AtTextEnd() && !EndsText(Byte())) Advance();
  return rtText;
}

std::int32_t TQSRtfParser::ScanGroupStart() {
  Advance();
  const char* textStart = ScanPos();
  while (!AtTextEnd() && !EndsText(Byte())) Advance();
  GroupText = std::string_view(textStart, static_cast<std::size_t>(ScanPos() - textStart));
  return rtGroupStart;
}

std::int32_t TQSRtfParser::ScanControl() {
  const unsigned char next = Byte(1);
  if (next == '\\' || next == '{' || next == '}') {
    Advance();
    SetTokenStart(ScanPos());
    return ScanText();
  }
  if (next == '\'') return ScanHexEscape();
  const char* wordStart = ScanPos();
  Advance();
  // "\*" and "\_" are symbols of their own; a word is a run of letters.
  if (next == '*' || next == '_')
    Advance();
  else
    while (IsLetter(Byte())) Advance();
  Word = std::string_view(wordStart, static_cast<std::size_t>(ScanPos() - wordStart));
  WordIndex = FindWord(Word);
  ScanParameter();
  return WordIndex >= 0 ? rtWord : rtUnknownWord;
}

// Two hexadecimal digits make the escape; a shorter one is an unknown
// symbol that covers what it has, so the scanner never steps over the end.
std::int32_t TQSRtfParser::ScanHexEscape() {
  const char* wordStart = ScanPos();
  Advance(2);
  const int high = HexValue(Byte());
  const int low = high < 0 ? -1 : HexValue(Byte(1));
  if (high >= 0 && low >= 0) {
    SpecialChar = static_cast<unsigned char>(high * 16 + low);
    Advance(2);
    return rtHexChar;
  }
  if (high >= 0) Advance();
  Word = std::string_view(wordStart, 2);
  WordIndex = -1;
  HasParameter = false;
  return rtUnknownWord;
}

void TQSRtfParser::ScanParameter() {
  HasParameter = false;
  Parameter = 0;
  const bool negative = Byte() == '-' && IsDigit(Byte(1));
  if (!negative && !IsDigit(Byte())) return;
  if (negative) Advance();
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  while (IsDigit(Byte())) {
    value = std::min(kLimit, value * 10 + (Byte() - '0'));
    Advance();
  }
  if (negative) value = -value;
  HasParameter = true;
  Parameter = static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void TQSRtfParser::SkipBinary(std::int64_t count) {
  if (Byte() == ' ') Advance();  // the word's delimiter
  if (count > 0)
    Advance(static_cast<std::ptrdiff_t>(std::min<std::int64_t>(count, TextEnd() - ScanPos())));
}

}  // namespace qs
