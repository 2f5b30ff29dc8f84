#include "export/htmlexporter.h"

#include <array>

#include "export/asciirun.h"
#include "support/utf8.h"

namespace qs {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::array<const char*, 4> kAlignments = {"left", "center", "right", "justify"};
constexpr std::array<const char*, kFrameKinds> kFrames = {
    "void", "above", "below", "hsides", "lhs", "rhs", "vsides", "box", "border"};
constexpr std::array<const char*, kRuleKinds> kRules = {"none", "groups", "rows", "cols", "all"};
// Code is what this program exports: a face the reader lacks falls back to
// a monospaced one rather than the browser's proportional default.
constexpr std::string_view kFaceFallback = ", monospace";

std::string Escaped(StringView text) {
  std::string out;
  AppendHtmlEscaped(out, text);
  return out;
}

// A number, or nothing when it is 0 (the attribute is then left out).
std::string NonZero(std::int32_t value) {
  return value == 0 ? std::string() : std::to_string(value);
}

template <std::size_t N>
std::string Named(const std::array<const char*, N>& names, std::uint8_t index) {
  return index < N ? names[index] : std::string();
}

}  // namespace

int HtmlFontSize(std::int32_t points) noexcept {
  if (points <= 0) return 3;
  if (points <= 8) return 1;
  if (points <= 11) return 2;
  if (points <= 13) return 3;
  if (points <= 17) return 4;
  if (points <= 23) return 5;
  if (points <= 35) return 6;
  return 7;
}

std::string HtmlColor(TColor color) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const TRgb rgb = ResolveRgb(color);
  std::string out = "#";
  for (const std::uint8_t byte : {rgb.red, rgb.green, rgb.blue}) {
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
  }
  return out;
}

namespace {

void AppendEscapedChar(std::string& out, Char c) {
  switch (c) {
    case U'"':
      out += "&quot;";
      break;
    case U'&':
      out += "&amp;";
      break;
    case U'<':
      out += "&lt;";
      break;
    case U'>':
      out += "&gt;";
      break;
    default:
      if (c < 0x80)
        out += static_cast<char>(c);
      else
        AppendUtf8(out, c);  // a code point that is no character becomes U+FFFD
  }
}

// ASCII that HTML text takes as it is; a space is plain only where blanks
// need not keep their width.
constexpr bool IsPlainHtml(Char c) noexcept {
  return c < 0x80 && c != U'"' && c != U'&' && c != U'<' && c != U'>';
}

}  // namespace

void AppendHtmlEscaped(std::string& out, StringView text) {
  AppendConverted(out, text, IsPlainHtml, AppendEscapedChar);
}

std::unique_ptr<TQSExporter> TQSHTMLExporter::Create(TOutputStream& stream) {
  return std::make_unique<TQSHTMLExporter>(stream);
}

// Every space is a fixed one, so indentation and runs of blanks show as
// the editor shows them.
void TQSHTMLExporter::ConvertString(StringView text, std::string& out) {
  out.clear();
  AppendConverted(
      out, text, [](Char c) { return c != U' ' && IsPlainHtml(c); },
      [](std::string& to, Char c) {
        if (c == U' ')
          to += "&nbsp;";
        else
          AppendEscapedChar(to, c);
      });
}

void TQSHTMLExporter::Open(std::string_view tag) {
  EnsureBody();
  m_buffer.assign("<").append(tag) += '>';
  TQSExporter::WriteString(m_buffer);
}

void TQSHTMLExporter::Close(std::string_view tag) {
  m_buffer.assign("</").append(tag) += '>';
  TQSExporter::WriteString(m_buffer);
}

void TQSHTMLExporter::Block(std::string_view tag, Attributes attributes) {
  EnsureBody();
  m_buffer.clear();
  if (!m_lastBlockTag.empty() && m_lastBlockTag != tag) m_buffer += kLineEnd;
  m_buffer.append("<").append(tag);
  for (const auto& [name, value] : attributes)
    if (!value.empty()) m_buffer.append(" ").append(name).append("=\"").append(value) += '"';
  m_buffer += '>';
  TQSExporter::WriteString(m_buffer);
  m_lastBlockTag = tag;
}

void TQSHTMLExporter::EnsureBody() {
  if (!m_inDocument || m_bodyOpen) return;
  m_bodyOpen = true;
  TQSExporter::WriteString("<body>");
}

void TQSHTMLExporter::BeginParagraph(TParagraphAlignment alignment) {
  Block("P", {{"Align", Named(kAlignments, static_cast<std::uint8_t>(alignment))}});
}

void TQSHTMLExporter::LineBreak() {
  Open("BR");
  TQSExporter::WriteString(kLineEnd);
}

// Every run names its face, nearly always the same one.
void TQSHTMLExporter::BeginFontName(StringView name) {
  if (name != m_faceName || m_faceValue.empty()) {
    m_faceName = name;
    m_faceValue = Escaped(name).append(kFaceFallback);
  }
  Block("font", {{"face", m_faceValue}});
}

void TQSHTMLExporter::BeginFontSize(std::int32_t points) {
  Block("font", {{"SIZE", std::to_string(HtmlFontSize(points))}});
}

void TQSHTMLExporter::BeginFontColor(TColor color) {
  if (color != m_colorOf || m_colorValue.empty()) {
    m_colorOf = color;
    m_colorValue = HtmlColor(color);
  }
  Block("font", {{"color", m_colorValue}});
}

// The page colour belongs to the body; a second one inside the page has no
// place to go and is left out.
void TQSHTMLExporter::BeginPageColor(TColor color) {
  if (m_bodyOpen) return;
  m_bodyOpen = m_inDocument;
  Block("Body", {{"BGCOLOR", HtmlColor(color)}});
}

void TQSHTMLExporter::BeginLink(StringView target, TLinkKind) {
  Block("A", {{"href", Escaped(target).append(".html")}});
}

void TQSHTMLExporter::BeginTable(const TTableParams& p) {
  Block("TABLE", {{"width", NonZero(p.Width)},
                  {"border", NonZero(p.Border)},
                  {"frame", Named(kFrames, p.Frame)},
                  {"rules", Named(kRules, p.Rules)},
                  {"cellspacing", NonZero(p.CellSpacing)},
                  {"cellpadding", NonZero(p.CellPadding)}});
}

void TQSHTMLExporter::BeginCell(std::int32_t width) {
  Block("TD", {{"width", NonZero(width)}});
}

// The title is text of the head, escaped like any other text, and the
// encoding is declared before it so the reader never guesses.
void TQSHTMLExporter::BeginDocument(StringView title) {
  TQSExporter::WriteString("<!DOCTYPE html>\r\n<Html><Head><meta charset=\"utf-8\"><Title>");
  TQSExporter::WriteString(Escaped(title));
  TQSExporter::WriteString("</Title></Head>");
  m_lastBlockTag = "Head";
  m_inDocument = true;
  m_bodyOpen = false;
}

void TQSHTMLExporter::EndDocument() {
  if (m_bodyOpen) Close("Body");
  Close("Html");
  m_inDocument = false;
  m_bodyOpen = false;
}

void TQSHTMLExporter::WriteSpaces(std::int32_t count) {
  EnsureBody();
  for (std::int32_t i = 0; i < count; ++i) TQSExporter::WriteString("&nbsp;");
}

void TQSHTMLExporter::InsertImage(StringView fileName, std::int32_t width, std::int32_t height) {
  if (fileName.empty()) return;
  const bool sized = width != 0 || height != 0;
  Block("img", {{"src", Escaped(fileName)},
                {"WIDTH", sized ? std::to_string(width) : std::string()},
                {"HEIGHT", sized ? std::to_string(height) : std::string()}});
}

void TQSHTMLExporter::InsertExecLink(StringView text, StringView target) {
  Block("A", {{"href", Escaped(target)}, {"target", "_blank"}});
  TQSExporter::WriteString(Escaped(text));
  Close("A");
}

}  // namespace qs
