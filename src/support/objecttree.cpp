#include "support/objecttree.h"

#include <utility>

namespace qs {

Property::Property(std::string p, Value v) : path(std::move(p)) {
  value.push_back(std::move(v));
}

bool Property::operator==(const Property& o) const {
  return path == o.path && value == o.value;
}

Value Value::Int(std::int64_t v) {
  Value r;
  r.kind = ValueKind::Integer;
  r.integer = v;
  return r;
}

Value Value::Real(double v) {
  Value r;
  r.kind = ValueKind::Double;
  r.real = v;
  return r;
}

Value Value::Str(String v) {
  Value r;
  r.kind = ValueKind::String;
  r.text = std::move(v);
  return r;
}

Value Value::Identifier(std::string v) {
  Value r;
  r.kind = ValueKind::Ident;
  r.ident = std::move(v);
  return r;
}

Value Value::SetOf(std::vector<std::string> v) {
  Value r;
  r.kind = ValueKind::Set;
  r.set = std::move(v);
  return r;
}

Value Value::CollectionOf(std::vector<PropertyList> v) {
  Value r;
  r.kind = ValueKind::Collection;
  r.items = std::move(v);
  return r;
}

Value Value::ListOf(std::vector<Value> v) {
  Value r;
  r.kind = ValueKind::List;
  r.list = std::move(v);
  return r;
}

Value Value::Bytes(std::vector<std::uint8_t> v) {
  Value r;
  r.kind = ValueKind::Binary;
  r.bytes = std::move(v);
  return r;
}

bool Value::operator==(const Value& o) const {
  if (kind != o.kind) return false;
  switch (kind) {
    case ValueKind::Integer:
      return integer == o.integer;
    case ValueKind::Double:
      return real == o.real;
    case ValueKind::String:
      return text == o.text;
    case ValueKind::Ident:
      return ident == o.ident;
    case ValueKind::Set:
      return set == o.set;
    case ValueKind::Collection:
      return items == o.items;
    case ValueKind::List:
      return list == o.list;
    case ValueKind::Binary:
      return bytes == o.bytes;
  }
  return false;
}

const Property* FindProperty(const PropertyList& list, std::string_view path) {
  for (const Property& p : list)
    if (p.path == path) return &p;
  return nullptr;
}

}  // namespace qs
