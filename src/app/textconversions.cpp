#include "app/textconversions.h"

#include <string_view>

#include "support/asciicase.h"
#include "support/codepages.h"

namespace qs {

Char DosToWinChar(Char c) {
  return Reinterpret(c, Encoding::Windows1251, Encoding::Cp866);
}

Char WinToDosChar(Char c) {
  return Reinterpret(c, Encoding::Cp866, Encoding::Windows1251);
}

Char KoiToWinChar(Char c) {
  return Reinterpret(c, Encoding::Windows1251, Encoding::Koi8R);
}

String EscapeHtml(StringView text) {
  String out;
  out.reserve(text.size());
  for (Char c : text) {
    switch (c) {
      case U'&':
        out += U"&amp;";
        break;
      case U'<':
        out += U"&lt;";
        break;
      case U'>':
        out += U"&gt;";
        break;
      case U'"':
        out += U"&quot;";
        break;
      case U'\'':
        out += U"&#39;";
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}

String TextToHtmlPage(const std::vector<String>& lines, Encoding encoding) {
  String charset;
  for (char c : EncodingName(encoding)) charset.push_back(static_cast<Char>(AsciiLower(c)));
  String page = U"<HTML>\n<HEAD>\n<META http-equiv=Content-Type content=\"text/html; charset=" +
                charset + U"\">\n</HEAD>\n<BODY>\n<PRE>\n";
  for (const String& line : lines) page += EscapeHtml(line) + U"\n";
  page += U"\n</PRE>\n</BODY>\n</HTML>";
  return page;
}

}  // namespace qs
