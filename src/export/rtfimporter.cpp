#include "export/rtfimporter.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <unordered_map>

#include "support/asciicase.h"
#include "support/codepages.h"

namespace qs {

namespace {

// Groups that start with one of these hold no text of the document: tables,
// pictures, objects, metadata, page headers and footers ("\*" marks any
// group a reader may ignore).
constexpr std::string_view kSkippedGroups[] = {"\\*",
                                               "\\stylesheet",
                                               "\\pntxta",
                                               "\\pntxtb",
                                               "\\propname",
                                               "\\staticval",
                                               "\\object",
                                               "\\title",
                                               "\\author",
                                               "\\operator",
                                               "\\pict",
                                               "\\info",
                                               "\\listtable",
                                               "\\listoverridetable",
                                               "\\revtbl",
                                               "\\rsidtbl",
                                               "\\header",
                                               "\\headerl",
                                               "\\headerr",
                                               "\\headerf",
                                               "\\footer",
                                               "\\footerl",
                                               "\\footerr",
                                               "\\footerf",
                                               "\\fldinst",
                                               "\\nonshppict",
                                               "\\xmlnstbl",
                                               "\\themedata",
                                               "\\latentstyles",
                                               "\\datastore",
                                               "\\colorschememapping",
                                               "\\filetbl"};

enum class TWordAction {
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  Strike,
  Plain,
  Font,
  FontSize,
  Color,
  BackColor,
  LineBreak,
  Tab,
  Quote,
  DoubleQuote,
  Dash,
  Unicode,
  UnicodeSkip,
  Binary,
  CodePage,
  DefaultFont,
  NonBreakingHyphen
};

const std::unordered_map<std::string_view, TWordAction>& WordActions() {
  using enum TWordAction;
  static const std::unordered_map<std::string_view, TWordAction> actions = {
      {"\\b", Bold},
      {"\\i", Italic},
      {"\\ul", Underline},
      {"\\uld", Underline},
      {"\\uldb", Underline},
      {"\\ulw", Underline},
      {"\\uldash", Underline},
      {"\\ulwave", Underline},
      {"\\ulth", Underline},
      {"\\ulnone", UnderlineNone},
      {"\\strike", Strike},
      {"\\striked", Strike},
      {"\\plain", Plain},
      {"\\f", Font},
      {"\\pnf", Font},
      {"\\fs", FontSize},
      {"\\cf", Color},
      {"\\highlight", BackColor},
      {"\\cb", BackColor},
      {"\\chcbpat", BackColor},
      {"\\line", LineBreak},
      {"\\par", LineBreak},
      {"\\row", LineBreak},
      {"\\tab", Tab},
      {"\\cell", Tab},
      {"\\lquote", Quote},
      {"\\rquote", Quote},
      {"\\ldblquote", DoubleQuote},
      {"\\rdblquote", DoubleQuote},
      {"\\endash", Dash},
      {"\\emdash", Dash},
      {"\\u", Unicode},
      {"\\uc", UnicodeSkip},
      {"\\bin", Binary},
      {"\\ansicpg", CodePage},
      {"\\deff", DefaultFont},
      {"\\_", NonBreakingHyphen}};
  return actions;
}

constexpr std::int32_t kMaxFallbackUnits = 16;

bool IsBlank(Char c) {
  return c == U' ' || c == U'\t';
}

String Trimmed(const String& s) {
  std::size_t first = 0, last = s.size();
  while (first < last && IsBlank(s[first])) ++first;
  while (last > first && IsBlank(s[last - 1])) --last;
  return s.substr(first, last - first);
}

}  // namespace

TRTFConverter::TRTFConverter(std::string_view input)
    : m_text(input), m_parser(std::make_unique<TQSRtfParser>()) {
  m_parser->SetSource(m_text.c_str(), m_text.size());
}

std::string TRTFConverter::LowerWord() const {
  std::string word(m_parser->Word);
  for (char& c : word) c = static_cast<char>(AsciiLower(static_cast<unsigned char>(c)));
  return word;
}

void TRTFConverter::SetCodePage(std::int32_t number) {
  switch (number) {
    case 1251:
      CodePage = Encoding::Windows1251;
      break;
    case 866:
      CodePage = Encoding::Cp866;
      break;
    case 20866:
      CodePage = Encoding::Koi8R;
      break;
    default:
      CodePage = Encoding::Windows1252;
  }
}

Char TRTFConverter::ByteChar(unsigned char byte, std::int32_t charset) const {
  if (byte < 0x80) return byte;
  const Encoding page = charset == kRussianCharset ? Encoding::Windows1251 : CodePage;
  Char c = 0xFFFD;
  ByteToChar(page, byte, c);
  return c;
}

void TRTFConverter::SkipGroup() {
  TQSRtfParser& p = *m_parser;
  for (std::int64_t depth = 1; depth > 0 && p.NextToken() != pkEnd;) {
    const std::int32_t kind = p.TokenKind();
    if (kind == rtGroupStart) ++depth;
    if (kind == rtGroupEnd) --depth;
    if (kind == rtUnknownWord && p.HasParameter && LowerWord() == "\\bin")
      p.SkipBinary(p.Parameter);
  }
}

// An entry's face ends at its ";" or at the end of its group; a face left
// empty (only alternate names after it) names nothing and is ignored.
void TRTFConverter::CommitFont(std::string& face, std::int32_t& index, std::int32_t& charset) {
  String name;
  for (const char byte : face) name += ByteChar(static_cast<unsigned char>(byte), charset);
  name = Trimmed(name);
  if (!name.empty()) {
    if (index < 0 && !FontTable.empty() && FontTable.rbegin()->first < INT32_MAX)
      index = FontTable.rbegin()->first + 1;
    FontTable[std::max(index, 0)] = {name, charset};
  }
  face.clear();
  index = -1;
  charset = kDefaultCharset;
}

void TRTFConverter::ReadFontTable() {
  TQSRtfParser& p = *m_parser;
  p.NextToken();  // \fonttbl
  std::string face;
  std::int32_t index = -1, charset = kDefaultCharset;
  std::int64_t depth = 0;
  while (p.NextToken() != pkEnd) {
    const std::int32_t kind = p.TokenKind();
    if (kind == rtGroupStart) {
      if (++depth == 1) face.assign(p.GroupText);
    } else if (kind == rtGroupEnd) {
      if (depth <= 1) CommitFont(face, index, charset);
      if (depth-- == 0) return;
    } else if (depth > 1) {
      if (kind == rtUnknownWord && p.HasParameter && LowerWord() == "\\bin")
        p.SkipBinary(p.Parameter);
    } else if (kind == rtWord || kind == rtUnknownWord) {
      const std::string word = LowerWord();
      if (word == "\\f" && p.HasParameter) index = p.Parameter;
      if (word == "\\fcharset") charset = p.HasParameter ? std::clamp(p.Parameter, 0, 255) : 0;
    } else if (kind == rtHexChar) {
      face += static_cast<char>(p.SpecialChar);
    } else if (kind != rtGroupStart) {
      for (const char byte : p.TokenView()) {
        if (byte == ';')
          CommitFont(face, index, charset);
        else
          face += byte;
      }
    }
  }
}

void TRTFConverter::ReadColorTable() {
  TQSRtfParser& p = *m_parser;
  p.NextToken();  // \colortbl
  int red = 0, green = 0, blue = 0;
  bool any = false;
  std::int64_t depth = 0;
  while (p.NextToken() != pkEnd) {
    const std::int32_t kind = p.TokenKind();
    if (kind == rtGroupStart) ++depth;
    if (kind == rtGroupEnd && depth-- == 0) return;
    if (kind == rtWord || kind == rtUnknownWord) {
      const std::string word = LowerWord();
      const int value = p.HasParameter ? std::clamp(p.Parameter, 0, 255) : 0;
      if (word == "\\red") red = value, any = true;
      if (word == "\\green") green = value, any = true;
      if (word == "\\blue") blue = value, any = true;
    } else if (kind == rtText) {
      for (const char c : p.TokenView()) {
        if (c != ';') continue;
        ColorTable.push_back(any ? MakeColor(red, green, blue) : kImportNoColor);
        red = green = blue = 0;
        any = false;
      }
    }
  }
}

TRtfImporter::TRtfImporter(TQSImporter& owner, std::string_view input)
    : TRTFConverter(input), IntImporter(owner) {}

void TRtfImporter::Run() {
  TQSRtfParser& p = Parser();
  while (p.NextToken() != pkEnd) {
    const std::int32_t kind = p.TokenKind();
    const bool afterWord = m_afterWord;
    m_afterWord = false;
    switch (kind) {
      case rtText:
      case pkInteger:
      case pkFloat: {
        std::string_view bytes = p.TokenView();
        if (afterWord && p.TokenStart() != p.LineStart() && !bytes.empty() && bytes[0] == ' ')
          bytes.remove_prefix(1);  // the control word's delimiter
        HandleText(bytes);
        break;
      }
      case rtHexChar:
        HandleHexChar();
        break;
      case rtGroupStart:
        HandleGroupStart();
        break;
      case rtGroupEnd:
        Flush();
        m_fallbackLeft = 0;
        IntImporter.Pop(-1);
        break;
      default:
        HandleWord();
        m_afterWord = true;
    }
  }
  Flush();
  IntImporter.PopAll();
}

bool TRtfImporter::SkipFallback() {
  if (m_fallbackLeft <= 0) return false;
  --m_fallbackLeft;
  return true;
}

void TRtfImporter::HandleText(std::string_view bytes) {
  while (!bytes.empty() && SkipFallback()) bytes.remove_prefix(1);
  const std::int32_t charset = IntImporter.CurrentCharset();
  for (const char byte : bytes) AppendChar(ByteChar(static_cast<unsigned char>(byte), charset));
}

void TRtfImporter::HandleHexChar() {
  if (SkipFallback()) return;
  AppendChar(ByteChar(Parser().SpecialChar, IntImporter.CurrentCharset()));
}

void TRtfImporter::AppendChar(Char c) {
  if (m_highSurrogate != 0) {
    m_pending += U'\uFFFD';  // a high half whose low half never came
    m_highSurrogate = 0;
  }
  m_pending += c;
}

void TRtfImporter::Flush() {
  IntImporter.EmitText(m_pending);
  m_pending.clear();
}

void TRtfImporter::HandleGroupStart() {
  TQSRtfParser& p = Parser();
  Flush();
  m_fallbackLeft = 0;
  const std::string groupText(p.GroupText);
  std::string peeked;
  if (groupText.empty()) {
    p.SaveState();
    const std::int32_t kind = p.NextToken();
    if (kind == rtWord || kind == rtUnknownWord) peeked = LowerWord();
    p.RestoreState();
  }
  if (peeked == "\\colortbl") return ReadColorTable();
  if (peeked == "\\fonttbl") {
    ReadFontTable();
    return UseDefaultFont();
  }
  if (std::find(std::begin(kSkippedGroups), std::end(kSkippedGroups), peeked) !=
      std::end(kSkippedGroups))
    return SkipGroup();
  IntImporter.Push(-1);
  HandleText(groupText);
}

void TRtfImporter::UseDefaultFont() {
  auto found = FontTable.find(DefaultFontIndex);
  if (found == FontTable.end()) found = FontTable.begin();
  if (found == FontTable.end()) return;
  IntImporter.DefaultTableFont = found->second.Name;
  IntImporter.DefaultTableCharset = found->second.Charset;
}

void TRtfImporter::HandleWord() {
  TQSRtfParser& p = Parser();
  const std::string word = LowerWord();
  if (word == "\\") return HandleControlSymbol();
  // A control word may be the fallback of a \u; then it does nothing.
  if (word != "\\u" && word != "\\bin" && SkipFallback()) return;
  const auto found = WordActions().find(word);
  if (found == WordActions().end()) return;
  const bool has = p.HasParameter;
  const std::int32_t n = p.Parameter;
  const auto colorAt = [this](std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < ColorTable.size()
               ? std::optional<TColor>(ColorTable[static_cast<std::size_t>(index)])
               : std::nullopt;
  };
  using enum TWordAction;
  const TWordAction action = found->second;
  if (action != Unicode && action != Binary && action != UnicodeSkip && action != CodePage &&
      action != DefaultFont)
    Flush();
  switch (action) {
    case Bold:
      return IntImporter.SetStyle(TImportStyle::isBold, !has || n != 0);
    case Italic:
      return IntImporter.SetStyle(TImportStyle::isItalic, !has || n != 0);
    case Underline:
      return IntImporter.SetStyle(TImportStyle::isUnderline, !has || n != 0);
    case UnderlineNone:
      return IntImporter.SetStyle(TImportStyle::isUnderline, false);
    case Strike:
      return IntImporter.SetStyle(TImportStyle::isStrikeOut, !has || n != 0);
    case Plain:
      return IntImporter.Plain();
    case Font:
      if (const auto f = FontTable.find(n); has && f != FontTable.end())
        IntImporter.SetFont(f->second.Name, f->second.Charset);
      return;
    case FontSize:
      if (!has || n > 0) IntImporter.SetSize(has ? n / 2 : kDefaultImportPoints);
      return;
    case Color:
      if (const auto color = colorAt(n); has && color)
        IntImporter.SetColor(*color == kImportNoColor ? clBlack : *color);
      return;
    case BackColor:
      if (const auto color = colorAt(n); has && color)
        IntImporter.SetBackColor(n == 0 ? kImportNoColor : *color);
      return;
    case LineBreak:
      return IntImporter.EmitLineBreak();
    case Tab:
      return IntImporter.EmitTab();
    case Quote:
      return AppendChar(U'\'');
    case DoubleQuote:
      return AppendChar(U'"');
    case Dash:
    case NonBreakingHyphen:
      return AppendChar(U'-');
    case Unicode:
      return HandleUnicode();
    case UnicodeSkip:
      if (has) IntImporter.SetUnicodeSkip(std::clamp(n, 0, kMaxFallbackUnits));
      return;
    case Binary:
      if (has) p.SkipBinary(n);
      return;
    case CodePage:
      return SetCodePage(n);
    case DefaultFont:
      DefaultFontIndex = n;
      return UseDefaultFont();
  }
}

// "\~" is a fixed space, "\-" an optional hyphen, "\" before a line break a
// paragraph break.
void TRtfImporter::HandleControlSymbol() {
  TQSRtfParser& p = Parser();
  const unsigned char next = p.Byte();
  if (next == '~') {
    p.Advance();
    if (!SkipFallback()) AppendChar(U' ');
  } else if (next == '-') {
    p.Advance();
  } else if (next == '\r' || next == '\n') {
    Flush();
    IntImporter.EmitLineBreak();
  }
}

// A UTF-16 unit; a pair of halves makes one character, a lone half U+FFFD.
// The units of a fallback that follow are skipped.
void TRtfImporter::HandleUnicode() {
  TQSRtfParser& p = Parser();
  if (!p.HasParameter) return;
  const std::int32_t n = p.Parameter;
  m_fallbackLeft = IntImporter.Top().UnicodeSkip;
  if (n < -32768 || n > 65535) return;
  const Char unit = static_cast<Char>(n < 0 ? n + 65536 : n);
  if (unit >= 0xDC00 && unit <= 0xDFFF && m_highSurrogate != 0) {
    m_pending += 0x10000 + ((m_highSurrogate - 0xD800) << 10) + (unit - 0xDC00);
    m_highSurrogate = 0;
    return;
  }
  if (unit >= 0xD800 && unit <= 0xDBFF) {
    if (m_highSurrogate != 0) m_pending += U'\uFFFD';
    m_highSurrogate = unit;
    return;
  }
  AppendChar(unit >= 0xDC00 && unit <= 0xDFFF ? U'\uFFFD' : unit);
}

bool TQSRtfImporter::CanImport(std::string_view input) const {
  return input.size() > 4 && input.substr(0, 5) == "{\\rtf";
}

void TQSRtfImporter::Import(std::string_view input) {
  TRtfImporter worker(*this, input);
  worker.Run();
}

}  // namespace qs
