#include "support/unicodecase.h"

#include "support/unicodetables_p.h"

namespace qs {
namespace {

using unicode_detail::LetterKind;
using unicode_detail::PropertiesOf;

template <typename AsciiMap, typename Delta>
String MapText(StringView text, AsciiMap ascii, Delta delta) {
  String out(text.size(), 0);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Char c = text[i];
    out[i] = c < 0x80 ? ascii(c) : static_cast<Char>(c + delta(PropertiesOf(c)));
  }
  return out;
}

Char AsciiUpper(Char c) {
  return c >= U'a' && c <= U'z' ? c - 32 : c;
}
Char AsciiLower(Char c) {
  return c >= U'A' && c <= U'Z' ? c + 32 : c;
}
std::int32_t UpperDelta(const unicode_detail::CharProperties& p) {
  return p.upperDelta;
}
std::int32_t LowerDelta(const unicode_detail::CharProperties& p) {
  return p.lowerDelta;
}

}  // namespace

Char ToUpperChar(Char c) {
  return static_cast<Char>(c + PropertiesOf(c).upperDelta);
}
Char ToLowerChar(Char c) {
  return static_cast<Char>(c + PropertiesOf(c).lowerDelta);
}

String ToUpper(StringView text) {
  return MapText(text, AsciiUpper, UpperDelta);
}
String ToLower(StringView text) {
  return MapText(text, AsciiLower, LowerDelta);
}

bool IsLetter(Char c) {
  return PropertiesOf(c).kind != LetterKind::None;
}
bool IsUpper(Char c) {
  return PropertiesOf(c).kind == LetterKind::Upper;
}
bool IsLower(Char c) {
  return PropertiesOf(c).kind == LetterKind::Lower;
}

}  // namespace qs
