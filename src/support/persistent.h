// Published properties: each persistent class describes its properties once in
// a table (name, kind, default, typed accessors), and Assign, the object text,
// the binary stream and the settings store all work from that table, so a
// property is declared in one place and every form of persistence follows it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "support/qschar.h"

namespace qs {

class TPersistent;
class TCollection;

enum class PropKind : std::uint8_t {
  Integer,  // signed 32-bit
  Boolean,
  Enumeration,  // ordinal into the property's name table
  Set,          // bit mask over an enumeration's ordinals (at most 32)
  String,
  Char,    // one code point
  Colour,  // 0x00BBGGRR, or a system colour 0xFF0000nn
  Double,
  Binary,      // raw bytes
  Object,      // a sub-object owned by its parent: assigned into, never replaced
  Collection,  // a TCollection owned by its parent
  StringList,
  UInt32,  // unsigned 32-bit; streamed as the same bit pattern read as signed
};

using ByteVector = std::vector<std::uint8_t>;
using StringVector = std::vector<String>;

// A property value with the class's own type erased. Every ordinal kind
// (integers, Booleans, enumeration ordinals, set masks, characters, colours,
// unsigned halves) is held as int64 in its canonical range (see NormaliseOrdinal).
using PropValue = std::variant<std::int64_t, double, String, ByteVector, StringVector>;

// Element names of an enumeration or set, by ordinal.
using EnumNames = std::span<const std::string_view>;

struct PropInfo {
  std::string name;
  PropKind kind = PropKind::Integer;
  // A value equal to the default is not written; no default: always written.
  std::optional<PropValue> defaultValue;
  EnumNames names;                                 // Enumeration, Set
  std::function<bool(const TPersistent&)> stored;  // empty: always stored
  // Another form of a published property, present only in the object text and
  // the binary stream (a string kept as length-prefixed bytes): Assign,
  // AssignByName and the settings store leave it to the property it mirrors.
  bool streamOnly = false;
  std::function<PropValue(const TPersistent&)> get;  // scalar kinds
  // Scalar kinds; receives only values NormaliseOrdinal accepted.
  std::function<void(TPersistent&, const PropValue&)> set;
  std::function<TPersistent&(TPersistent&)> object;      // Object kind
  std::function<TCollection&(TPersistent&)> collection;  // Collection kind

  bool IsOrdinal() const noexcept;
  bool IsScalar() const noexcept {
    return kind != PropKind::Object && kind != PropKind::Collection;
  }
  bool IsStored(const TPersistent& owner) const { return !stored || stored(owner); }
  bool IsDefault(const TPersistent& owner) const;

  TPersistent& SubObject(TPersistent& owner) const { return object(owner); }
  const TPersistent& SubObject(const TPersistent& owner) const;
  TCollection& CollectionOf(TPersistent& owner) const { return collection(owner); }
  const TCollection& CollectionOf(const TPersistent& owner) const;

  // Brings an ordinal read from outside into this property's canonical range,
  // or refuses it: integers must fit 32 bits, enumerations name an element,
  // sets hold only named bits, characters are code points (no surrogates), and colours and
  // unsigned halves take either the signed or the unsigned 32-bit reading.
  std::optional<std::int64_t> NormaliseOrdinal(std::int64_t value) const;
};

// A class's name, its parent and its own published properties.
class ClassInfo {
 public:
  ClassInfo(std::string name, const ClassInfo* parent, std::vector<PropInfo> own = {});
  ClassInfo(const ClassInfo&) = delete;
  ClassInfo& operator=(const ClassInfo&) = delete;

  const std::string& Name() const noexcept { return m_name; }
  const ClassInfo* Parent() const noexcept { return m_parent; }
  const std::vector<PropInfo>& OwnProperties() const noexcept { return m_own; }
  // Parents' properties first; a property the class declares again under a
  // parent's name replaces the parent's entry in the parent's place.
  const std::vector<const PropInfo*>& Properties() const noexcept { return m_all; }
  // ASCII case-insensitive, as property names are when read back.
  const PropInfo* FindProperty(std::string_view name) const;
  bool InheritsFrom(const ClassInfo& ancestor) const noexcept;  // true for itself

 private:
  std::string m_name;
  const ClassInfo* m_parent;
  std::vector<PropInfo> m_own;
  std::vector<const PropInfo*> m_all;
};

// An object that copies itself from another with Assign and streams its
// published properties by name. A subclass with a table declares
//   static const ClassInfo& StaticClassInfo();
//   const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
class TPersistent {
 public:
  virtual ~TPersistent() = default;
  TPersistent(const TPersistent&) = delete;
  TPersistent& operator=(const TPersistent&) = delete;

  static const ClassInfo& StaticClassInfo();
  virtual const ClassInfo& GetClassInfo() const { return StaticClassInfo(); }
  const std::string& ClassName() const { return GetClassInfo().Name(); }

  // Copies every published property through the setters (so change events
  // fire) when the source is of this class or derived from it; otherwise throws
  // qs::Error "Cannot assign a <source class> to a <this class>".
  virtual void Assign(const TPersistent& source);

 protected:
  TPersistent() = default;
};

// Copies one property across objects of possibly unrelated classes; the two
// entries must have the same kind. Object and Collection kinds are assigned.
// Returns false (nothing changed) when an ordinal is out of the target's range.
bool CopyProperty(TPersistent& dst, const PropInfo& dstProp, const TPersistent& src,
                  const PropInfo& srcProp);

// Copies, in the order given, the named properties (comma separated, blanks
// around names ignored) that both objects publish with the same kind; a name
// either side lacks, or publishes with another kind, is skipped.
void AssignByName(TPersistent& dst, const TPersistent& src, std::string_view names);

// Every property with a default gets it; sub-objects are reset in turn and
// collections emptied. Properties without a default keep their values.
void ResetToDefaults(TPersistent& object);

template <class E>
constexpr std::uint32_t SetBit(E element) noexcept {
  return std::uint32_t{1} << static_cast<unsigned>(element);
}

// Table builders. Getters and setters are anything std::invoke takes with the
// object: member functions (&TFoo::MarginPos, &TFoo::SetMarginPos) or lambdas.
//   Prop::Integer<TFoo>("MarginPos", &TFoo::MarginPos, &TFoo::SetMarginPos, 80)
//   Prop::Boolean<TFoo>("Visible", &TFoo::Visible, &TFoo::SetVisible, false).NoDefault()
//   Prop::Object<TFoo>("Font", &TFoo::Font).StoredWhen(&TFoo::IsFontStored)
template <class T>
struct PropBuilder : PropInfo {
  template <class P>
  PropBuilder&& StoredWhen(P predicate) && {
    stored = [predicate](const TPersistent& o) {
      return static_cast<bool>(std::invoke(predicate, static_cast<const T&>(o)));
    };
    return std::move(*this);
  }
  PropBuilder&& NoDefault() && {
    defaultValue.reset();
    return std::move(*this);
  }
  PropBuilder&& StreamOnly() && {
    streamOnly = true;
    return std::move(*this);
  }
};

namespace Prop {
namespace detail {

template <class T>
PropBuilder<T> Make(std::string name, PropKind kind, std::optional<PropValue> def) {
  PropBuilder<T> b;
  b.name = std::move(name);
  b.kind = kind;
  b.defaultValue = std::move(def);
  return b;
}

template <class T, class To, class G, class S>
PropBuilder<T> Ordinal(std::string name, PropKind kind, G getter, S setter, std::int64_t def) {
  PropBuilder<T> b = Make<T>(std::move(name), kind, PropValue(def));
  b.get = [getter](const TPersistent& o) -> PropValue {
    return static_cast<std::int64_t>(std::invoke(getter, static_cast<const T&>(o)));
  };
  b.set = [setter](TPersistent& o, const PropValue& v) {
    std::invoke(setter, static_cast<T&>(o), static_cast<To>(std::get<std::int64_t>(v)));
  };
  return b;
}

template <class T, class V, class G, class S>
PropBuilder<T> Plain(std::string name, PropKind kind, G getter, S setter, V def) {
  PropBuilder<T> b = Make<T>(std::move(name), kind, PropValue(std::move(def)));
  b.get = [getter](const TPersistent& o) -> PropValue {
    return V(std::invoke(getter, static_cast<const T&>(o)));
  };
  b.set = [setter](TPersistent& o, const PropValue& v) {
    std::invoke(setter, static_cast<T&>(o), std::get<V>(v));
  };
  return b;
}

}  // namespace detail

template <class T, class G, class S>
PropBuilder<T> Integer(std::string name, G getter, S setter, std::int32_t def) {
  return detail::Ordinal<T, std::int32_t>(std::move(name), PropKind::Integer, getter, setter, def);
}

template <class T, class G, class S>
PropBuilder<T> Boolean(std::string name, G getter, S setter, bool def) {
  return detail::Ordinal<T, bool>(std::move(name), PropKind::Boolean, getter, setter, def);
}

template <class T, class E, class G, class S>
PropBuilder<T> Enum(std::string name, G getter, S setter, E def, EnumNames names) {
  static_assert(std::is_enum_v<E>);
  PropBuilder<T> b = detail::Ordinal<T, E>(std::move(name), PropKind::Enumeration, getter, setter,
                                           static_cast<std::int64_t>(def));
  b.names = names;
  return b;
}

// The getter returns the mask (an unsigned integer); the setter takes it.
template <class T, class G, class S>
PropBuilder<T> Set(std::string name, G getter, S setter, std::uint32_t def, EnumNames names) {
  PropBuilder<T> b =
      detail::Ordinal<T, std::uint32_t>(std::move(name), PropKind::Set, getter, setter, def);
  b.names = names;
  return b;
}

template <class T, class G, class S>
PropBuilder<T> Char(std::string name, G getter, S setter, qs::Char def) {
  return detail::Ordinal<T, qs::Char>(std::move(name), PropKind::Char, getter, setter, def);
}

template <class T, class G, class S>
PropBuilder<T> Colour(std::string name, G getter, S setter, std::int32_t def) {
  return detail::Ordinal<T, std::int32_t>(std::move(name), PropKind::Colour, getter, setter, def);
}

template <class T, class G, class S>
PropBuilder<T> UInt32(std::string name, G getter, S setter, std::uint32_t def) {
  return detail::Ordinal<T, std::uint32_t>(std::move(name), PropKind::UInt32, getter, setter, def);
}

template <class T, class G, class S>
PropBuilder<T> Double(std::string name, G getter, S setter, double def) {
  return detail::Plain<T, double>(std::move(name), PropKind::Double, getter, setter, def);
}

// Strings, byte blocks and string lists default to empty: written when not.
template <class T, class G, class S>
PropBuilder<T> String(std::string name, G getter, S setter, qs::String def = {}) {
  return detail::Plain<T, qs::String>(std::move(name), PropKind::String, getter, setter,
                                      std::move(def));
}

template <class T, class G, class S>
PropBuilder<T> Binary(std::string name, G getter, S setter, ByteVector def = {}) {
  return detail::Plain<T, ByteVector>(std::move(name), PropKind::Binary, getter, setter,
                                      std::move(def));
}

template <class T, class G, class S>
PropBuilder<T> StringList(std::string name, G getter, S setter) {
  return detail::Plain<T, StringVector>(std::move(name), PropKind::StringList, getter, setter,
                                        StringVector{});
}

template <class T, class Sub>
PropBuilder<T> Object(std::string name, Sub& (T::*getter)()) {
  static_assert(std::is_base_of_v<TPersistent, Sub>);
  PropBuilder<T> b = detail::Make<T>(std::move(name), PropKind::Object, std::nullopt);
  b.object = [getter](TPersistent& o) -> TPersistent& { return (static_cast<T&>(o).*getter)(); };
  return b;
}

// Prop::Collection is declared in support/collection.h.

}  // namespace Prop

}  // namespace qs
