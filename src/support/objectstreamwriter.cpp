// Writing an object tree as a binary object stream.
#include <limits>
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

// A name shortened for a message, never cut inside a UTF-8 sequence.
std::string Excerpt(std::string_view name) {
  constexpr std::size_t kShown = 40;
  if (name.size() <= kShown) return std::string(name);
  std::size_t end = kShown;
  while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
  return std::string(name.substr(0, end)) + "...";
}

template <typename T>
bool Fits(std::int64_t v) {
  return v >= std::numeric_limits<T>::min() && v <= std::numeric_limits<T>::max();
}

class StreamWriter {
 public:
  std::vector<std::uint8_t> Write(const ObjectNode& root) {
    // assign, not insert: g++ 12 warns falsely about inserting into an empty vector
    m_out.assign(std::begin(kSignature), std::end(kSignature));
    Object(root, 1);
    return std::move(m_out);
  }

 private:
  void Byte(std::uint8_t b) { m_out.push_back(b); }

  void LittleEndian(std::uint64_t v, int size) {
    for (int i = 0; i < size; ++i) Byte(static_cast<std::uint8_t>(v >> (8 * i)));
  }

  void Raw(std::string_view bytes) { m_out.insert(m_out.end(), bytes.begin(), bytes.end()); }

  void ShortString(std::string_view name, const char* what) {
    if (name.size() > kShortMax)
      throw Error(std::string("The ") + what + " \"" + Excerpt(name) +
                  "\" is longer than 255 bytes and cannot be written");
    Byte(static_cast<std::uint8_t>(name.size()));
    Raw(name);
  }

  // A name that would read back as an end marker cannot be written.
  void Name(std::string_view name, const char* what) {
    if (name.empty()) throw Error(std::string("An empty ") + what + " cannot be written");
    ShortString(name, what);
  }

  static void Enter(int level) {
    if (level > kMaxObjectStreamNesting)
      throw Error("The object tree is nested too deeply to be written");
  }

  void LongLength(std::size_t size, const char* what) {
    if (size > std::numeric_limits<std::uint32_t>::max())
      throw Error(std::string("The ") + what + " is too large to be written");
    LittleEndian(size, 4);
  }

  void Object(const ObjectNode& node, int level) {
    Enter(level);
    Name(node.className, "class name");
    ShortString(node.objectName, "object name");
    Properties(node.properties, level);
    for (const ObjectNode& child : node.children) Object(child, level + 1);
    Byte(kEnd);
  }

  void Properties(const PropertyList& list, int level) {
    for (const Property& p : list) {
      Name(p.path, "property name");
      WriteValue(p.Get(), level);
    }
    Byte(kEnd);
  }

  void Integer(std::int64_t v) {
    if (Fits<std::int8_t>(v)) {
      Byte(kInt8);
      LittleEndian(static_cast<std::uint64_t>(v), 1);
    } else if (Fits<std::int16_t>(v)) {
      Byte(kInt16);
      LittleEndian(static_cast<std::uint64_t>(v), 2);
    } else if (Fits<std::int32_t>(v)) {
      Byte(kInt32);
      LittleEndian(static_cast<std::uint64_t>(v), 4);
    } else {
      Byte(kInt64);
      LittleEndian(static_cast<std::uint64_t>(v), 8);
    }
  }

  void Text(const String& text) {
    const std::string utf8 = ToUtf8(text);
    if (utf8.size() <= kShortMax) {
      Byte(kString);
      Byte(static_cast<std::uint8_t>(utf8.size()));
    } else {
      Byte(kLongString);
      LongLength(utf8.size(), "string value");
    }
    Raw(utf8);
  }

  void Ident(const std::string& ident) {
    if (ident == kTrueIdent) {
      Byte(kTrue);
    } else if (ident == kFalseIdent) {
      Byte(kFalse);
    } else if (ident == kNilIdent) {
      Byte(kNil);
    } else {
      Byte(kIdent);
      ShortString(ident, "identifier");
    }
  }

  void WriteValue(const Value& v, int level) {
    switch (v.kind) {
      case ValueKind::Integer:
        return Integer(v.integer);
      case ValueKind::Double: {
        Byte(kExtended);
        const ExtendedBytes x = DoubleToExtended(v.real);
        m_out.insert(m_out.end(), x.begin(), x.end());
        return;
      }
      case ValueKind::String:
        return Text(v.text);
      case ValueKind::Ident:
        return Ident(v.ident);
      case ValueKind::Set:
        Byte(kSet);
        for (const std::string& element : v.set) Name(element, "set element");
        return Byte(kEnd);
      case ValueKind::Collection:
        Enter(level + 1);
        Byte(kCollection);
        for (const PropertyList& item : v.items) {
          Byte(kList);
          Properties(item, level + 1);
        }
        return Byte(kEnd);
      case ValueKind::List:
        Enter(level + 1);
        Byte(kList);
        for (const Value& element : v.list) WriteValue(element, level + 1);
        return Byte(kEnd);
      case ValueKind::Binary:
        Byte(kBinary);
        LongLength(v.bytes.size(), "binary value");
        m_out.insert(m_out.end(), v.bytes.begin(), v.bytes.end());
        return;
    }
  }

  std::vector<std::uint8_t> m_out;
};

}  // namespace

std::vector<std::uint8_t> WriteObjectStream(const ObjectNode& root) {
  return StreamWriter().Write(root);
}

}  // namespace qs
