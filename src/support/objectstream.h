// The binary object stream: the compact byte form of an object tree, used by
// the scheme catalogue and the code-template files. It starts with "TPF0",
// then the root object: class name, object name, properties, child objects.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "support/objecttree.h"

namespace qs {

// Objects, lists and collections may nest this many levels (the root object is
// level 1). Both directions enforce it, so whatever is written can be read back
// and hostile input cannot exhaust the stack.
inline constexpr int kMaxObjectStreamNesting = 256;

// Integers take the smallest signed form that holds them; strings are UTF-8 and
// take the short form up to 255 bytes. The idents True, False and nil get their
// own tags. Throws qs::Error when the tree cannot be represented: a name (class,
// object, property, ident, set element) longer than 255 bytes, an empty class
// name, property path or set element (each would read as an end marker), a
// string or binary value over 4 GiB, or nesting deeper than the limit.
[[nodiscard]] std::vector<std::uint8_t> WriteObjectStream(const ObjectNode& root);

// Throws qs::ParseError for anything but one complete, well-formed stream: a
// wrong signature, a length or value running past the end, an unknown tag, a
// name that is not valid UTF-8, nesting beyond the limit, or bytes after the end
// of the root object. Ill-formed UTF-8 inside string values becomes U+FFFD. The
// order value a collection item may carry has no place in the tree and is
// skipped.
[[nodiscard]] ObjectNode ReadObjectStream(std::span<const std::uint8_t> bytes);

}  // namespace qs
