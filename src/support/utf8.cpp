#include "support/utf8.h"

#include <cstdint>
#include <cstring>

namespace qs {

void AppendUtf8(std::string& out, Char c) {
  if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacementChar;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string ToUtf8(StringView text) {
  std::string out;
  out.reserve(text.size());
  for (Char c : text) AppendUtf8(out, c);
  return out;
}

Char DecodeUtf8At(std::string_view bytes, std::size_t& pos, bool& valid) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(pos);
  valid = true;
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  int extra = 0;
  Char c = 0;
  Char minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, c = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, c = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, c = lead & 0x07, minimum = 0x10000;
  } else {
    ++pos;
    valid = false;
    return kReplacementChar;
  }
  std::size_t i = pos + 1;
  for (int k = 0; k < extra; ++k, ++i) {
    if (i >= bytes.size() || (byte(i) & 0xC0) != 0x80) {
      pos = i;  // the offending byte starts the next sequence
      valid = false;
      return kReplacementChar;
    }
    c = (c << 6) | (byte(i) & 0x3F);
  }
  pos = i;
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    valid = false;
    return kReplacementChar;
  }
  return c;
}

std::size_t AsciiRunEnd(std::string_view bytes, std::size_t pos) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
  const std::size_t n = bytes.size();
  for (std::uint64_t word; pos + sizeof word <= n; pos += sizeof word) {
    std::memcpy(&word, bytes.data() + pos, sizeof word);
    if (word & kHighBits) break;
  }
  while (pos < n && static_cast<unsigned char>(bytes[pos]) < 0x80) ++pos;
  return pos;
}

String FromUtf8(std::string_view bytes) {
  String out;
  AppendFromUtf8(bytes, out);
  return out;
}

namespace {

bool IsContinuation(unsigned char b) {
  return (b & 0xC0) == 0x80;
}

// Length of the well-formed multi-byte sequence at pos, 0 when there is none.
// The second byte's range excludes overlongs, surrogates and values above
// U+10FFFF, so no code point has to be assembled.
std::size_t WellFormedLength(std::string_view bytes, std::size_t pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[pos + i]); };
  const std::size_t left = bytes.size() - pos;
  const unsigned char lead = byte(0);
  if (lead >= 0xC2 && lead <= 0xDF) return left >= 2 && IsContinuation(byte(1)) ? 2 : 0;
  unsigned char low = 0x80, high = 0xBF;
  std::size_t length = 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (left < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (!IsContinuation(byte(i))) return 0;
  return length;
}

Char AssembleWellFormed(std::string_view bytes, std::size_t pos, std::size_t length) {
  constexpr unsigned char kLeadMask[] = {0, 0, 0x1F, 0x0F, 0x07};
  Char c = static_cast<unsigned char>(bytes[pos]) & kLeadMask[length];
  for (std::size_t i = 1; i < length; ++i)
    c = c << 6 | (static_cast<unsigned char>(bytes[pos + i]) & 0x3F);
  return c;
}

}  // namespace

std::size_t AppendFromUtf8(std::string_view bytes, String& out) {
  // Never more characters than bytes: size for that, write through a pointer,
  // trim at the end.
  const std::size_t start = out.size();
  out.resize(start + bytes.size());
  Char* dst = out.data() + start;
  std::size_t replaced = 0;
  bool valid = true;
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t asciiEnd = AsciiRunEnd(bytes, pos);
    for (; pos < asciiEnd; ++pos) *dst++ = static_cast<unsigned char>(bytes[pos]);
    if (pos == bytes.size()) break;
    if (const std::size_t length = WellFormedLength(bytes, pos)) {
      *dst++ = AssembleWellFormed(bytes, pos, length);
      pos += length;
    } else {
      // The general decoder decides how many bytes one U+FFFD covers.
      *dst++ = DecodeUtf8At(bytes, pos, valid);
      if (!valid) ++replaced;
    }
  }
  out.resize(static_cast<std::size_t>(dst - out.data()));
  return replaced;
}

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t pos = AsciiRunEnd(bytes, 0); pos < bytes.size(); pos = AsciiRunEnd(bytes, pos)) {
    const std::size_t length = WellFormedLength(bytes, pos);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

}  // namespace qs
