#include "app/htmlmarkup.h"

#include <string>

#include "support/asciicase.h"
#include "support/utf8.h"

namespace qs {

namespace {

constexpr StringView kCrLf = U"\r\n";

String Number(int value) {
  return FromUtf8(std::to_string(value));
}

// " name=value" with the value quoted, or nothing for an empty value.
String OptionalAttribute(StringView name, StringView value) {
  if (value.empty()) return {};
  return U" " + String(name) + U"=" + QuotedAttribute(value);
}

bool IsBlank(Char c) {
  return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == U'\f';
}

}  // namespace

String ColorNotation(TColor color) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  const TColor rgb = ColorToRGB(color);
  String text = U"#";
  for (const int part : {RedOf(rgb), GreenOf(rgb), BlueOf(rgb)}) {
    text += static_cast<Char>(kDigits[part >> 4]);
    text += static_cast<Char>(kDigits[part & 15]);
  }
  return text;
}

String QuotedAttribute(StringView value) {
  String quoted = U"\"";
  for (const Char c : value) quoted += c == U'"' ? String(U"&quot;") : String(1, c);
  return quoted + U"\"";
}

String EscapedText(StringView text) {
  String escaped;
  for (const Char c : text) {
    switch (c) {
      case U'&':
        escaped += U"&amp;";
        break;
      case U'<':
        escaped += U"&lt;";
        break;
      case U'>':
        escaped += U"&gt;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

String TagAround(StringView tag, StringView selected) {
  return U"<" + String(tag) + U">" + String(selected) + U"</" + String(tag) + U">";
}

String ForegroundColorMarkup(TColor color, StringView selected) {
  return U"<FONT color=\"" + ColorNotation(color) + U"\">" + String(selected) + U"</FONT>";
}

String BackgroundColorMarkup(TColor color, StringView selected) {
  return U"<FONT style=\"BACKGROUND-COLOR: " + ColorNotation(color) + U"\">" + String(selected) +
         U"</FONT>";
}

String FontMarkup(const FontSpec& font, TColor color, StringView selected) {
  String style = U"font-size:" + Number(font.size) + U"pt;font-family:" + font.name + U";";
  const String notation = ColorNotation(color);
  if (notation != U"#000000") style += U"color:" + notation + U";";
  String open;
  String close;
  const std::pair<bool, StringView> styles[] = {
      {font.strikeOut, U"S"}, {font.underline, U"U"}, {font.bold, U"B"}, {font.italic, U"I"}};
  for (const auto& [set, tag] : styles) {
    if (!set) continue;
    open += U"<" + String(tag) + U">";
    close = U"</" + String(tag) + U">" + close;
  }
  return U"<FONT style=" + QuotedAttribute(style) + U">" + open + String(selected) + close +
         U"</FONT>";
}

String TableMarkup(const TTableFields& f) {
  String cell = U"    <TD";
  if (!f.wrapText) cell += U" nowrap";
  cell += OptionalAttribute(U"bordercolor", f.cellBorderColor);
  cell += OptionalAttribute(U"align", f.cellAlign);
  cell += OptionalAttribute(U"bgcolor", f.cellBackground);
  cell += U">&nbsp;</TD>";

  String row = U"  <TR>";
  for (int c = 0; c < f.columns; ++c) row += String(kCrLf) + cell;
  row += String(kCrLf) + U"  </TR>";

  String table = U"<TABLE";
  table += OptionalAttribute(U"bordercolor", f.tableBorderColor);
  table += U" cellspacing=\"" + Number(f.cellSpacing) + U"\" cellPadding=\"" +
           Number(f.cellPadding) + U"\" width=\"" + Number(f.width) +
           (f.widthInPercent ? U"%" : U"") + U"\"";
  table += OptionalAttribute(U"align", f.tableAlign);
  table += OptionalAttribute(U"bgcolor", f.tableBackground);
  table += OptionalAttribute(U"background", f.backgroundImage);
  table += U" border=\"" + Number(f.borderSize) + U"\">";
  for (int r = 0; r < f.rows; ++r) table += String(kCrLf) + row;
  return table + String(kCrLf) + U"</TABLE>";
}

String LinkMarkup(const TLinkFields& fields, StringView selected) {
  if (fields.bookmark) {
    StringView name = fields.url;
    if (!name.empty() && name.front() == U'#') name.remove_prefix(1);
    return U"<A name=" + QuotedAttribute(name) + U"></A>" + String(selected);
  }
  const String text = selected.empty() ? EscapedText(fields.url) : String(selected);
  return U"<A href=" + QuotedAttribute(fields.url) + OptionalAttribute(U"target", fields.target) +
         U">" + text + U"</A>";
}

std::vector<String> AnchorNames(StringView text) {
  std::vector<String> names;
  std::size_t at = 0;
  while ((at = text.find(U'<', at)) != StringView::npos) {
    ++at;
    if (at + 1 >= text.size() || AsciiLower(text[at]) != U'a' || !IsBlank(text[at + 1])) continue;
    std::size_t p = at + 1;
    // Attributes up to the tag's end: a name, and optionally = and a value.
    while (p < text.size() && text[p] != U'>') {
      while (p < text.size() && IsBlank(text[p])) ++p;
      const std::size_t nameStart = p;
      while (p < text.size() && !IsBlank(text[p]) && text[p] != U'=' && text[p] != U'>') ++p;
      const StringView attribute = text.substr(nameStart, p - nameStart);
      while (p < text.size() && IsBlank(text[p])) ++p;
      if (p >= text.size() || text[p] != U'=') continue;
      ++p;
      while (p < text.size() && IsBlank(text[p])) ++p;
      std::size_t valueStart = p;
      std::size_t valueEnd;
      if (p < text.size() && (text[p] == U'"' || text[p] == U'\'')) {
        const Char quote = text[p];
        valueStart = p + 1;
        valueEnd = text.find(quote, valueStart);
        if (valueEnd == StringView::npos) valueEnd = text.size();
        p = valueEnd < text.size() ? valueEnd + 1 : valueEnd;
      } else {
        while (p < text.size() && !IsBlank(text[p]) && text[p] != U'>') ++p;
        valueEnd = p;
      }
      const StringView value = text.substr(valueStart, valueEnd - valueStart);
      if (EqualsIgnoringAsciiCase(attribute, StringView(U"name")) && !value.empty())
        names.push_back(U"#" + String(value));
    }
    at = p;
  }
  return names;
}

String ImageMarkup(const TImageFields& f) {
  String tag = U"<IMG ";
  if (!f.alternateText.empty()) tag += U"alt=" + QuotedAttribute(f.alternateText) + U" ";
  if (!f.align.empty() && f.align != U"(not set)") {
    String lower;
    for (const Char c : f.align) lower += AsciiLower(c);
    tag += U"align=" + QuotedAttribute(lower) + U" ";
  }
  if (f.width > 0) tag += U"width=" + Number(f.width) + U" ";
  if (f.height > 0) tag += U"height=" + Number(f.height) + U" ";
  if (f.horizontalSpace != 0) tag += U"hspace=" + Number(f.horizontalSpace) + U" ";
  if (f.verticalSpace != 0) tag += U"vspace=" + Number(f.verticalSpace) + U" ";
  return tag + U"border=" + Number(f.border) + U" src=" + QuotedAttribute(f.source) + U">";
}

String FilesText(const std::vector<TInsertedFile>& files, bool anchors) {
  String text;
  for (int i = 0; i < 4; ++i) text += kCrLf;
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (i > 0) text += String(kCrLf) + String(kCrLf);
    if (anchors)
      text += U"<A name=" + QuotedAttribute(files[i].baseName) + U"></A>" + String(kCrLf);
    for (const String& line : files[i].lines) text += line + String(kCrLf);
  }
  return text;
}

}  // namespace qs
