// Reading a binary object stream into an object tree. Every length is checked
// against the bytes that remain before anything is taken or allocated, so a
// damaged or hostile file fails with a ParseError instead of reading past its
// end or reserving gigabytes.
#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "support/errors.h"
#include "support/extendedfloat.h"
#include "support/objectstream.h"
#include "support/objectstream_p.h"
#include "support/utf8.h"

namespace qs {
namespace {

using namespace objectstream;

bool IsIntegerTag(std::uint8_t tag) {
  return tag == kInt8 || tag == kInt16 || tag == kInt32 || tag == kInt64;
}

class StreamReader {
 public:
  explicit StreamReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

  ObjectNode Read() {
    const auto signature = Take(sizeof kSignature, "the signature");
    if (!std::equal(signature.begin(), signature.end(), std::begin(kSignature)))
      Fail(0, "it does not start with \"TPF0\"");
    std::string className = Name("the class name");
    if (className.empty()) Fail(sizeof kSignature, "the root object has no class name");
    ObjectNode root = Object(std::move(className), 1);
    if (m_pos != m_bytes.size()) Fail(m_pos, "data follows the end of the root object");
    return root;
  }

 private:
  [[noreturn]] static void Fail(std::size_t offset, const std::string& what) {
    throw ParseError("Invalid object stream at byte " + std::to_string(offset) + ": " + what);
  }

  static std::string Hex(std::uint8_t b) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", b);
    return buf;
  }

  std::span<const std::uint8_t> Take(std::uint64_t count, const char* what) {
    if (count > m_bytes.size() - m_pos) Fail(m_pos, std::string(what) + " runs past the end");
    const auto part = m_bytes.subspan(m_pos, static_cast<std::size_t>(count));
    m_pos += part.size();
    return part;
  }

  std::uint8_t Byte(const char* what) { return Take(1, what)[0]; }

  std::uint64_t LittleEndian(int size, const char* what) {
    const auto part = Take(static_cast<std::uint64_t>(size), what);
    std::uint64_t v = 0;
    for (int i = 0; i < size; ++i) v |= std::uint64_t{part[i]} << (8 * i);
    return v;
  }

  std::string ShortBytes(const char* what) {
    const std::uint8_t size = Byte(what);
    const auto part = Take(size, what);
    return std::string(part.begin(), part.end());
  }

  // Names must be well-formed UTF-8: the tree keeps them as UTF-8 text.
  std::string Name(const char* what) {
    const std::size_t start = m_pos;
    std::string name = ShortBytes(what);
    if (!IsValidUtf8(name)) Fail(start, std::string(what) + " is not valid UTF-8");
    return name;
  }

  void Enter(int level) const {
    if (level > kMaxObjectStreamNesting) Fail(m_pos, "it is nested too deeply");
  }

  ObjectNode Object(std::string className, int level) {
    Enter(level);
    ObjectNode node;
    node.className = std::move(className);
    node.objectName = Name("an object name");
    node.properties = Properties(level);
    for (;;) {
      std::string childClass = Name("a class name");
      if (childClass.empty()) break;
      node.children.push_back(Object(std::move(childClass), level + 1));
    }
    return node;
  }

  PropertyList Properties(int level) {
    PropertyList list;
    for (;;) {
      std::string path = Name("a property name");
      if (path.empty()) break;
      const std::size_t at = m_pos;
      const std::uint8_t tag = Byte("a value");
      if (tag == kEnd) Fail(at, "the property \"" + path + "\" has no value");
      list.emplace_back(std::move(path), ReadValue(tag, level));
    }
    return list;
  }

  std::int64_t Integer(std::uint8_t tag) {
    switch (tag) {
      case kInt8:
        return static_cast<std::int8_t>(LittleEndian(1, "an integer"));
      case kInt16:
        return static_cast<std::int16_t>(LittleEndian(2, "an integer"));
      case kInt32:
        return static_cast<std::int32_t>(LittleEndian(4, "an integer"));
      default:
        return static_cast<std::int64_t>(LittleEndian(8, "an integer"));
    }
  }

  String Text(std::uint64_t size) {
    const auto part = Take(size, "a string");
    return FromUtf8(std::string_view(reinterpret_cast<const char*>(part.data()), part.size()));
  }

  Value List(int level) {
    Enter(level + 1);
    std::vector<Value> list;
    for (;;) {
      const std::uint8_t tag = Byte("a list");
      if (tag == kEnd) break;
      list.push_back(ReadValue(tag, level + 1));
    }
    return Value::ListOf(std::move(list));
  }

  // An item may start with an order value, which the tree has no place for.
  Value Collection(int level) {
    Enter(level + 1);
    std::vector<PropertyList> items;
    for (;;) {
      const std::size_t at = m_pos;
      std::uint8_t tag = Byte("a collection");
      if (tag == kEnd) break;
      if (IsIntegerTag(tag)) {
        Integer(tag);
        tag = Byte("a collection item");
      }
      if (tag != kList) Fail(at, "a collection item starts with " + Hex(tag));
      items.push_back(Properties(level + 1));
    }
    return Value::CollectionOf(std::move(items));
  }

  Value Set() {
    std::vector<std::string> set;
    for (;;) {
      std::string element = Name("a set element");
      if (element.empty()) break;
      set.push_back(std::move(element));
    }
    return Value::SetOf(std::move(set));
  }

  Value ReadValue(std::uint8_t tag, int level) {
    switch (tag) {
      case kList:
        return List(level);
      case kInt8:
      case kInt16:
      case kInt32:
      case kInt64:
        return Value::Int(Integer(tag));
      case kExtended:
        return Value::Real(ExtendedToDouble(Take(10, "a floating-point value").first<10>()));
      case kString:
        return Value::Str(Text(Byte("a string")));
      case kLongString:
        return Value::Str(Text(LittleEndian(4, "a string")));
      case kIdent:
        return Value::Identifier(Name("an identifier"));
      case kFalse:
        return Value::Identifier(kFalseIdent);
      case kTrue:
        return Value::Identifier(kTrueIdent);
      case kNil:
        return Value::Identifier(kNilIdent);
      case kBinary: {
        const auto part = Take(LittleEndian(4, "a binary value"), "a binary value");
        return Value::Bytes(std::vector<std::uint8_t>(part.begin(), part.end()));
      }
      case kSet:
        return Set();
      case kCollection:
        return Collection(level);
      default:
        Fail(m_pos - 1, "unknown value tag " + Hex(tag));
    }
  }

  std::span<const std::uint8_t> m_bytes;
  std::size_t m_pos = 0;
};

}  // namespace

ObjectNode ReadObjectStream(std::span<const std::uint8_t> bytes) {
  return StreamReader(bytes).Read();
}

}  // namespace qs
