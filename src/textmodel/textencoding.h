// The character encodings a document can be read in and written back to.
// A stand-in for the program-wide encoding support: the same names, kept here
// until that lands, so the document can load and save byte for byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "support/qschar.h"

namespace qs {

enum class Encoding { Utf8, Utf16LE, Utf16BE, Windows1252, Windows1251, Cp866, Koi8R };

// The BOM at the start of bytes: its encoding and length, or length 0.
struct BomInfo {
  Encoding encoding = Encoding::Utf8;
  std::size_t length = 0;
};
BomInfo DetectBom(std::string_view bytes);

// One character of an 8-bit code page.
Char DecodeEightBit(unsigned char byte, Encoding codePage);

// The whole text in encoding (with its BOM when bom). Throws qs::Error naming
// the character when the encoding cannot hold it.
std::string EncodeText(StringView text, Encoding encoding, bool bom);

}  // namespace qs
