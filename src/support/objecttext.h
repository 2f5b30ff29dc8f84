// The readable object notation ("object TPersHolder" ... "end") of scheme
// files, colour-scheme files and the stored text styles, to and from the
// neutral object tree.
#pragma once

#include <string>
#include <string_view>

#include "support/objecttree.h"

namespace qs {

// The root object as UTF-8 text with CR LF line ends, two blanks of
// indentation per level. Throws qs::Error for a tree that would not read back
// as itself: a class, object or identifier name that is not an identifier, a
// property path that is not identifiers joined by "." (or is one of the
// notation's keywords), a Double that is not finite, or a string holding a
// surrogate or a value above U+10FFFF.
std::string WriteObjectText(const ObjectNode& root);

// Reads the notation tolerantly: blanks and line breaks between tokens, CR LF,
// LF or CR line ends, doubled quotes, "+" continuation of strings, signed and
// floating-point numbers, exponents, dotted identifiers and nested objects
// written with object, inherited or inline. Keywords are matched without
// regard to case. Anything else, including text that is not UTF-8, throws
// qs::ParseError naming the 1-based line.
ObjectNode ReadObjectText(std::string_view text);

}  // namespace qs
