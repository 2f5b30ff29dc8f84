// The HTML the insertion commands write, built from the values a command or
// its dialog collected. Pure functions: no document, no dialog. Line breaks
// are CR LF; the document gives the inserted lines its own break.
//
// Every attribute value that is text (a URL, a name, a colour typed by the
// user) goes out quoted with its double quotes escaped, so no field can end
// the attribute or the tag early.
#pragma once

#include <vector>

#include "platform/font.h"
#include "support/colors.h"
#include "support/qschar.h"

namespace qs {

// "#" and six upper-case hexadecimal digits, red first; system colours are
// resolved first.
String ColorNotation(TColor color);
// The value between double quotes, a double quote inside written as &quot;.
String QuotedAttribute(StringView value);
// Text as element content: &, < and > written as entities.
String EscapedText(StringView text);

// <tag>selected</tag>, for "B", "I" and "U".
String TagAround(StringView tag, StringView selected);
String ForegroundColorMarkup(TColor color, StringView selected);
String BackgroundColorMarkup(TColor color, StringView selected);
// A FONT tag with size, family and a colour other than black as its style,
// and the style tags nested inside it: <S><U><B><I>selected</I></B></U></S>.
String FontMarkup(const FontSpec& font, TColor color, StringView selected);

struct TTableFields {
  int rows = 3;
  int columns = 3;
  int width = 100;
  bool widthInPercent = true;
  String tableBackground;
  String tableBorderColor;
  String backgroundImage;
  String tableAlign;
  String cellBackground;
  String cellBorderColor;
  String cellAlign;
  int cellSpacing = 0;
  int cellPadding = 0;
  int borderSize = 0;
  bool wrapText = true;
};
String TableMarkup(const TTableFields& fields);

struct TLinkFields {
  String url;  // in bookmark mode the anchor's name, a leading "#" allowed
  String target;
  bool bookmark = false;
};
// A link around the selected text (the URL is the text when nothing is
// selected), or in bookmark mode an anchor placed before it.
String LinkMarkup(const TLinkFields& fields, StringView selected);
// The names of the document's anchors (the name attributes of its A tags),
// each as "#name", in document order.
std::vector<String> AnchorNames(StringView text);

struct TImageFields {
  String source;
  String alternateText;
  String align;  // "(not set)" or empty: no align attribute
  int border = 0;
  int horizontalSpace = 0;
  int verticalSpace = 0;
  int width = 0;  // 0: not written
  int height = 0;
};
String ImageMarkup(const TImageFields& fields);

struct TInsertedFile {
  String baseName;  // the file name without folder and extension
  std::vector<String> lines;
};
// Four empty lines, then each file's lines (after an anchor named after the
// file when asked), files two empty lines apart; every line ends in CR LF.
String FilesText(const std::vector<TInsertedFile>& files, bool anchors);

}  // namespace qs
