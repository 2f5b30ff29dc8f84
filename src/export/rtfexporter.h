// Writes Rich Text Format. Unlike HTML nothing reaches the stream before the
// document ends: the tokens are held in a TRTFWriterList while the fonts and
// colours they use are gathered, and EndDocument writes the tables and then
// the text.
#pragma once

#include "export/exporter.h"
#include "export/rtfwriterlist.h"

namespace qs {

class TQSRTFExporter : public TQSExporter {
 public:
  using TQSExporter::TQSExporter;
  static std::unique_ptr<TQSExporter> Create(TOutputStream& stream);

  std::int32_t RelativeSize() const noexcept { return m_relativeSize; }
  TRTFWriterList& WriterList() noexcept { return m_list; }

  // Text goes into the token list; EndDocument writes it out.
  void WriteString(std::string_view s) override { m_list.AddToken(s); }
  using TQSExporter::ConvertString;
  void ConvertString(StringView text, std::string& out) override;
  void BeginParagraph(TParagraphAlignment alignment) override;
  void EndParagraph() override { EndGroup("par\\pard"); }
  void BeginKeepParagraph() override { BeginGroup(""); }
  void EndKeepParagraph() override;
  void LineBreak() override;
  void BeginFontName(StringView name) override { BeginFont(name, 1); }
  void BeginFont(StringView name, std::uint8_t charset) override;
  void EndFont() override { EndGroup(""); }
  void BeginBig() override;
  void EndBig() override;
  void BeginSmall() override;
  void EndSmall() override;
  void BeginFontSize(std::int32_t points) override;
  void EndFontSize() override { EndGroup(""); }
  void BeginItalic() override { BeginGroup("i"); }
  void EndItalic() override { EndGroup(""); }
  void BeginBold() override { BeginGroup("b"); }
  void EndBold() override { EndGroup(""); }
  void BeginUnderline() override { BeginGroup("ul"); }
  void EndUnderline() override { EndGroup(""); }
  void BeginStrikeOut() override { BeginGroup("strike"); }
  void EndStrikeOut() override { EndGroup(""); }
  void BeginNumberedList() override;
  void EndNumberedList() override { EndGroup(""); }
  void BeginBulletList() override;
  void EndBulletList() override { EndGroup(""); }
  void BeginBulletItem() override;
  void EndBulletItem() override { EndGroup("par"); }
  void BeginNumberedItem() override;
  void EndNumberedItem() override { EndGroup("par"); }
  void BeginIndent() override { BeginGroup("pard\\li500"); }
  void EndIndent() override { EndGroup("par"); }
  void BeginSubscript() override { BeginGroup("sub"); }
  void EndSubscript() override { EndGroup(""); }
  void BeginSuperscript() override { BeginGroup("super"); }
  void EndSuperscript() override { EndGroup(""); }
  void BeginFontColor(TColor color) override;
  void EndFontColor() override { EndGroup(""); }
  void BeginPageColor(TColor) override {}
  void EndPageColor() override {}
  void BeginBackColor(TColor color) override;
  void EndBackColor() override { EndGroup(""); }
  void BeginLink(StringView target, TLinkKind kind) override;
  void EndLink() override;
  void BeginTable(const TTableParams& params) override { m_list.PushTable(params); }
  void EndTable() override;
  void BeginRow() override;
  void EndRow() override;
  void BeginCell(std::int32_t width) override;
  void EndCell() override {}
  void BeginDocument(StringView title) override;
  void EndDocument() override;
  void BeginPage(StringView topic) override;
  void EndPage() override { EndGroup(""); }
  void WriteSpaces(std::int32_t count) override;
  void InsertImage(StringView fileName, std::int32_t width, std::int32_t height) override;
  bool KeepsTabs() const override { return true; }
  void InsertRule() override;
  void InsertExecLink(StringView text, StringView target) override;

 private:
  // "{\word " and a line end; "{" and a line end for the empty word.
  void BeginGroup(std::string_view word);
  // "}" for the empty word, "\word}" otherwise.
  void EndGroup(std::string_view word);
  // "{\text}" and a line end.
  void Line(std::string_view text);
  std::string Converted(StringView text);

  TRTFWriterList m_list;
  std::int32_t m_relativeSize = 24;  // half-points
  TLinkKind m_linkKind = lkJump;
  std::string m_linkTarget;  // in RTF notation
  std::string m_buffer;
};

}  // namespace qs
