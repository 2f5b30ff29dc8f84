// The 8-bit code pages (windows-1252, windows-1251, CP866, KOI8-R): one byte is
// one character. Bytes 0x00..0x7F are ASCII in all of them.
//
// A byte that a code page leaves undefined (windows-1252 0x81, 0x8D, 0x8F,
// 0x90, 0x9D; windows-1251 0x98) is read as the C1 control of the same value
// and that control is written back as the byte, so loading and saving keeps
// every byte of any file.
#pragma once

#include "support/encoding.h"
#include "support/qschar.h"

namespace qs {

// True for the four 8-bit code pages; the UTF encodings are not.
bool IsCodePage(Encoding enc);

// Sets c to the character of byte in the code page. Returns false when the
// code page leaves the byte undefined (c is then the C1 control of the same
// value) and when enc is not a code page (c is then U+FFFD).
bool ByteToChar(Encoding enc, unsigned char byte, Char& c);

// Sets byte to the code page's byte for c (including the C1 control that
// stands for an undefined byte). Returns false, leaving byte alone, when the
// code page cannot hold c or enc is not a code page.
bool CharToByte(Encoding enc, Char c, unsigned char& byte);

// The character that c's byte in `from` stands for in `to`: how text typed
// under one code page reads under another. c is unchanged when `from` cannot
// hold it or either encoding is not a code page.
Char Reinterpret(Char c, Encoding from, Encoding to);
String Reinterpret(StringView text, Encoding from, Encoding to);

}  // namespace qs
