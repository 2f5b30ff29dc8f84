// Writes the neutral object tree as object text.
#include <charconv>
#include <cmath>
#include <string>
#include <utility>

#include "support/errors.h"
#include "support/objecttext.h"
#include "support/objecttext_p.h"
#include "support/utf8.h"

namespace qs {

namespace {

using namespace objecttext;

constexpr std::string_view kNewLine = "\r\n";

// A string's written line holds at most this many of its characters (a #n
// piece counts as one); a binary line this many bytes.
constexpr std::size_t kStringLineChars = 64;
constexpr std::size_t kBinaryLineBytes = 32;

// The reader refuses deeper nesting, so such a tree is refused here already.
class DepthGuard {
 public:
  explicit DepthGuard(int& depth) : m_depth(depth) {
    if (++m_depth > kMaxDepth)
      throw Error("Nesting deeper than " + std::to_string(kMaxDepth) + " levels cannot be written");
  }
  ~DepthGuard() { --m_depth; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;

 private:
  int& m_depth;
};

class Writer {
 public:
  std::string Take() { return std::move(m_out); }

  void WriteObject(const ObjectNode& node, int level) {
    DepthGuard guard(m_depth);
    CheckName(node.className, "class name");
    Indent(level);
    m_out += "object ";
    if (!node.objectName.empty()) {
      CheckName(node.objectName, "object name");
      m_out += node.objectName;
      m_out += ": ";
    }
    m_out += node.className;
    m_out += kNewLine;
    WriteProperties(node.properties, level + 1);
    for (const ObjectNode& child : node.children) WriteObject(child, level + 1);
    Indent(level);
    m_out += "end";
    m_out += kNewLine;
  }

 private:
  void Indent(int level) { m_out.append(static_cast<std::size_t>(level) * 2, ' '); }

  static void CheckName(const std::string& name, const char* what) {
    if (!IsIdentifier(name, false) || IsKeyword(name))
      throw Error(std::string("Invalid ") + what + " '" + name + "'");
  }

  void WriteProperties(const PropertyList& list, int level) {
    for (const Property& p : list) {
      if (!IsIdentifier(p.path, true) || IsKeyword(p.path))
        throw Error("Invalid property path '" + p.path + "'");
      Indent(level);
      m_out += p.path;
      const Value& v = p.Get();
      if (v.kind == ValueKind::String && v.text.size() > kStringLineChars) {
        // A long string starts on a line of its own, one level deeper.
        m_out += " =";
        m_out += kNewLine;
        Indent(level + 1);
        WriteString(v.text, level + 1);
      } else {
        m_out += " = ";
        WriteValue(v, level);
      }
      m_out += kNewLine;
    }
  }

  // Writes a value that starts on a line at this level; what it nests goes
  // one level deeper. Ends without a line break.
  void WriteValue(const Value& v, int level) {
    switch (v.kind) {
      case ValueKind::Integer:
        m_out += std::to_string(v.integer);
        return;
      case ValueKind::Double:
        WriteDouble(v.real);
        return;
      case ValueKind::String:
        WriteString(v.text, level);
        return;
      case ValueKind::Ident:
        if (!IsIdentifier(v.ident, true)) throw Error("Invalid identifier '" + v.ident + "'");
        m_out += v.ident;
        return;
      case ValueKind::Set:
        WriteSet(v);
        return;
      case ValueKind::Collection:
        WriteCollection(v, level);
        return;
      case ValueKind::List:
        WriteList(v, level);
        return;
      case ValueKind::Binary:
        WriteBinary(v, level);
        return;
    }
  }

  void WriteDouble(double d) {
    if (!std::isfinite(d))
      throw Error("A floating-point value that is not finite cannot be written");
    // Fixed notation of up to 309 integer digits or 324 decimals, plus sign and point.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, d, std::chars_format::fixed);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    m_out += text;
    // Without a point the value would read back as an integer.
    if (text.find('.') == std::string_view::npos) m_out += ".0";
  }

  // Quoted runs and #n pieces; after every kStringLineChars characters of the
  // string the line is continued with " +" on a new line at this level.
  void WriteString(const String& text, int level) {
    if (text.empty()) {
      m_out += "''";
      return;
    }
    bool quoted = false;
    std::size_t onLine = 0;
    for (Char c : text) {
      if (onLine == kStringLineChars) {
        CloseQuote(quoted);
        m_out += " +";
        m_out += kNewLine;
        Indent(level);
        onLine = 0;
      }
      if (c < 32 || c == U'\'') {
        CloseQuote(quoted);
        m_out += '#';
        m_out += std::to_string(static_cast<unsigned>(c));
      } else {
        if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
          throw Error("A string holds an invalid character and cannot be written");
        if (!quoted) m_out += '\'';
        quoted = true;
        AppendUtf8(m_out, c);
      }
      ++onLine;
    }
    CloseQuote(quoted);
  }

  void CloseQuote(bool& quoted) {
    if (quoted) m_out += '\'';
    quoted = false;
  }

  void WriteSet(const Value& v) {
    m_out += '[';
    for (std::size_t i = 0; i < v.set.size(); ++i) {
      if (!IsIdentifier(v.set[i], true)) throw Error("Invalid set element '" + v.set[i] + "'");
      if (i > 0) m_out += ", ";
      m_out += v.set[i];
    }
    m_out += ']';
  }

  void WriteCollection(const Value& v, int level) {
    DepthGuard guard(m_depth);
    m_out += '<';
    for (const PropertyList& item : v.items) {
      m_out += kNewLine;
      Indent(level + 1);
      m_out += "item";
      m_out += kNewLine;
      WriteProperties(item, level + 2);
      Indent(level + 1);
      m_out += "end";
    }
    m_out += '>';
  }

  void WriteList(const Value& v, int level) {
    DepthGuard guard(m_depth);
    m_out += '(';
    for (const Value& item : v.list) {
      m_out += kNewLine;
      Indent(level + 1);
      WriteValue(item, level + 1);
    }
    m_out += ')';
  }

  void WriteBinary(const Value& v, int level) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    m_out += '{';
    for (std::size_t i = 0; i < v.bytes.size(); ++i) {
      if (i % kBinaryLineBytes == 0) {
        m_out += kNewLine;
        Indent(level + 1);
      }
      m_out += kHex[v.bytes[i] >> 4];
      m_out += kHex[v.bytes[i] & 0xF];
    }
    m_out += '}';
  }

  std::string m_out;
  int m_depth = 0;
};

}  // namespace

std::string WriteObjectText(const ObjectNode& root) {
  Writer writer;
  writer.WriteObject(root, 0);
  return writer.Take();
}

}  // namespace qs
