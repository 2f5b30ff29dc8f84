// UTF-8 to and from code points. Decoding never throws: a byte that does not
// start a well-formed sequence becomes U+FFFD, so any input gives some text.
#pragma once

#include <string>
#include <string_view>

#include "support/qschar.h"

namespace qs {

inline constexpr Char kReplacementChar = 0xFFFD;

std::string ToUtf8(StringView text);
String FromUtf8(std::string_view bytes);
// Decodes bytes onto the end of out; returns how many U+FFFD stand for
// ill-formed input (0: the text re-encodes to exactly these bytes).
std::size_t AppendFromUtf8(std::string_view bytes, String& out);
// True when every byte belongs to a well-formed sequence (no surrogates, no
// overlongs). Linear with an ASCII fast path: it decides the encoding of whole
// documents on load.
bool IsValidUtf8(std::string_view bytes);
// Appends one code point; a surrogate or a value above U+10FFFF is written as U+FFFD.
void AppendUtf8(std::string& out, Char c);

// The first position at or after pos whose byte is not ASCII (bytes.size()
// when there is none); scans a machine word at a time.
std::size_t AsciiRunEnd(std::string_view bytes, std::size_t pos);

// Decodes the sequence at bytes[pos], advancing pos by at least one byte;
// returns U+FFFD (and sets valid false) for an ill-formed sequence.
Char DecodeUtf8At(std::string_view bytes, std::size_t& pos, bool& valid);

}  // namespace qs
