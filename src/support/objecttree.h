// The neutral form of a streamed object: what the object text and the binary
// object stream both read into and write from, and what the published-property
// tables fill objects from. Keeping one form means the two notations cannot
// drift apart and an object is streamed by one piece of code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/qschar.h"

namespace qs {

struct Value;

// One "path = value" line. Paths are ASCII identifiers joined by "." ("P.Name",
// "Font.Style", "Code.Strings").
struct Property {
  std::string path;
  std::vector<Value> value;  // exactly one element; a vector keeps Value incomplete-safe

  Property() = default;
  Property(std::string p, Value v);
  const Value& Get() const { return value.front(); }
  Value& Get() { return value.front(); }
  bool operator==(const Property& other) const;
};

using PropertyList = std::vector<Property>;

enum class ValueKind : std::uint8_t {
  Integer,     // any signed integer; the writers pick the smallest form
  Double,      // floating point
  String,      // text of code points
  Ident,       // an identifier: True, False, enumeration values, colour names, nil
  Set,         // identifiers in brackets
  Collection,  // "<" item ... end ">"
  List,        // "(" values ")": a string list's lines
  Binary,      // raw bytes ("{ hex }")
};

struct Value {
  ValueKind kind = ValueKind::Integer;
  std::int64_t integer = 0;
  double real = 0;
  String text;                      // String
  std::string ident;                // Ident
  std::vector<std::string> set;     // Set
  std::vector<PropertyList> items;  // Collection: one property list per item
  std::vector<Value> list;          // List
  std::vector<std::uint8_t> bytes;  // Binary

  static Value Int(std::int64_t v);
  static Value Real(double v);
  static Value Str(String v);
  static Value Identifier(std::string v);
  static Value Bool(bool v) { return Identifier(v ? "True" : "False"); }
  static Value SetOf(std::vector<std::string> v);
  static Value CollectionOf(std::vector<PropertyList> v);
  static Value ListOf(std::vector<Value> v);
  static Value Bytes(std::vector<std::uint8_t> v);

  bool operator==(const Value& other) const;
};

// A streamed object: "object [Name: ]ClassName" ... children ... "end".
struct ObjectNode {
  std::string className;
  std::string objectName;  // empty for the root holder
  PropertyList properties;
  std::vector<ObjectNode> children;

  bool operator==(const ObjectNode& other) const = default;
};

// The first property with this path, or nullptr.
const Property* FindProperty(const PropertyList& list, std::string_view path);

}  // namespace qs
