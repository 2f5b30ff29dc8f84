#include "support/utf8.h"

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

String FromUtf8(std::string_view bytes) {
  String out;
  out.reserve(bytes.size());
  bool valid = true;
  for (std::size_t pos = 0; pos < bytes.size();) out.push_back(DecodeUtf8At(bytes, pos, valid));
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  bool valid = true;
  for (std::size_t pos = 0; pos < bytes.size() && valid;) DecodeUtf8At(bytes, pos, valid);
  return valid;
}

}  // namespace qs
