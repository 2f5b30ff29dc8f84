// Reads the text form of the settings store (grammar in settingsfile.h). Every
// length is checked against what is left of the line or the file before use, and
// the first fault ends the read with the line it was found on.
#include "support/errors.h"
#include "support/registry.h"
#include "support/settingsfile.h"
#include "support/utf8.h"

namespace qs {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimEnd(std::string_view s) {
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view TrimStart(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class SettingsParser {
 public:
  SettingsParser(std::string_view text, SettingsStore& store) : m_text(text), m_store(store) {}

  void Run() {
    if (m_text.starts_with("\xEF\xBB\xBF")) m_pos = 3;  // a BOM an editor may have added
    std::string_view line;
    if (!NextLine(line) || TrimEnd(line) != kSettingsFirstLine)
      Fail("this is not a Quillon settings file");
    while (NextLine(line)) {
      line = TrimEnd(line);
      if (line.empty()) continue;
      if (line == kSettingsEndLine) return ExpectNothingMore();
      switch (line.front()) {
        case ';':
          break;
        case '[':
          KeyLine(line);
          break;
        case '"':
          ValueLine(line);
          break;
        default:
          Fail("unrecognised line");
      }
    }
    Fail("the file is cut short (no end line)");
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const { throw ParseError(what, m_line); }

  // The next line without its line break; false at the end of the text.
  bool NextLine(std::string_view& line) {
    if (m_pos >= m_text.size()) return false;
    const std::size_t end = m_text.find('\n', m_pos);
    const std::size_t stop = end == std::string_view::npos ? m_text.size() : end;
    line = m_text.substr(m_pos, stop - m_pos);
    m_pos = stop == m_text.size() ? stop : stop + 1;
    ++m_line;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.size() > kMaxLineBytes) Fail("line too long");
    if (!IsValidUtf8(line)) Fail("the text is not UTF-8");
    return true;
  }

  void ExpectNothingMore() {
    std::string_view line;
    while (NextLine(line))
      if (!TrimStart(line).empty()) Fail("text after the end line");
  }

  void KeyLine(std::string_view line) {
    if (!line.ends_with(']')) Fail("\"]\" missing at the end of the key line");
    const std::string_view inner = line.substr(1, line.size() - 2);
    const std::size_t cut = inner.find('\\');
    const std::string_view hive = inner.substr(0, cut);
    const std::optional<RootKey> root = HiveFromName(hive);
    if (!root) Fail("unknown hive \"" + std::string(hive.substr(0, 64)) + "\"");
    m_path = cut == std::string_view::npos ? std::string() : std::string(inner.substr(cut + 1));
    try {
      m_store.CreateKey(*root, m_path);
    } catch (const Error& e) {
      Fail(e.what());
    }
    m_root = root;
  }

  void ValueLine(std::string_view line) {
    if (!m_root) Fail("a value line outside a key");
    std::size_t pos = 0;
    const std::string name = ToUtf8(Quoted(line, pos));
    if (pos >= line.size() || line[pos] != '=') Fail("\"=\" missing after the value name");
    const std::string_view rest = line.substr(pos + 1);
    RegValue value;
    if (rest.starts_with('"'))
      value = RegValue::Str(WholeQuoted(rest));
    else if (rest.starts_with("expand:"))
      value = RegValue::Expand(WholeQuoted(rest.substr(7)));
    else if (rest.starts_with("dword:"))
      value = Dword(rest.substr(6));
    else if (rest.starts_with("hex:"))
      value = Hex(rest.substr(4));
    else
      Fail("unknown kind of value");
    try {
      m_store.WriteValue(*m_root, m_path, name, value);
    } catch (const Error& e) {
      Fail(e.what());
    }
  }

  // Quoted text at s[pos]; pos ends after the closing quote.
  String Quoted(std::string_view s, std::size_t& pos) const {
    if (pos >= s.size() || s[pos] != '"') Fail("\" expected");
    ++pos;
    String out;
    for (;;) {
      if (pos >= s.size()) Fail("unterminated string");
      bool valid = true;
      const Char c = DecodeUtf8At(s, pos, valid);  // the line is known to be UTF-8
      if (c == '"') return out;
      if (c == '\\')
        out.push_back(Escape(s, pos));
      else if (c != '\t' && IsSettingsControl(c))
        Fail("a control character in a string");
      else
        out.push_back(c);
      if (out.size() > kMaxStringChars) Fail("string too long");
    }
  }

  // A quoted text that must take up the rest of the line.
  String WholeQuoted(std::string_view s) const {
    std::size_t pos = 0;
    String text = Quoted(s, pos);
    if (pos != s.size()) Fail("text after the value");
    return text;
  }

  Char Escape(std::string_view s, std::size_t& pos) const {
    if (pos >= s.size()) Fail("bad escape in a string");
    switch (s[pos++]) {
      case '"':
        return '"';
      case '\\':
        return '\\';
      case 'n':
        return '\n';
      case 'r':
        return '\r';
      case 't':
        return '\t';
      case 'x': {
        const int high = pos + 2 <= s.size() ? HexDigit(s[pos]) : -1;
        const int low = high >= 0 ? HexDigit(s[pos + 1]) : -1;
        if (low < 0) Fail("bad \\x escape in a string");
        pos += 2;
        return static_cast<Char>(high * 16 + low);
      }
      case 'u':
        return BracedCodePoint(s, pos);
      default:
        Fail("bad escape in a string");
    }
  }

  // "{H...}" with one to eight hex digits.
  Char BracedCodePoint(std::string_view s, std::size_t& pos) const {
    if (pos >= s.size() || s[pos] != '{') Fail("bad \\u escape in a string");
    std::uint32_t code = 0;
    int digits = 0;
    for (++pos; pos < s.size() && s[pos] != '}'; ++pos) {
      const int d = HexDigit(s[pos]);
      if (d < 0 || ++digits > 8) Fail("bad \\u escape in a string");
      code = code << 4 | static_cast<std::uint32_t>(d);
    }
    if (pos >= s.size() || digits == 0) Fail("bad \\u escape in a string");
    ++pos;
    return code;
  }

  RegValue Dword(std::string_view digits) const {
    if (digits.empty() || digits.size() > 8) Fail("bad dword value");
    std::uint32_t v = 0;
    for (const char c : digits) {
      const int d = HexDigit(c);
      if (d < 0) Fail("bad dword value");
      v = v << 4 | static_cast<std::uint32_t>(d);
    }
    return RegValue::Int(static_cast<std::int32_t>(v));
  }

  // A hex list, reading on over continuation lines.
  RegValue Hex(std::string_view part) {
    std::vector<std::uint8_t> bytes;
    for (;;) {
      const bool continued = part.ends_with('\\');
      if (continued) part = TrimEnd(part.substr(0, part.size() - 1));
      HexBytes(part, continued, bytes);
      if (!continued) return RegValue::Bin(std::move(bytes));
      if (!NextLine(part)) Fail("the file is cut short (no end line)");
      part = TrimEnd(TrimStart(part));
    }
  }

  // "0a,ff,..." on one line; a line that continues ends with a comma.
  void HexBytes(std::string_view part, bool continued, std::vector<std::uint8_t>& bytes) const {
    std::size_t pos = 0;
    const auto skipBlanks = [&] {
      while (pos < part.size() && IsBlank(part[pos])) ++pos;
    };
    skipBlanks();
    while (pos < part.size()) {
      const int high = pos + 2 <= part.size() ? HexDigit(part[pos]) : -1;
      const int low = high >= 0 ? HexDigit(part[pos + 1]) : -1;
      if (low < 0) Fail("bad hex byte");
      if (bytes.size() == kMaxBinaryBytes) Fail("binary value too long");
      bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
      pos += 2;
      skipBlanks();
      if (pos == part.size()) {
        if (continued) Fail("\",\" missing before the line break of a hex list");
        return;
      }
      if (part[pos] != ',') Fail("bad hex byte");
      ++pos;
      skipBlanks();
      if (pos == part.size() && !continued) Fail("a hex list ends with \",\"");
    }
  }

  std::string_view m_text;
  SettingsStore& m_store;
  std::size_t m_pos = 0;
  int m_line = 0;
  std::optional<RootKey> m_root;  // where value lines go: the last key line's key
  std::string m_path;
};

}  // namespace

void ParseSettings(std::string_view text, SettingsStore& store) {
  store.Clear();
  try {
    if (text.size() > kMaxSettingsFileBytes) throw ParseError("the settings text is too large");
    SettingsParser(text, store).Run();
  } catch (...) {
    store.Clear();  // never half a store
    throw;
  }
}

}  // namespace qs
