// Byte-stream builders and sample trees shared by the object stream tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "support/objecttree.h"

namespace qs::testing {

using Bytes = std::vector<std::uint8_t>;

// One run of a hand-written stream: a single byte, or the bytes of a text.
struct Piece {
  Piece(int byte) : bytes{static_cast<std::uint8_t>(byte)} {}
  Piece(const char* text) : Piece(std::string_view(text)) {}
  Piece(std::string_view text) : bytes(text.begin(), text.end()) {}
  Piece(const std::string& text) : Piece(std::string_view(text)) {}
  Piece(const Bytes& b) : bytes(b) {}
  Bytes bytes;
};

inline Bytes Join(std::initializer_list<Piece> pieces) {
  Bytes out;
  for (const Piece& p : pieces) out.insert(out.end(), p.bytes.begin(), p.bytes.end());
  return out;
}

inline Bytes Repeat(std::uint8_t byte, std::size_t count) {
  return Bytes(count, byte);
}

// A root "R" whose one property "V" holds the given encoded value.
inline Bytes WithValue(const Bytes& value) {
  return Join({"TPF0", 1, "R", 0, 1, "V", value, 0, 0});
}

inline ObjectNode Node(std::string className, std::string objectName = {},
                       PropertyList properties = {}) {
  ObjectNode node;
  node.className = std::move(className);
  node.objectName = std::move(objectName);
  node.properties = std::move(properties);
  return node;
}

inline ObjectNode RootWith(Value v) {
  ObjectNode root = Node("R");
  root.properties.emplace_back("V", std::move(v));
  return root;
}

// The catalogue of one entry, as a tree and as the exact bytes it is stored as.
inline ObjectNode CatalogueTree() {
  PropertyList entry{
      Property("Name", Value::Str(U"html.sch")),
      Property("Extensions", Value::Str(U"htm;html")),
      Property("SchemeName", Value::Str(U"HTML")),
      Property("FileDateLo", Value::Int(static_cast<std::int32_t>(0xD53E8000u))),
      Property("FileDateHi", Value::Int(0x019DB1DE)),
  };
  ObjectNode root = Node("TPersHolder");
  root.properties.emplace_back("P", Value::CollectionOf({entry}));
  return root;
}

inline Bytes CatalogueBytes() {
  // One line per run of the stored form.
  // clang-format off
  return Join({
      "TPF0", 0x0B, "TPersHolder", 0x00,
      0x01, "P", 0x0E,
      0x01,
      0x04, "Name", 0x06, 0x08, "html.sch",
      0x0A, "Extensions", 0x06, 0x08, "htm;html",
      0x0A, "SchemeName", 0x06, 0x04, "HTML",
      0x0A, "FileDateLo", 0x04, 0x00, 0x80, 0x3E, 0xD5,
      0x0A, "FileDateHi", 0x04, 0xDE, 0xB1, 0x9D, 0x01,
      0x00,  // end of the entry
      0x00,  // end of the collection
      0x00,  // end of the root's properties
      0x00,  // end of its children
  });
  // clang-format on
}

// Every value kind, nested collections and lists, and named children.
inline ObjectNode RichTree() {
  PropertyList inner{Property("Code.Strings", Value::ListOf({Value::Str(U"a"), Value::Str(U"")}))};
  PropertyList item{
      Property("Name", Value::Str(U"\u00e9t\u00e9 \U0001F600")),
      Property("Nested", Value::CollectionOf({inner, {}})),
      Property("Flags", Value::SetOf({"fsBold", "fsItalic"})),
  };
  ObjectNode child = Node("TChild", "First");
  child.properties = {Property("Visible", Value::Bool(false)), Property("Tag", Value::Int(-2))};
  child.children.push_back(Node("TLeaf", "Leaf", {Property("Owner", Value::Identifier("nil"))}));
  ObjectNode root = Node("TRoot", "Main");
  root.properties = {
      Property("Small", Value::Int(100)),
      Property("Word", Value::Int(-30000)),
      Property("Long", Value::Int(2000000000)),
      Property("Huge", Value::Int(-5000000000)),
      Property("Real", Value::Real(-1.5e-300)),
      Property("Text", Value::Str(std::u32string(300, U'x'))),
      Property("Color", Value::Identifier("clRed")),
      Property("On", Value::Bool(true)),
      Property("Empty", Value::SetOf({})),
      Property("Data", Value::Bytes({0, 1, 0xFF})),
      Property("Items", Value::CollectionOf({item, {}})),
      Property("Mixed", Value::ListOf({Value::Int(1), Value::ListOf({}), Value::Real(2)})),
  };
  root.children = {child, Node("TOther")};
  return root;
}

}  // namespace qs::testing
