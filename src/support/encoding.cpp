#include "support/encoding.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "support/codepages.h"
#include "support/utf16.h"
#include "support/utf8.h"

namespace qs {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEBom = "\xFF\xFE";
constexpr std::string_view kUtf16BEBom = "\xFE\xFF";

std::string_view BomOf(Encoding enc) {
  switch (enc) {
    case Encoding::Utf8:
      return kUtf8Bom;
    case Encoding::Utf16LE:
      return kUtf16LEBom;
    case Encoding::Utf16BE:
      return kUtf16BEBom;
    default:
      return {};
  }
}

std::size_t DecodeCodePage(std::string_view bytes, Encoding enc, String& out) {
  std::array<Char, 256> table{};
  for (unsigned byte = 0; byte < table.size(); ++byte)
    ByteToChar(enc, static_cast<unsigned char>(byte), table[byte]);
  const std::size_t start = out.size();
  out.resize(start + bytes.size());
  Char* dst = out.data() + start;
  for (char byte : bytes) *dst++ = table[static_cast<unsigned char>(byte)];
  return 0;
}

// Returns how many U+FFFD stand for ill-formed input.
std::size_t DecodeCounting(std::string_view bytes, Encoding enc, String& out) {
  switch (enc) {
    case Encoding::Utf8:
      return AppendFromUtf8(bytes, out);
    case Encoding::Utf16LE:
      return AppendFromUtf16(bytes, ByteOrder::LittleEndian, out);
    case Encoding::Utf16BE:
      return AppendFromUtf16(bytes, ByteOrder::BigEndian, out);
    default:
      return DecodeCodePage(bytes, enc, out);
  }
}

bool IsUnicodeScalar(Char c) {
  return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// "line 3, column 7" for text[offset], counting CR LF, LF and CR as breaks.
std::string PositionOf(StringView text, std::size_t offset) {
  std::size_t line = 1, lineStart = 0;
  for (std::size_t i = 0; i < offset; ++i) {
    const bool crBeforeLf = text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n';
    if ((text[i] == U'\n' || text[i] == U'\r') && !crBeforeLf) ++line, lineStart = i + 1;
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(offset - lineStart + 1);
}

[[noreturn]] void RefuseCharacter(StringView text, std::size_t offset, Encoding enc) {
  const Char c = text[offset];
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
  std::string shown;
  if (IsUnicodeScalar(c) && c >= 0xA0) shown = "\"" + ToUtf8(StringView(&c, 1)) + "\" ";
  throw EncodingError("The character " + shown + "(" + code + ") at " + PositionOf(text, offset) +
                          " cannot be saved in the encoding " + std::string(EncodingName(enc)) +
                          ".",
                      offset);
}

void EncodeUnicode(StringView text, Encoding enc, std::string& out) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Char c = text[i];
    if (c < 0x80 && enc == Encoding::Utf8) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    if (!IsUnicodeScalar(c)) RefuseCharacter(text, i, enc);
    if (enc == Encoding::Utf8)
      AppendUtf8(out, c);
    else
      AppendUtf16(out, c,
                  enc == Encoding::Utf16BE ? ByteOrder::BigEndian : ByteOrder::LittleEndian);
  }
}

void EncodeCodePage(StringView text, Encoding enc, std::string& out) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned char byte = 0;
    if (!CharToByte(enc, text[i], byte)) RefuseCharacter(text, i, enc);
    out.push_back(static_cast<char>(byte));
  }
}

struct NamedEncoding {
  std::string_view name;
  Encoding encoding;
};

// The first name of each encoding is the one EncodingName gives.
constexpr NamedEncoding kNames[] = {
    {"UTF-8", Encoding::Utf8},
    {"utf8", Encoding::Utf8},
    {"UTF-16LE", Encoding::Utf16LE},
    {"utf16le", Encoding::Utf16LE},
    {"UTF-16BE", Encoding::Utf16BE},
    {"utf16be", Encoding::Utf16BE},
    {"windows-1252", Encoding::Windows1252},
    {"cp1252", Encoding::Windows1252},
    {"windows-1251", Encoding::Windows1251},
    {"cp1251", Encoding::Windows1251},
    {"IBM866", Encoding::Cp866},
    {"cp866", Encoding::Cp866},
    {"866", Encoding::Cp866},
    {"KOI8-R", Encoding::Koi8R},
    {"koi8r", Encoding::Koi8R},
};

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

}  // namespace

std::optional<Encoding> DetectBomlessUtf16(std::string_view bytes) {
  constexpr std::size_t kProbe = 4096;
  const std::size_t size = std::min(bytes.size(), kProbe) & ~std::size_t{1};
  if (size < 4) return std::nullopt;
  const auto nulAt = [&](std::size_t i) { return bytes[i] == '\0'; };
  bool little = true, big = true;
  for (std::size_t i = 0; i < size && (little || big); i += 2) {
    little = little && !nulAt(i) && nulAt(i + 1);
    big = big && nulAt(i) && !nulAt(i + 1);
  }
  if (little) return Encoding::Utf16LE;
  if (big) return Encoding::Utf16BE;
  return std::nullopt;
}

DetectedEncoding DetectEncoding(std::string_view bytes, Encoding eightBitCodePage) {
  for (Encoding enc : {Encoding::Utf8, Encoding::Utf16LE, Encoding::Utf16BE}) {
    const std::string_view bom = BomOf(enc);
    if (bytes.starts_with(bom)) return {enc, true, bom.size()};
  }
  if (const std::optional<Encoding> utf16 = DetectBomlessUtf16(bytes)) return {*utf16, false, 0};
  if (IsValidUtf8(bytes)) return {Encoding::Utf8, false, 0};
  return {IsCodePage(eightBitCodePage) ? eightBitCodePage : Encoding::Windows1252, false, 0};
}

void DecodeAppend(std::string_view bytes, Encoding enc, String& out) {
  DecodeCounting(bytes, enc, out);
}

DecodedText DecodeDocument(std::string_view bytes, Encoding eightBitCodePage) {
  const DetectedEncoding found = DetectEncoding(bytes, eightBitCodePage);
  DecodedText result{{}, found.encoding, found.bom};
  result.lossy = DecodeCounting(bytes.substr(found.bomLength), found.encoding, result.text) != 0;
  return result;
}

std::string EncodeText(StringView text, Encoding enc, bool bom) {
  std::string out;
  out.reserve(text.size() * (enc == Encoding::Utf16LE || enc == Encoding::Utf16BE ? 2 : 1) + 3);
  if (bom) out.append(BomOf(enc));
  if (IsCodePage(enc))
    EncodeCodePage(text, enc, out);
  else
    EncodeUnicode(text, enc, out);
  return out;
}

std::string_view EncodingName(Encoding enc) {
  for (const NamedEncoding& entry : kNames)
    if (entry.encoding == enc) return entry.name;
  return {};
}

std::optional<Encoding> EncodingFromName(std::string_view name) {
  for (const NamedEncoding& entry : kNames)
    if (EqualIgnoringAsciiCase(entry.name, name)) return entry.encoding;
  return std::nullopt;
}

}  // namespace qs
