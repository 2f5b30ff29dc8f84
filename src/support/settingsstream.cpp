#include "support/settingsstream.h"

#include <bit>
#include <cstdio>

#include "support/collection.h"
#include "support/errors.h"
#include "support/objecttext.h"
#include "support/propertystream.h"

namespace qs {

namespace {

constexpr std::string_view kUnusableValue = "The stored value has the wrong kind, size or range";

std::string SubKey(std::string_view key, std::string_view name) {
  std::string out(key);
  while (!out.empty() && out.back() == '\\') out.pop_back();
  out += '\\';
  out += name;
  return out;
}

ByteVector DoubleBytes(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  ByteVector out;
  for (int shift = 0; shift < 64; shift += 8)
    out.push_back(static_cast<std::uint8_t>(bits >> shift));
  return out;
}

double BytesDouble(const ByteVector& bytes) {
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < 8; ++i) bits |= std::uint64_t{bytes[i]} << (8 * i);
  return std::bit_cast<double>(bits);
}

bool IsStorable(PropKind kind) {
  return kind != PropKind::Binary && kind != PropKind::StringList;
}

// Refuses the whole object before a single value is written, so a failed save
// never leaves half an object in the store.
void CheckStorable(const TPersistent& object) {
  for (const PropInfo* p : object.GetClassInfo().Properties()) {
    if (p->streamOnly) continue;
    if (!IsStorable(p->kind)) throw Error(std::string(kUnsupportedTypeMessage));
    if (p->kind == PropKind::Object) CheckStorable(p->SubObject(object));
  }
}

ByteVector CollectionBytes(const TCollection& collection) {
  const std::string text = WriteObjectText(MakeHolder(collection));
  return ByteVector(text.begin(), text.end());
}

void SaveProperties(const TPersistent& object, SettingsStore& store, RootKey root,
                    std::string_view key) {
  store.CreateKey(root, key);
  for (const PropInfo* p : object.GetClassInfo().Properties()) {
    if (p->streamOnly) continue;
    if (p->kind == PropKind::Object) {
      SaveProperties(p->SubObject(object), store, root, SubKey(key, p->name));
      continue;
    }
    RegValue value;
    if (p->kind == PropKind::Collection) {
      value = RegValue::Bin(CollectionBytes(p->CollectionOf(object)));
    } else if (p->IsOrdinal()) {
      // The 32-bit pattern: sets with bit 31, colours and unsigned values above
      // 0x7FFFFFFF read back through NormaliseOrdinal.
      const auto bits = static_cast<std::uint32_t>(std::get<std::int64_t>(p->get(object)));
      value = RegValue::Int(static_cast<std::int32_t>(bits));
    } else if (p->kind == PropKind::Double) {
      value = RegValue::Bin(DoubleBytes(std::get<double>(p->get(object))));
    } else {
      value = RegValue::Str(std::get<String>(p->get(object)));
    }
    store.WriteValue(root, key, p->name, value);
  }
}

class Loader {
 public:
  Loader(const SettingsStore& store, RootKey root, const SettingsProblemHandler& onProblem)
      : m_store(store), m_root(root), m_onProblem(onProblem) {}

  void Load(TPersistent& object, const std::string& key) {
    if (!m_store.KeyExists(m_root, key)) return;
    for (const PropInfo* p : object.GetClassInfo().Properties()) {
      if (p->streamOnly) continue;
      if (p->kind == PropKind::Object) {
        Load(p->SubObject(object), SubKey(key, p->name));
        continue;
      }
      const std::optional<RegValue> value = m_store.ReadValue(m_root, key, p->name);
      if (value) LoadValue(object, *p, key, *value);
    }
  }

 private:
  void Problem(std::string_view key, const PropInfo& p, std::string_view message) const {
    if (m_onProblem) m_onProblem(key, p.name, message);
  }

  void LoadValue(TPersistent& object, const PropInfo& p, std::string_view key,
                 const RegValue& value) {
    if (!IsStorable(p.kind)) return Problem(key, p, UnsupportedTypeMessage(p.kind));
    if (p.kind == PropKind::Collection)
      return LoadCollection(p.CollectionOf(object), p, key, value);
    std::optional<PropValue> v = Convert(p, value);
    if (!v) return Problem(key, p, kUnusableValue);
    try {
      p.set(object, *v);
    } catch (const Error& e) {
      Problem(key, p, e.what());
    }
  }

  static std::optional<PropValue> Convert(const PropInfo& p, const RegValue& value) {
    if (p.IsOrdinal()) {
      if (value.kind != RegKind::Integer) return std::nullopt;
      if (auto n = p.NormaliseOrdinal(value.integer)) return PropValue(*n);
      return std::nullopt;
    }
    if (p.kind == PropKind::Double) {
      if (value.kind != RegKind::Binary || value.bytes.size() != 8) return std::nullopt;
      return PropValue(BytesDouble(value.bytes));
    }
    if (value.kind != RegKind::String && value.kind != RegKind::ExpandString) return std::nullopt;
    return PropValue(value.text);
  }

  void LoadCollection(TCollection& collection, const PropInfo& p, std::string_view key,
                      const RegValue& value) {
    if (value.kind != RegKind::Binary) return Problem(key, p, kUnusableValue);
    try {
      const std::string_view text(reinterpret_cast<const char*>(value.bytes.data()),
                                  value.bytes.size());
      TCollection fresh(collection.Factory());
      ReadHolder(ReadObjectText(text), fresh);
      collection.Assign(fresh);
    } catch (const Error& e) {
      Problem(key, p, e.what());
    }
  }

  const SettingsStore& m_store;
  RootKey m_root;
  const SettingsProblemHandler& m_onProblem;
};

}  // namespace

std::string UnsupportedTypeMessage(PropKind kind) {
  char number[8];
  std::snprintf(number, sizeof number, "%04X", static_cast<unsigned>(kind));
  return std::string(kUnsupportedTypeMessage) + "($" + number + ")";
}

void SavePropertiesToStore(const TPersistent& object, SettingsStore& store, RootKey root,
                           std::string_view key) {
  CheckStorable(object);
  SaveProperties(object, store, root, key);
}

void LoadPropertiesFromStore(TPersistent& object, const SettingsStore& store, RootKey root,
                             std::string_view key, const SettingsProblemHandler& onProblem) {
  Loader(store, root, onProblem).Load(object, std::string(key));
}

}  // namespace qs
