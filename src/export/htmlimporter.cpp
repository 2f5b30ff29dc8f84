#include "export/htmlimporter.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "export/htmltext.h"
#include "support/asciicase.h"
#include "support/encoding.h"
#include "support/utf8.h"

namespace qs {

namespace {

// Keys of the elements that carry formatting and so have a record.
enum TTagKey : std::int32_t {
  keyBold = 1,
  keyItalic,
  keyUnderline,
  keyStrike,
  keyLink,
  keyFont,
  keyBig,
  keySmall
};

constexpr std::array<std::pair<std::string_view, TTagKey>, 14> kFormattingTags = {
    {{"b", keyBold},
     {"strong", keyBold},
     {"i", keyItalic},
     {"em", keyItalic},
     {"u", keyUnderline},
     {"ins", keyUnderline},
     {"s", keyStrike},
     {"strike", keyStrike},
     {"del", keyStrike},
     {"a", keyLink},
     {"font", keyFont},
     {"big", keyBig},
     {"small", keySmall},
     {"cite", keyItalic}}};

// Elements that start and end lines.
constexpr std::string_view kBlockTags[] = {
    "p",          "div", "h1",    "h2",     "h3",      "h4",      "h5",      "h6",
    "li",         "ul",  "ol",    "dl",     "dt",      "dd",      "tr",      "table",
    "blockquote", "pre", "hr",    "center", "address", "section", "article", "header",
    "footer",     "nav", "aside", "form",   "figure",  "caption", "main"};

// Elements whose content is no text of the page.
constexpr std::string_view kRawTextTags[] = {"script", "style", "title", "textarea"};

constexpr std::size_t kCharsetSniffBytes = 2048;

template <std::size_t N>
bool IsOneOf(const std::string_view (&names)[N], std::string_view name) {
  return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// The encoding a page declares in its first bytes (a meta charset), if it
// is one we read.
std::optional<Encoding> DeclaredEncoding(std::string_view bytes) {
  std::string head(bytes.substr(0, kCharsetSniffBytes));
  for (char& c : head) c = AsciiLower(c);
  const std::size_t at = head.find("charset=");
  if (at == std::string::npos) return std::nullopt;
  std::size_t pos = at + 8;
  while (pos < head.size() && (head[pos] == '"' || head[pos] == '\'')) ++pos;
  std::size_t end = pos;
  while (end < head.size() && (std::isalnum(static_cast<unsigned char>(head[end])) ||
                               head[end] == '-' || head[end] == '_'))
    ++end;
  return EncodingFromName(std::string_view(head).substr(pos, end - pos));
}

// The page as UTF-8: valid UTF-8 as it is, anything else decoded from the
// encoding its mark or its declaration names (windows-1252 without one).
std::string PageAsUtf8(std::string_view bytes) {
  const Encoding page = DeclaredEncoding(bytes).value_or(Encoding::Windows1252);
  const DetectedEncoding found =
      DetectEncoding(bytes, page == Encoding::Utf8 ? Encoding::Windows1252 : page);
  if (found.encoding == Encoding::Utf8) return std::string(bytes.substr(found.bomLength));
  String text;
  DecodeAppend(bytes.substr(found.bomLength), found.encoding, text);
  return ToUtf8(text);
}

// The first family of a face list ("Courier New, monospace"), unquoted.
String FirstFamily(std::string_view faces) {
  faces = faces.substr(0, faces.find(','));
  const auto trim = [](char c) { return c == ' ' || c == '\t' || c == '"' || c == '\''; };
  while (!faces.empty() && trim(faces.front())) faces.remove_prefix(1);
  while (!faces.empty() && trim(faces.back())) faces.remove_suffix(1);
  String name;
  AppendHtmlText(faces, name);
  return name;
}

std::string Unquoted(std::string_view value) {
  if (!value.empty() && (value.front() == '"' || value.front() == '\'')) {
    const char quote = value.front();
    value.remove_prefix(1);
    if (!value.empty() && value.back() == quote) value.remove_suffix(1);
  }
  return std::string(value);
}

}  // namespace

THTMLImporter::THTMLImporter(TQSImporter& owner, std::string_view input)
    : IntImporter(owner), m_text(PageAsUtf8(input)), m_parser(std::make_unique<TIntHTMLParser>()) {
  IntImporter.DefaultFont = U"Times New Roman";
  m_parser->SetSource(m_text.c_str(), m_text.size());
}

void THTMLImporter::Run() {
  TIntHTMLParser& p = *m_parser;
  while (p.NextToken() != pkEnd) {
    const std::int32_t kind = p.TokenKind();
    if (kind == htText && p.ScanState == hsText)
      HandleText(p.TokenView());
    else if (kind == pkSymbol && p.ScanState == hsText)
      HandleBlank();
    else if (kind == htTag) {
      FlushText();
      HandleTag();
    }
  }
  FlushText();
  IntImporter.PopAll();
}

// A block's edge and blanks count only between content, so they wait for
// the next text.
void THTMLImporter::EmitPendingBreak() {
  if (m_pendingBreak && !IntImporter.AtLineStart()) {
    IntImporter.EmitLineBreak();
    m_pendingSpace = false;
  }
  m_pendingBreak = false;
}

void THTMLImporter::EmitPendingSpace() {
  EmitPendingBreak();
  if (m_pendingSpace && !IntImporter.AtLineStart()) IntImporter.EmitText(U" ");
  m_pendingSpace = false;
}

void THTMLImporter::HandleText(std::string_view bytes) {
  for (const char c : bytes) {
    if (c == ' ' && m_preDepth == 0) {
      m_pendingSpace = true;
      continue;
    }
    if (m_collapsed.empty()) EmitPendingBreak();
    if (m_pendingSpace && !(m_collapsed.empty() && IntImporter.AtLineStart())) m_collapsed += ' ';
    m_pendingSpace = false;
    m_collapsed += c;
  }
}

// Text of one look is gathered over blanks and lines, and handed out as one
// run when a tag may change the look.
void THTMLImporter::FlushText() {
  if (m_collapsed.empty()) return;
  m_decoded.clear();
  AppendHtmlText(m_collapsed, m_decoded);
  m_collapsed.clear();
  IntImporter.EmitText(m_decoded);
}

// Blanks collapse to one space, except in preformatted text, which keeps
// them and its line breaks.
void THTMLImporter::HandleBlank() {
  if (m_preDepth == 0) {
    m_pendingSpace = true;
    return;
  }
  const std::string_view blanks = m_parser->TokenView();
  for (std::size_t i = 0; i < blanks.size(); ++i) {
    const char c = blanks[i];
    if (c == '\r' || c == '\n') {
      FlushText();
      IntImporter.EmitLineBreak();
      if (c == '\r' && i + 1 < blanks.size() && blanks[i + 1] == '\n') ++i;
    } else {
      HandleText(std::string_view(&c, 1));
    }
  }
}

THTMLImporter::TTagToken THTMLImporter::ReadTagToken() const {
  std::string_view text = m_parser->TokenView().substr(1);
  TTagToken tag;
  if (!text.empty() && text[0] == '/') {
    tag.closing = true;
    text.remove_prefix(1);
  }
  tag.name.assign(text);
  for (char& c : tag.name) c = AsciiLower(c);
  return tag;
}

template <typename OnAttribute>
void THTMLImporter::ReadAttributes(OnAttribute onAttribute) {
  TIntHTMLParser& p = *m_parser;
  while (p.ScanState == hsTag && p.NextToken() != pkEnd) {
    if (p.TokenKind() != htName) continue;
    std::string name(p.TokenView());
    for (char& c : name) c = AsciiLower(c);
    if (!p.SkipToAttributeValue()) continue;
    std::string value;
    if (p.ScanState == hsTag && p.NextToken() != pkEnd && p.TokenKind() != htTag)
      value = Unquoted(p.TokenView());
    onAttribute(name, value);
  }
}

void THTMLImporter::SkipRestOfTag() {
  ReadAttributes([](const std::string&, const std::string&) {});
}

// The head holds no text of the page; it ends at its end tag or where the
// body begins.
void THTMLImporter::SkipHead() {
  TIntHTMLParser& p = *m_parser;
  SkipRestOfTag();
  while (p.NextToken() != pkEnd) {
    if (p.TokenKind() != htTag || p.ScanState != hsTag) continue;
    const TTagToken tag = ReadTagToken();
    if (tag.name == "head" && tag.closing) return SkipRestOfTag();
    if (tag.name == "body") return HandleTag();
    if (!tag.closing && IsOneOf(kRawTextTags, tag.name)) {
      SkipRestOfTag();
      p.SkipRawText(tag.name);
    }
  }
}

void THTMLImporter::HandleTag() {
  TIntHTMLParser& p = *m_parser;
  if (p.ScanState != hsTag) return;  // the ">" of a tag read elsewhere
  const TTagToken tag = ReadTagToken();
  const auto formatting = std::find_if(kFormattingTags.begin(), kFormattingTags.end(),
                                       [&](const auto& entry) { return entry.first == tag.name; });
  if (formatting != kFormattingTags.end()) {
    if (tag.closing) {
      IntImporter.Pop(formatting->second);
      return SkipRestOfTag();
    }
    return OpenFormatting(formatting->second);
  }
  if (tag.name == "head") {
    if (!tag.closing) return SkipHead();
  } else if (tag.name == "body" && !tag.closing) {
    return ReadAttributes([this](const std::string& name, const std::string& value) {
      if (name == "link")
        if (const auto color = ParseHtmlColor(value)) LinkColor = *color;
    });
  } else if (tag.name == "br") {
    m_pendingSpace = false;
    EmitPendingSpace();
    IntImporter.EmitLineBreak();
  } else if (tag.name == "td" || tag.name == "th") {
    if (!tag.closing) {
      m_pendingSpace = false;
      EmitPendingSpace();
      if (m_rowHasCell) IntImporter.EmitTab();
      m_rowHasCell = true;
    }
  } else if (IsOneOf(kBlockTags, tag.name)) {
    EndBlockLine();
    if (tag.name == "tr") m_rowHasCell = false;
    if (tag.name == "pre") m_preDepth = std::max(0, m_preDepth + (tag.closing ? -1 : 1));
  } else if (!tag.closing && IsOneOf(kRawTextTags, tag.name)) {
    SkipRestOfTag();
    return p.SkipRawText(tag.name);
  }
  SkipRestOfTag();
}

void THTMLImporter::EndBlockLine() {
  m_pendingSpace = false;
  m_pendingBreak = true;
}

void THTMLImporter::SetSizeLevel(int level) {
  IntImporter.SetSizeLevel(level);
  IntImporter.SetSize(PointsOfHtmlSize(level));
}

// An element that changes the look gets a record; its end removes it, and
// with it what it changed (the size level included).
void THTMLImporter::OpenFormatting(std::int32_t key) {
  EmitPendingSpace();
  IntImporter.Push(key);
  const int level = IntImporter.Top().SizeLevel;
  switch (key) {
    case keyBold:
      IntImporter.SetStyle(TImportStyle::isBold, true);
      break;
    case keyItalic:
      IntImporter.SetStyle(TImportStyle::isItalic, true);
      break;
    case keyUnderline:
      IntImporter.SetStyle(TImportStyle::isUnderline, true);
      break;
    case keyStrike:
      IntImporter.SetStyle(TImportStyle::isStrikeOut, true);
      break;
    case keyBig:
      SetSizeLevel(std::min(level + 1, 7));
      break;
    case keySmall:
      SetSizeLevel(std::max(level - 1, 1));
      break;
    case keyFont:
      return ReadFontAttributes();
    case keyLink:
      // Only a link is shown as one; an anchor (a name) is plain text.
      return ReadAttributes([this](const std::string& attribute, const std::string&) {
        if (attribute != "href") return;
        IntImporter.SetStyle(TImportStyle::isUnderline, true);
        IntImporter.SetColor(LinkColor);
      });
  }
  SkipRestOfTag();
}

void THTMLImporter::ReadFontAttributes() {
  ReadAttributes([this](const std::string& name, const std::string& value) {
    if (name == "face") {
      const String face = FirstFamily(value);
      if (!face.empty()) IntImporter.SetFont(face, kDefaultCharset);
    } else if (name == "size") {
      if (const auto level = ParseHtmlFontSize(value)) SetSizeLevel(*level);
    } else if (name == "color") {
      if (const auto color = ParseHtmlColor(value)) IntImporter.SetColor(*color);
    }
  });
}

void TQSHTMLImporter::Import(std::string_view input) {
  THTMLImporter worker(*this, input);
  worker.Run();
}

}  // namespace qs
