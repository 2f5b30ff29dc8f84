#include "textmodel/textencoding.h"

#include <array>
#include <cstdio>

#include "support/errors.h"
#include "support/utf8.h"

namespace qs {
namespace {

// windows-1252 0x80..0x9F; the five unassigned bytes keep their C1 code points.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

[[noreturn]] void Unencodable(Char c) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(c));
  throw Error(std::string("The character ") + hex + " cannot be saved in the document's encoding");
}

int EncodeEightBit(Char c, Encoding codePage) {
  if (codePage != Encoding::Windows1252) throw Error("Unsupported encoding");
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (std::size_t i = 0; i < kCp1252High.size(); ++i)
    if (kCp1252High[i] == c) return static_cast<int>(0x80 + i);
  return -1;
}

void AppendUnit(std::string& out, unsigned unit, bool bigEndian) {
  const char hi = static_cast<char>(unit >> 8);
  const char lo = static_cast<char>(unit & 0xFF);
  out.push_back(bigEndian ? hi : lo);
  out.push_back(bigEndian ? lo : hi);
}

}  // namespace

BomInfo DetectBom(std::string_view bytes) {
  const auto starts = [&](std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
  };
  if (starts("\xEF\xBB\xBF")) return {Encoding::Utf8, 3};
  if (starts("\xFF\xFE")) return {Encoding::Utf16LE, 2};
  if (starts("\xFE\xFF")) return {Encoding::Utf16BE, 2};
  return {};
}

Char DecodeEightBit(unsigned char byte, Encoding codePage) {
  if (codePage != Encoding::Windows1252) throw Error("Unsupported encoding");
  return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte;
}

std::string EncodeText(StringView text, Encoding encoding, bool bom) {
  std::string out;
  switch (encoding) {
    case Encoding::Utf8:
      out.reserve(text.size() + 3);
      if (bom) out = "\xEF\xBB\xBF";
      for (Char c : text) {
        if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) Unencodable(c);
        AppendUtf8(out, c);
      }
      return out;
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: {
      const bool be = encoding == Encoding::Utf16BE;
      out.reserve(text.size() * 2 + 2);
      if (bom) AppendUnit(out, 0xFEFF, be);
      for (Char c : text) {
        // A lone surrogate read from a file goes back as the unit it was.
        if (c > 0x10FFFF) Unencodable(c);
        if (c < 0x10000) {
          AppendUnit(out, c, be);
        } else {
          AppendUnit(out, 0xD800 + ((c - 0x10000) >> 10), be);
          AppendUnit(out, 0xDC00 + ((c - 0x10000) & 0x3FF), be);
        }
      }
      return out;
    }
    default:
      out.reserve(text.size());
      for (Char c : text) {
        const int byte = EncodeEightBit(c, encoding);
        if (byte < 0) Unencodable(c);
        out.push_back(static_cast<char>(byte));
      }
      return out;
  }
}

}  // namespace qs
