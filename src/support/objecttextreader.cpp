// Reads object text into the neutral object tree. Every loop consumes input
// or fails, every access is checked against the end, and nesting is bounded,
// so no input can crash or hang the reader.
#include <charconv>
#include <string>

#include "support/errors.h"
#include "support/objecttext.h"
#include "support/objecttext_p.h"
#include "support/utf8.h"

namespace qs {

namespace {

using namespace objecttext;

constexpr char kEnd = '\0';  // what Peek gives at the end; the text itself holds no NUL

constexpr bool IsDigit(char c) noexcept {
  return c >= '0' && c <= '9';
}

int HexDigit(char c) noexcept {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

class Reader {
 public:
  explicit Reader(std::string_view text) : m_text(text) {}

  ObjectNode ReadRoot() {
    CheckIsText();
    SkipBlanks();
    const std::string word = ReadWord("\"object\"");
    if (!IsObjectKeyword(word)) Fail("expected \"object\"");
    ObjectNode root = ReadObject();
    SkipBlanks();
    if (!AtEnd()) Fail("unexpected text after the final \"end\"");
    return root;
  }

 private:
  // Counts the nesting of objects, collections and lists.
  class DepthGuard {
   public:
    explicit DepthGuard(Reader& r) : m_reader(r) {
      if (++m_reader.m_depth > kMaxDepth)
        m_reader.Fail("nesting deeper than " + std::to_string(kMaxDepth) + " levels");
    }
    ~DepthGuard() { --m_reader.m_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

   private:
    Reader& m_reader;
  };

  [[noreturn]] void Fail(const std::string& message) const {
    throw ParseError("Line " + std::to_string(m_line) + ": " + message, m_line);
  }

  bool AtEnd() const { return m_pos >= m_text.size(); }
  char Peek() const { return AtEnd() ? kEnd : m_text[m_pos]; }
  char PeekAt(std::size_t offset) const {
    return m_pos + offset < m_text.size() ? m_text[m_pos + offset] : kEnd;
  }

  // Consumes one line break (CR LF, LF or CR) if there is one here.
  bool SkipLineBreak() {
    if (Peek() == '\r') {
      ++m_pos;
      if (Peek() == '\n') ++m_pos;
    } else if (Peek() == '\n') {
      ++m_pos;
    } else {
      return false;
    }
    ++m_line;
    return true;
  }

  void SkipBlanks() {
    while (!AtEnd()) {
      if (Peek() == ' ' || Peek() == '\t')
        ++m_pos;
      else if (!SkipLineBreak())
        return;
    }
  }

  // Rejects what is not text before anything else is read: ill-formed UTF-8
  // and control characters other than tab and the line breaks.
  void CheckIsText() {
    if (m_text.starts_with("\xEF\xBB\xBF")) m_pos = 3;
    const std::size_t start = m_pos;
    while (!AtEnd()) {
      if (SkipLineBreak()) continue;
      bool valid = true;
      const Char c = DecodeUtf8At(m_text, m_pos, valid);
      if (!valid) Fail("the text is not valid UTF-8");
      if (c < 32 && c != '\t') Fail("unexpected control character #" + std::to_string(c));
    }
    m_pos = start;
    m_line = 1;
  }

  std::string ReadWord(const std::string& what) {
    if (AtEnd()) Fail("unexpected end of text; expected " + what);
    if (!IsIdentStart(Peek())) Fail("expected " + what);
    const std::size_t start = m_pos;
    while (IsIdentChar(Peek()) || Peek() == '.') ++m_pos;
    return std::string(m_text.substr(start, m_pos - start));
  }

  std::string ReadName(const std::string& what) {
    std::string word = ReadWord(what);
    if (!IsIdentifier(word, false) || IsKeyword(word)) Fail("invalid " + what + " '" + word + "'");
    return word;
  }

  static bool IsObjectKeyword(std::string_view word) {
    return EqualsNoCase(word, "object") || EqualsNoCase(word, "inherited") ||
           EqualsNoCase(word, "inline");
  }

  // After the keyword: "[Name: ]ClassName", properties and children, "end".
  ObjectNode ReadObject() {
    DepthGuard guard(*this);
    ObjectNode node;
    SkipBlanks();
    std::string first = ReadName("class name");
    SkipBlanks();
    if (Peek() == ':') {
      ++m_pos;
      SkipBlanks();
      node.objectName = std::move(first);
      node.className = ReadName("class name");
    } else {
      node.className = std::move(first);
    }
    for (;;) {
      SkipBlanks();
      std::string word = ReadWord("a property name or \"end\"");
      if (EqualsNoCase(word, "end")) break;
      if (IsObjectKeyword(word))
        node.children.push_back(ReadObject());
      else
        node.properties.push_back(ReadProperty(std::move(word)));
    }
    return node;
  }

  Property ReadProperty(std::string path) {
    if (!IsIdentifier(path, true) || IsKeyword(path)) Fail("invalid property name '" + path + "'");
    SkipBlanks();
    if (Peek() != '=') Fail("expected \"=\" after '" + path + "'");
    ++m_pos;
    return Property(std::move(path), ReadValue());
  }

  Value ReadValue() {
    SkipBlanks();
    const char c = Peek();
    if (AtEnd()) Fail("unexpected end of text; expected a value");
    if (c == '\'' || c == '#') return ReadString();
    if (IsDigit(c) || c == '-' || c == '+') return ReadNumber();
    if (c == '[') return ReadSet();
    if (c == '<') return ReadCollection();
    if (c == '(') return ReadList();
    if (c == '{') return ReadBinary();
    if (IsIdentStart(c)) {
      std::string word = ReadWord("a value");
      if (!IsIdentifier(word, true)) Fail("invalid identifier '" + word + "'");
      return Value::Identifier(std::move(word));
    }
    Fail("expected a value");
  }

  // Adjacent pieces form one run; runs are joined by "+" across line breaks.
  Value ReadString() {
    String text;
    for (;;) {
      while (Peek() == '\'' || Peek() == '#') {
        if (Peek() == '\'')
          ReadQuoted(text);
        else
          text.push_back(ReadCharCode());
      }
      SkipBlanks();
      if (Peek() != '+') break;
      ++m_pos;
      SkipBlanks();
      if (Peek() != '\'' && Peek() != '#') Fail("expected a string after \"+\"");
    }
    return Value::Str(std::move(text));
  }

  void ReadQuoted(String& text) {
    ++m_pos;
    for (;;) {
      if (AtEnd() || Peek() == '\r' || Peek() == '\n') Fail("unterminated string");
      if (Peek() == '\'') {
        ++m_pos;
        if (Peek() != '\'') return;
        ++m_pos;
        text.push_back(U'\'');
        continue;
      }
      bool valid = true;  // checked by CheckIsText
      text.push_back(DecodeUtf8At(m_text, m_pos, valid));
    }
  }

  Char ReadCharCode() {
    ++m_pos;
    if (!IsDigit(Peek())) Fail("expected a character code after \"#\"");
    std::uint32_t code = 0;
    bool tooLarge = false;
    while (IsDigit(Peek())) {
      code = code * 10 + static_cast<std::uint32_t>(Peek() - '0');
      if (code > 0x10FFFF) {
        tooLarge = true;
        code = 0x110000;  // stays above the limit without overflowing
      }
      ++m_pos;
    }
    if (tooLarge || (code >= 0xD800 && code <= 0xDFFF)) Fail("invalid character code");
    return code;
  }

  void SkipDigits(const char* what) {
    if (!IsDigit(Peek())) Fail(std::string("expected digits in ") + what);
    while (IsDigit(Peek())) ++m_pos;
  }

  Value ReadNumber() {
    const bool plus = Peek() == '+';
    if (plus) ++m_pos;  // from_chars takes no plus sign
    const std::size_t start = m_pos;
    if (!plus && Peek() == '-') ++m_pos;
    SkipDigits("a number");
    bool real = false;
    if (Peek() == '.') {
      ++m_pos;
      SkipDigits("the fraction of a number");
      real = true;
    }
    if (Peek() == 'e' || Peek() == 'E') {
      ++m_pos;
      if (Peek() == '+' || Peek() == '-') ++m_pos;
      SkipDigits("the exponent of a number");
      real = true;
    }
    if (IsIdentChar(Peek()) || Peek() == '.') Fail("invalid number");
    const char* first = m_text.data() + start;
    const char* last = m_text.data() + m_pos;
    if (real) {
      double d = 0;
      const auto r = std::from_chars(first, last, d);
      if (r.ec != std::errc() || r.ptr != last) Fail("number out of range");
      return Value::Real(d);
    }
    std::int64_t n = 0;
    const auto r = std::from_chars(first, last, n);
    if (r.ec != std::errc() || r.ptr != last) Fail("integer out of range");
    return Value::Int(n);
  }

  Value ReadSet() {
    ++m_pos;
    std::vector<std::string> elements;
    SkipBlanks();
    if (Peek() == ']') {
      ++m_pos;
      return Value::SetOf({});
    }
    for (;;) {
      SkipBlanks();
      std::string word = ReadWord("a set element");
      if (!IsIdentifier(word, true)) Fail("invalid set element '" + word + "'");
      elements.push_back(std::move(word));
      SkipBlanks();
      if (AtEnd()) Fail("unexpected end of text in a set");
      const char c = Peek();
      ++m_pos;
      if (c == ']') break;
      if (c != ',') Fail("expected \",\" or \"]\" in a set");
    }
    return Value::SetOf(std::move(elements));
  }

  Value ReadCollection() {
    DepthGuard guard(*this);
    ++m_pos;
    std::vector<PropertyList> items;
    for (;;) {
      SkipBlanks();
      if (Peek() == '>') {
        ++m_pos;
        break;
      }
      if (!EqualsNoCase(ReadWord("\"item\" or \">\""), "item")) Fail("expected \"item\" or \">\"");
      PropertyList& item = items.emplace_back();
      for (;;) {
        SkipBlanks();
        std::string word = ReadWord("a property name or \"end\"");
        if (EqualsNoCase(word, "end")) break;
        item.push_back(ReadProperty(std::move(word)));
      }
    }
    return Value::CollectionOf(std::move(items));
  }

  Value ReadList() {
    DepthGuard guard(*this);
    ++m_pos;
    std::vector<Value> values;
    for (;;) {
      SkipBlanks();
      if (Peek() == ')') {
        ++m_pos;
        break;
      }
      values.push_back(ReadValue());
    }
    return Value::ListOf(std::move(values));
  }

  Value ReadBinary() {
    ++m_pos;
    std::vector<std::uint8_t> bytes;
    int high = -1;  // the first digit of a pair, while the second is awaited
    for (;;) {
      SkipBlanks();
      if (AtEnd()) Fail("unexpected end of text in a binary value");
      if (Peek() == '}') break;
      const int digit = HexDigit(Peek());
      if (digit < 0) Fail("invalid hex digit in a binary value");
      ++m_pos;
      if (high < 0) {
        high = digit;
      } else {
        bytes.push_back(static_cast<std::uint8_t>(high << 4 | digit));
        high = -1;
      }
    }
    if (high >= 0) Fail("odd number of hex digits in a binary value");
    ++m_pos;
    return Value::Bytes(std::move(bytes));
  }

  std::string_view m_text;
  std::size_t m_pos = 0;
  int m_line = 1;
  int m_depth = 0;
};

}  // namespace

ObjectNode ReadObjectText(std::string_view text) {
  return Reader(text).ReadRoot();
}

}  // namespace qs
