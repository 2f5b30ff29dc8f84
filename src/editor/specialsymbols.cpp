#include "editor/specialsymbols.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "support/errors.h"
#include "support/lengthprefixed.h"
#include "support/utf8.h"

namespace qs {

namespace {

// Each character may take up to four bytes in UTF-8.
constexpr std::size_t kMaxEncodedLength = TSpecialSymbols::kMaxStringLength * 4;

void CheckLength(const String& text) {
  if (text.size() > TSpecialSymbols::kMaxStringLength)
    throw Error("A special symbol may have at most " +
                std::to_string(TSpecialSymbols::kMaxStringLength) + " characters");
}

bool AllBelow256(StringView text) {
  return std::all_of(text.begin(), text.end(), [](Char c) { return c < 256; });
}

}  // namespace

ByteVector EncodeSymbolString(const String& text) {
  ByteVector bytes;
  if (AllBelow256(text)) {
    for (Char c : text) bytes.push_back(static_cast<std::uint8_t>(c));
  } else {
    const std::string utf8 = ToUtf8(text);
    bytes.assign(utf8.begin(), utf8.end());
  }
  return EncodeLengthPrefixed(bytes);
}

String DecodeSymbolString(const ByteVector& data) {
  if (data.size() >= 4) {
    const std::uint32_t claimed =
        data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<std::uint32_t>(data[3]) << 24);
    if (claimed > kMaxEncodedLength)
      throw ParseError("A special symbol of " + std::to_string(claimed) + " bytes is too long");
  }
  const ByteVector bytes = DecodeLengthPrefixed(data);
  const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  // UTF-8 is what the writer chose only when it held a character above 255;
  // anything else is one character per byte.
  if (IsValidUtf8(view)) {
    String decoded = FromUtf8(view);
    if (!AllBelow256(decoded)) return decoded;
  }
  return String(bytes.begin(), bytes.end());
}

const ClassInfo& TSpecialSymbols::StaticClassInfo() {
  using T = TSpecialSymbols;
  static const ClassInfo info(
      "TSpecialSymbols", &TPersistent::StaticClassInfo(),
      {Prop::String<T>("EOLString", &T::EOLString, &T::SetEOLString, U"\u00B6")
           .StoredWhen([](const T&) { return false; }),
       Prop::String<T>("EOFString", &T::EOFString, &T::SetEOFString, U"_").StoredWhen([](const T&) {
         return false;
       }),
       Prop::Char<T>("SpaceChar", &T::SpaceChar, &T::SetSpaceChar, 0),
       Prop::Char<T>("TabChar", &T::TabChar, &T::SetTabChar, 0),
       Prop::Binary<T>("EOLStringBinary", &T::EOLStringBinary, &T::SetEOLStringBinary)
           .NoDefault()
           .StreamOnly(),
       Prop::Binary<T>("EOFStringBinary", &T::EOFStringBinary, &T::SetEOFStringBinary)
           .NoDefault()
           .StreamOnly()});
  return info;
}

void TSpecialSymbols::SetEOLString(const String& text) {
  CheckLength(text);
  if (m_eolString == text) return;
  m_eolString = text;
  Changed();
}

void TSpecialSymbols::SetEOFString(const String& text) {
  CheckLength(text);
  if (m_eofString == text) return;
  m_eofString = text;
  Changed();
}

void TSpecialSymbols::SetSpaceChar(Char c) {
  if (m_spaceChar == c) return;
  m_spaceChar = c;
  Changed();
}

void TSpecialSymbols::SetTabChar(Char c) {
  if (m_tabChar == c) return;
  m_tabChar = c;
  Changed();
}

ByteVector TSpecialSymbols::EOLStringBinary() const {
  return EncodeSymbolString(m_eolString);
}

void TSpecialSymbols::SetEOLStringBinary(const ByteVector& data) {
  SetEOLString(DecodeSymbolString(data));
}

ByteVector TSpecialSymbols::EOFStringBinary() const {
  return EncodeSymbolString(m_eofString);
}

void TSpecialSymbols::SetEOFStringBinary(const ByteVector& data) {
  SetEOFString(DecodeSymbolString(data));
}

}  // namespace qs
