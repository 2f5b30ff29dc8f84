// The operations every formatted-text writer offers. An exporter is a pure
// writer: the editor control's export walk calls these in order (begin
// document, fonts, text, line breaks, ..., end document) and the exporter
// turns them into bytes on its stream; it never looks at the editor.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "export/outputstream.h"
#include "support/colors.h"
#include "support/qschar.h"

namespace qs {

enum class TParagraphAlignment : std::uint8_t { paLeft, paCenter, paRight, paJustify };
using enum TParagraphAlignment;

// Where a link leads: a jump, a popup, or a jump into the secondary window.
enum class TLinkKind : std::uint8_t { lkJump = 0, lkPopup = 1, lkSecondWindow = 2 };
using enum TLinkKind;

struct TTableParams {
  std::int32_t Width = 0;
  std::int32_t Border = 0;
  std::uint8_t Frame = 0;  // void, above, below, hsides, lhs, rhs, vsides, box, border
  std::uint8_t Rules = 0;  // none, groups, rows, cols, all
  std::int32_t CellSpacing = 0;
  std::int32_t CellPadding = 0;
};

inline constexpr std::uint8_t kFrameKinds = 9;
inline constexpr std::uint8_t kRuleKinds = 5;

class TQSExporter {
 public:
  explicit TQSExporter(TOutputStream& stream) : m_stream(stream) {}
  virtual ~TQSExporter() = default;
  TQSExporter(const TQSExporter&) = delete;
  TQSExporter& operator=(const TQSExporter&) = delete;

  std::int32_t ParagraphSpaceBefore = 0;  // twips
  std::int32_t ParagraphSpaceAfter = 0;   // twips
  TOutputStream& Stream() noexcept { return m_stream; }

  // Bytes as they are, already in the exporter's own notation.
  virtual void WriteString(std::string_view s);
  // The document's text in the exporter's notation: replaces out with it.
  virtual void ConvertString(StringView text, std::string& out) = 0;
  std::string ConvertString(StringView text) {
    std::string out;
    ConvertString(text, out);
    return out;
  }

  virtual void BeginParagraph(TParagraphAlignment alignment) = 0;
  virtual void EndParagraph() = 0;
  virtual void BeginKeepParagraph() = 0;
  virtual void EndKeepParagraph() = 0;
  virtual void LineBreak() = 0;
  virtual void BeginFontName(StringView name) = 0;
  virtual void BeginFont(StringView name, std::uint8_t charset) = 0;
  virtual void EndFont() = 0;
  virtual void BeginBig() = 0;
  virtual void EndBig() = 0;
  virtual void BeginSmall() = 0;
  virtual void EndSmall() = 0;
  virtual void BeginFontSize(std::int32_t points) = 0;
  virtual void EndFontSize() = 0;
  virtual void BeginItalic() = 0;
  virtual void EndItalic() = 0;
  virtual void BeginBold() = 0;
  virtual void EndBold() = 0;
  virtual void BeginUnderline() = 0;
  virtual void EndUnderline() = 0;
  virtual void BeginStrikeOut() = 0;
  virtual void EndStrikeOut() = 0;
  virtual void BeginNumberedList() = 0;
  virtual void EndNumberedList() = 0;
  virtual void BeginBulletList() = 0;
  virtual void EndBulletList() = 0;
  virtual void BeginBulletItem() = 0;
  virtual void EndBulletItem() = 0;
  virtual void BeginNumberedItem() = 0;
  virtual void EndNumberedItem() = 0;
  virtual void BeginIndent() = 0;
  virtual void EndIndent() = 0;
  virtual void BeginSubscript() = 0;
  virtual void EndSubscript() = 0;
  virtual void BeginSuperscript() = 0;
  virtual void EndSuperscript() = 0;
  virtual void BeginFontColor(TColor color) = 0;
  virtual void EndFontColor() = 0;
  virtual void BeginPageColor(TColor color) = 0;
  virtual void EndPageColor() = 0;
  virtual void BeginBackColor(TColor color) = 0;
  virtual void EndBackColor() = 0;
  virtual void BeginLink(StringView target, TLinkKind kind) = 0;
  virtual void EndLink() = 0;
  virtual void BeginTable(const TTableParams& params) = 0;
  virtual void EndTable() = 0;
  virtual void BeginRow() = 0;
  virtual void EndRow() = 0;
  virtual void BeginCell(std::int32_t width) = 0;  // 0: unspecified
  virtual void EndCell() = 0;
  virtual void BeginDocument(StringView title) = 0;
  virtual void EndDocument() = 0;
  virtual void BeginPage(StringView topic) = 0;
  virtual void EndPage() = 0;
  virtual void WriteSpaces(std::int32_t count) = 0;
  virtual void InsertImage(StringView fileName, std::int32_t width, std::int32_t height) = 0;
  // True: the walk hands over stored lines with their TABs; false: lines with
  // TABs expanded to the spaces that show them.
  virtual bool KeepsTabs() const = 0;
  virtual void InsertRule() = 0;
  virtual void InsertExecLink(StringView text, StringView target) = 0;

 private:
  TOutputStream& m_stream;
};

// What stands for an exporter's class: makes one on a stream.
using TExporterClass = std::unique_ptr<TQSExporter> (*)(TOutputStream& stream);

// A colour as the bytes red, green, blue (system colours resolved).
struct TRgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const TRgb&) const = default;
};
TRgb ResolveRgb(TColor color);

}  // namespace qs
