#include "support/utf16.h"

#include "support/utf8.h"

namespace qs {
namespace {

void AppendUnit(std::string& out, char16_t unit, ByteOrder order) {
  const char high = static_cast<char>(unit >> 8);
  const char low = static_cast<char>(unit & 0xFF);
  if (order == ByteOrder::BigEndian) {
    out.push_back(high);
    out.push_back(low);
  } else {
    out.push_back(low);
    out.push_back(high);
  }
}

char16_t UnitAt(std::string_view bytes, std::size_t pos, ByteOrder order) {
  const auto first = static_cast<unsigned char>(bytes[pos]);
  const auto second = static_cast<unsigned char>(bytes[pos + 1]);
  return order == ByteOrder::BigEndian ? static_cast<char16_t>(first << 8 | second)
                                       : static_cast<char16_t>(second << 8 | first);
}

bool IsHighSurrogate(Char c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(Char c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

void AppendUtf16(std::string& out, Char c, ByteOrder order) {
  if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacementChar;
  if (c < 0x10000) {
    AppendUnit(out, static_cast<char16_t>(c), order);
    return;
  }
  c -= 0x10000;
  AppendUnit(out, static_cast<char16_t>(0xD800 + (c >> 10)), order);
  AppendUnit(out, static_cast<char16_t>(0xDC00 + (c & 0x3FF)), order);
}

std::size_t AppendFromUtf16(std::string_view bytes, ByteOrder order, String& out) {
  out.reserve(out.size() + bytes.size() / 2 + 1);
  std::size_t replaced = 0;
  const std::size_t whole = bytes.size() & ~std::size_t{1};
  for (std::size_t pos = 0; pos < whole; pos += 2) {
    const Char unit = UnitAt(bytes, pos, order);
    if (IsHighSurrogate(unit) && pos + 2 < whole) {
      const Char next = UnitAt(bytes, pos + 2, order);
      if (IsLowSurrogate(next)) {
        out.push_back(0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
        pos += 2;
        continue;
      }
    }
    if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      out.push_back(kReplacementChar);
      ++replaced;
    } else {
      out.push_back(unit);
    }
  }
  if (whole != bytes.size()) {
    out.push_back(kReplacementChar);
    ++replaced;
  }
  return replaced;
}

}  // namespace qs
