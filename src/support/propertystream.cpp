#include "support/propertystream.h"

#include <string>

#include "support/asciicase.h"
#include "support/collection.h"
#include "support/colors.h"
#include "support/errors.h"
#include "support/updatebracket.h"

namespace qs {

namespace {

// ---- writing ----

Value SetValue(const PropInfo& p, std::int64_t mask) {
  std::vector<std::string> elements;
  for (std::size_t i = 0; i < p.names.size() && i < 32; ++i)
    if ((static_cast<std::uint64_t>(mask) >> i) & 1) elements.emplace_back(p.names[i]);
  return Value::SetOf(std::move(elements));
}

std::optional<Value> ToTreeValue(const PropInfo& p, const PropValue& v) {
  switch (p.kind) {
    case PropKind::Integer:
      return Value::Int(std::get<std::int64_t>(v));
    case PropKind::Boolean:
      return Value::Bool(std::get<std::int64_t>(v) != 0);
    case PropKind::Enumeration: {
      const std::int64_t ordinal = std::get<std::int64_t>(v);
      if (ordinal < 0 || ordinal >= static_cast<std::int64_t>(p.names.size())) return std::nullopt;
      return Value::Identifier(std::string(p.names[static_cast<std::size_t>(ordinal)]));
    }
    case PropKind::Set:
      return SetValue(p, std::get<std::int64_t>(v));
    case PropKind::String:
      return Value::Str(std::get<String>(v));
    case PropKind::Char:
      return Value::Str(String(1, static_cast<Char>(std::get<std::int64_t>(v))));
    case PropKind::Colour: {
      const auto color = static_cast<TColor>(std::get<std::int64_t>(v));
      if (auto name = ColorToIdent(color)) return Value::Identifier(std::string(*name));
      return Value::Int(color);
    }
    case PropKind::UInt32:
      return Value::Int(
          static_cast<std::int32_t>(static_cast<std::uint32_t>(std::get<std::int64_t>(v))));
    case PropKind::Double:
      return Value::Real(std::get<double>(v));
    case PropKind::Binary:
      return Value::Bytes(std::get<ByteVector>(v));
    default:
      return std::nullopt;
  }
}

Value CollectionValue(const TCollection& collection) {
  std::vector<PropertyList> items;
  items.reserve(static_cast<std::size_t>(collection.Count()));
  for (int i = 0; i < collection.Count(); ++i)
    items.push_back(WriteProperties(collection.Items(i)));
  return Value::CollectionOf(std::move(items));
}

Value StringListValue(const StringVector& lines) {
  std::vector<Value> values;
  values.reserve(lines.size());
  for (const String& line : lines) values.push_back(Value::Str(line));
  return Value::ListOf(std::move(values));
}

void WriteInto(PropertyList& out, const TPersistent& object, const std::string& prefix) {
  for (const PropInfo* p : object.GetClassInfo().Properties()) {
    if (!p->IsStored(object)) continue;
    const std::string path = prefix + p->name;
    switch (p->kind) {
      case PropKind::Object:
        WriteInto(out, p->SubObject(object), path + ".");
        break;
      case PropKind::Collection:
        out.emplace_back(path, CollectionValue(p->CollectionOf(object)));
        break;
      case PropKind::StringList:
        if (!p->IsDefault(object))
          out.emplace_back(path + ".Strings",
                           StringListValue(std::get<StringVector>(p->get(object))));
        break;
      default:
        if (p->IsDefault(object)) break;
        if (auto value = ToTreeValue(*p, p->get(object))) out.emplace_back(path, std::move(*value));
        break;
    }
  }
}

// ---- reading ----

// Built in place: going through a temporary variant trips a false
// "may be used uninitialized" warning in some compilers.
template <class V>
std::optional<PropValue> Some(V value) {
  return std::optional<PropValue>(std::in_place, std::move(value));
}

class Reader {
 public:
  explicit Reader(const PropertyErrorHandler& onError) : m_onError(onError) {}

  // The property's path, less the prefix it is known to start with.
  void ReadProperty(TPersistent& object, const Property& property, std::string_view prefix = "");
  void ReadCollection(TCollection& collection, const Property& property);

 private:
  void ReadPath(TPersistent& object, std::string_view path, const Property& property);
  void Skip(const Property& property, std::string_view reason) const {
    if (m_onError) m_onError(property, reason);
  }
  void ReadScalar(TPersistent& object, const PropInfo& p, const Property& property);
  void ReadStringList(TPersistent& object, const PropInfo& p, const Property& property);
  std::optional<PropValue> Convert(const PropInfo& p, const Property& property);
  std::optional<std::int64_t> ReadSet(const PropInfo& p, const Property& property);
  void Store(TPersistent& object, const PropInfo& p, const Property& property, PropValue v);

  const PropertyErrorHandler& m_onError;
};

void Reader::ReadPath(TPersistent& object, std::string_view path, const Property& property) {
  const std::size_t dot = path.find('.');
  const PropInfo* p = object.GetClassInfo().FindProperty(path.substr(0, dot));
  if (!p) return Skip(property, "unknown property");
  if (dot == std::string_view::npos) {
    if (p->kind == PropKind::Object || p->kind == PropKind::StringList)
      return Skip(property, "unknown property");
    if (p->kind == PropKind::Collection) return ReadCollection(p->CollectionOf(object), property);
    return ReadScalar(object, *p, property);
  }
  const std::string_view rest = path.substr(dot + 1);
  if (p->kind == PropKind::Object) return ReadPath(p->SubObject(object), rest, property);
  if (p->kind == PropKind::StringList && EqualsIgnoringAsciiCase(rest, "Strings"))
    return ReadStringList(object, *p, property);
  Skip(property, "unknown property");
}

void Reader::ReadScalar(TPersistent& object, const PropInfo& p, const Property& property) {
  if (auto v = Convert(p, property)) Store(object, p, property, std::move(*v));
}

void Reader::Store(TPersistent& object, const PropInfo& p, const Property& property, PropValue v) {
  try {
    p.set(object, v);
  } catch (const Error& e) {
    Skip(property, e.what());
  }
}

void Reader::ReadStringList(TPersistent& object, const PropInfo& p, const Property& property) {
  const Value& v = property.Get();
  if (v.kind != ValueKind::List) return Skip(property, "wrong value kind");
  StringVector lines;
  lines.reserve(v.list.size());
  for (const Value& line : v.list) {
    if (line.kind != ValueKind::String) return Skip(property, "wrong value kind");
    lines.push_back(line.text);
  }
  Store(object, p, property, std::move(lines));
}

void Reader::ReadCollection(TCollection& collection, const Property& property) {
  const Value& v = property.Get();
  if (v.kind != ValueKind::Collection) return Skip(property, "wrong value kind");
  UpdateBracket bracket(collection);
  collection.Clear();
  for (const PropertyList& item : v.items) {
    TCollectionItem& target = collection.Add();
    for (const Property& q : item) ReadProperty(target, q);
  }
}

void Reader::ReadProperty(TPersistent& object, const Property& property, std::string_view prefix) {
  if (property.value.size() != 1) return Skip(property, "no value");
  ReadPath(object, std::string_view(property.path).substr(prefix.size()), property);
}

std::optional<std::int64_t> Reader::ReadSet(const PropInfo& p, const Property& property) {
  std::uint32_t mask = 0;
  for (const std::string& element : property.Get().set) {
    bool known = false;
    for (std::size_t i = 0; i < p.names.size() && i < 32; ++i) {
      if (EqualsIgnoringAsciiCase(p.names[i], element)) {
        mask |= std::uint32_t{1} << i;
        known = true;
        break;
      }
    }
    if (!known) Skip(property, "unknown set element " + element);
  }
  return mask;
}

std::optional<PropValue> Reader::Convert(const PropInfo& p, const Property& property) {
  const Value& v = property.Get();
  auto ordinal = [&](std::int64_t raw) -> std::optional<PropValue> {
    if (auto n = p.NormaliseOrdinal(raw)) return Some(*n);
    Skip(property, "value out of range");
    return std::nullopt;
  };
  auto identIndex = [&](std::string_view ident) -> std::optional<PropValue> {
    for (std::size_t i = 0; i < p.names.size(); ++i)
      if (EqualsIgnoringAsciiCase(p.names[i], ident)) return Some(static_cast<std::int64_t>(i));
    Skip(property, "unknown identifier " + std::string(ident));
    return std::nullopt;
  };
  switch (p.kind) {
    case PropKind::Integer:
    case PropKind::UInt32:
      if (v.kind == ValueKind::Integer) return ordinal(v.integer);
      break;
    case PropKind::Boolean:
      if (v.kind == ValueKind::Ident && EqualsIgnoringAsciiCase(v.ident, "True"))
        return Some(std::int64_t{1});
      if (v.kind == ValueKind::Ident && EqualsIgnoringAsciiCase(v.ident, "False"))
        return Some(std::int64_t{0});
      break;
    case PropKind::Enumeration:
      if (v.kind == ValueKind::Ident) return identIndex(v.ident);
      break;
    case PropKind::Set:
      if (v.kind == ValueKind::Set) return Some(*ReadSet(p, property));
      break;
    case PropKind::String:
      if (v.kind == ValueKind::String) return Some(v.text);
      break;
    case PropKind::Char:
      if (v.kind == ValueKind::String && v.text.size() == 1) return ordinal(v.text[0]);
      break;
    case PropKind::Colour:
      if (v.kind == ValueKind::Integer) return ordinal(v.integer);
      if (v.kind == ValueKind::Ident) {
        if (auto color = IdentToColor(v.ident)) return Some(std::int64_t{*color});
        Skip(property, "unknown colour " + v.ident);
        return std::nullopt;
      }
      break;
    case PropKind::Double:
      if (v.kind == ValueKind::Double) return Some(v.real);
      if (v.kind == ValueKind::Integer) return Some(static_cast<double>(v.integer));
      break;
    case PropKind::Binary:
      if (v.kind == ValueKind::Binary) return Some(v.bytes);
      break;
    default:
      break;
  }
  Skip(property, "wrong value kind");
  return std::nullopt;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

}  // namespace

PropertyList WriteProperties(const TPersistent& object, std::string_view prefix) {
  PropertyList out;
  WriteInto(out, object, std::string(prefix));
  return out;
}

void ReadProperties(TPersistent& object, const PropertyList& properties, std::string_view prefix,
                    const PropertyErrorHandler& onError) {
  Reader reader(onError);
  for (const Property& property : properties) {
    if (StartsWith(property.path, prefix)) reader.ReadProperty(object, property, prefix);
  }
}

ObjectNode MakeHolder(const TPersistent& object) {
  ObjectNode root;
  root.className = std::string(kHolderClass);
  if (const auto* collection = dynamic_cast<const TCollection*>(&object))
    root.properties.emplace_back("P", CollectionValue(*collection));
  else
    root.properties = WriteProperties(object, "P.");
  return root;
}

void ReadHolder(const ObjectNode& root, TPersistent& target, const PropertyErrorHandler& onError) {
  if (root.className != kHolderClass)
    throw ParseError("Expected a " + std::string(kHolderClass) + " object, found " +
                     (root.className.empty() ? std::string("nothing") : root.className));
  if (auto* collection = dynamic_cast<TCollection*>(&target)) {
    const Property* p = FindProperty(root.properties, "P");
    if (!p || p->value.size() != 1 || p->Get().kind != ValueKind::Collection)
      throw ParseError("The " + std::string(kHolderClass) + " object holds no collection");
    Reader(onError).ReadCollection(*collection, *p);
    return;
  }
  // A bare "P" holds a collection (or a value): nothing this object can take.
  if (FindProperty(root.properties, "P"))
    throw ParseError("The " + std::string(kHolderClass) + " object holds no " + target.ClassName());
  ReadProperties(target, root.properties, "P.", onError);
}

}  // namespace qs
