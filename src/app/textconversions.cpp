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

namespace {

// The character reference that stands for c in a page; empty for c itself.
StringView HtmlReference(Char c) {
  switch (c) {
    case U'&':
      return U"&amp;";
    case U'<':
      return U"&lt;";
    case U'>':
      return U"&gt;";
    case U'"':
      return U"&quot;";
    case U'\'':
      return U"&#39;";
    default:
      return {};
  }
}

}  // namespace

String EscapeHtml(StringView text) {
  String out;
  out.reserve(text.size());
  for (Char c : text) {
    const StringView reference = HtmlReference(c);
    if (reference.empty())
      out.push_back(c);
    else
      out += reference;
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
