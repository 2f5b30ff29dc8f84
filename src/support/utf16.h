// UTF-16 in either byte order to and from code points. Decoding never throws:
// a lone surrogate or an odd trailing byte becomes U+FFFD.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "support/qschar.h"

namespace qs {

enum class ByteOrder { LittleEndian, BigEndian };

// Appends one code point as one or two code units; a surrogate or a value
// above U+10FFFF is written as U+FFFD.
void AppendUtf16(std::string& out, Char c, ByteOrder order);

// Decodes bytes onto the end of out; returns how many U+FFFD stand for
// ill-formed input (0: the text re-encodes to exactly these bytes).
std::size_t AppendFromUtf16(std::string_view bytes, ByteOrder order, String& out);

}  // namespace qs
