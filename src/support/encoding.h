// The encodings a document is read and saved in: finding a file's encoding,
// decoding its bytes into characters and encoding them back for the save.
// Open + save of an unchanged document gives back the same bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "support/errors.h"
#include "support/qschar.h"

namespace qs {

enum class Encoding { Utf8, Utf16LE, Utf16BE, Windows1252, Windows1251, Cp866, Koi8R };

struct DetectedEncoding {
  Encoding encoding;
  bool bom;               // the bytes start with the encoding's byte order mark
  std::size_t bomLength;  // bytes of it; the text starts after them
};

// UTF-16 without a byte order mark, as such files mostly hold Latin text: a
// NUL at every other byte and at no byte between, across the first 4 KiB
// (at least two units). Little-endian when the NULs follow the letters.
std::optional<Encoding> DetectBomlessUtf16(std::string_view bytes);

// A byte order mark picks UTF-8 or UTF-16 LE/BE; without one, UTF-16 that
// DetectBomlessUtf16 recognises is UTF-16, valid UTF-8 (pure ASCII and empty
// input included) is UTF-8 and anything else is eightBitCodePage. Linear in
// the input.
DetectedEncoding DetectEncoding(std::string_view bytes,
                                Encoding eightBitCodePage = Encoding::Windows1252);

// Decodes bytes (after the byte order mark) onto the end of out. Never throws:
// ill-formed UTF-8, lone surrogates and an odd trailing UTF-16 byte become
// U+FFFD. Every byte of an 8-bit code page decodes to one character.
void DecodeAppend(std::string_view bytes, Encoding enc, String& out);

struct DecodedText {
  String text;
  Encoding encoding;
  bool bom;
  // Some input was ill-formed and became U+FFFD (only possible after a byte
  // order mark chose the encoding): saving would not give back the same bytes.
  bool lossy = false;
};

// A whole file's bytes as text, in the encoding DetectEncoding finds.
DecodedText DecodeDocument(std::string_view bytes,
                           Encoding eightBitCodePage = Encoding::Windows1252);

// A character that the target encoding cannot hold; what() names it, the
// encoding and where it stands, and Offset() is its index in the text.
class EncodingError : public Error {
 public:
  EncodingError(const std::string& message, std::size_t offset) : Error(message), offset_(offset) {}
  std::size_t Offset() const { return offset_; }

 private:
  std::size_t offset_;
};

// The bytes a save writes: the byte order mark when bom is true (ignored for
// the 8-bit code pages, which have none), then the text. Throws EncodingError
// on the first character the encoding cannot hold (for UTF-8 and UTF-16: a
// surrogate code point or a value above U+10FFFF); nothing partial is returned.
std::string EncodeText(StringView text, Encoding enc, bool bom);

// "UTF-8", "UTF-16LE", "UTF-16BE", "windows-1252", "windows-1251", "cp866", "KOI8-R".
std::string_view EncodingName(Encoding enc);
// The encoding of a name EncodingName gives or a common alias of it
// ("utf8", "cp1251", "ibm866", ...), case-insensitive.
std::optional<Encoding> EncodingFromName(std::string_view name);

}  // namespace qs
