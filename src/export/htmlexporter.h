// Writes HTML as the calls arrive: tags of the old presentational kind
// (font, B, I, ...) that every browser and word processor reads, a page in
// UTF-8 with its encoding declared.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "export/exporter.h"

namespace qs {

// The HTML font size (1..7) of a size in points; a size of 0 or below is
// no size at all and gives the browser's normal size, 3.
int HtmlFontSize(std::int32_t points) noexcept;
// "#RRGGBB" in upper-case hexadecimal digits.
std::string HtmlColor(TColor color);
// Text for an attribute value or an element's content: &, <, > and " as
// entities, code points that are no characters as U+FFFD, all in UTF-8.
void AppendHtmlEscaped(std::string& out, StringView text);

class TQSHTMLExporter : public TQSExporter {
 public:
  using TQSExporter::TQSExporter;
  static std::unique_ptr<TQSExporter> Create(TOutputStream& stream);

  // The name of the last tag the block writer wrote.
  std::string_view LastBlockTag() const noexcept { return m_lastBlockTag; }

  using TQSExporter::ConvertString;
  void ConvertString(StringView text, std::string& out) override;
  void BeginParagraph(TParagraphAlignment alignment) override;
  void EndParagraph() override { Close("P"); }
  void BeginKeepParagraph() override { BeginParagraph(paLeft); }
  void EndKeepParagraph() override { EndParagraph(); }
  void LineBreak() override;
  void BeginFontName(StringView name) override;
  void BeginFont(StringView name, std::uint8_t) override { BeginFontName(name); }
  void EndFont() override { Close("font"); }
  void BeginBig() override { Open("BIG"); }
  void EndBig() override { Close("BIG"); }
  void BeginSmall() override { Open("SMALL"); }
  void EndSmall() override { Close("SMALL"); }
  void BeginFontSize(std::int32_t points) override;
  void EndFontSize() override { Close("font"); }
  void BeginItalic() override { Open("I"); }
  void EndItalic() override { Close("I"); }
  void BeginBold() override { Open("B"); }
  void EndBold() override { Close("B"); }
  void BeginUnderline() override { Open("U"); }
  void EndUnderline() override { Close("U"); }
  void BeginStrikeOut() override { Open("S"); }
  void EndStrikeOut() override { Close("S"); }
  void BeginNumberedList() override { Block("ol", {}); }
  void EndNumberedList() override { Close("ol"); }
  void BeginBulletList() override { Block("ul", {}); }
  void EndBulletList() override { Close("ul"); }
  void BeginBulletItem() override { Block("li", {}); }
  void EndBulletItem() override { Close("li"); }
  void BeginNumberedItem() override { Block("li", {}); }
  void EndNumberedItem() override { Close("li"); }
  void BeginIndent() override { Open("blockquote"); }
  void EndIndent() override { Close("blockquote"); }
  void BeginSubscript() override { Open("sub"); }
  void EndSubscript() override { Close("sub"); }
  void BeginSuperscript() override { Open("sup"); }
  void EndSuperscript() override { Close("sup"); }
  void BeginFontColor(TColor color) override;
  void EndFontColor() override { Close("font"); }
  void BeginPageColor(TColor color) override;
  void EndPageColor() override {}
  void BeginBackColor(TColor) override {}
  void EndBackColor() override {}
  void BeginLink(StringView target, TLinkKind kind) override;
  void EndLink() override { Close("A"); }
  void BeginTable(const TTableParams& params) override;
  void EndTable() override { Close("TABLE"); }
  void BeginRow() override { Block("TR", {}); }
  void EndRow() override { Close("TR"); }
  void BeginCell(std::int32_t width) override;
  void EndCell() override { Close("TD"); }
  void BeginDocument(StringView title) override;
  void EndDocument() override;
  void BeginPage(StringView topic) override { BeginDocument(topic); }
  void EndPage() override { EndDocument(); }
  void WriteSpaces(std::int32_t count) override;
  void InsertImage(StringView fileName, std::int32_t width, std::int32_t height) override;
  bool KeepsTabs() const override { return false; }
  void InsertRule() override { WriteString("<HR>"); }
  void InsertExecLink(StringView text, StringView target) override;

 private:
  // Values are views: a value made for the call lives until the call ends.
  using Attributes = std::initializer_list<std::pair<std::string_view, std::string_view>>;
  void Open(std::string_view tag);
  void Close(std::string_view tag);
  // A tag with its attributes (empty values left out), on a line of its own
  // when the tag before it from this writer had another name.
  void Block(std::string_view tag, Attributes attributes);
  // The body opens with the first content, or with the page colour when that
  // comes first; it is opened once and closed by EndDocument.
  void EnsureBody();

  std::string_view m_lastBlockTag;  // always a literal
  std::string m_buffer;
  String m_faceName;         // the face BeginFontName met last
  std::string m_faceValue;   // and its attribute value
  TColor m_colorOf = 0;      // the colour BeginFontColor met last
  std::string m_colorValue;  // and its attribute value
  bool m_inDocument = false;
  bool m_bodyOpen = false;
};

}  // namespace qs
