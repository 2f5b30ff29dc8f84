#include "export/rtfexporter.h"

#include <algorithm>
#include <array>

namespace qs {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::array<const char*, 4> kAlignmentWords = {"ql", "qc", "qr", "qj"};
constexpr std::int32_t kSizeStep = 6;
// \fs counts half-points; readers stop at 1638 points.
constexpr std::int32_t kMaxHalfPoints = 3276;

}  // namespace

std::unique_ptr<TQSExporter> TQSRTFExporter::Create(TOutputStream& stream) {
  return std::make_unique<TQSRTFExporter>(stream);
}

void TQSRTFExporter::ConvertString(StringView text, std::string& out) {
  out.clear();
  AppendRtfText(out, text);
}

std::string TQSRTFExporter::Converted(StringView text) {
  std::string out;
  AppendRtfText(out, text);
  return out;
}

void TQSRTFExporter::BeginGroup(std::string_view word) {
  m_buffer.assign("{");
  if (!word.empty()) m_buffer.append("\\").append(word) += ' ';
  m_list.AddToken(m_buffer);
  m_list.AddToken(kLineEnd);
}

void TQSRTFExporter::EndGroup(std::string_view word) {
  if (word.empty()) {
    m_list.AddToken("}");
    return;
  }
  m_buffer.assign("\\").append(word) += '}';
  m_list.AddToken(m_buffer);
}

void TQSRTFExporter::Line(std::string_view text) {
  m_buffer.assign("{\\").append(text) += '}';
  m_list.AddToken(m_buffer);
  m_list.AddToken(kLineEnd);
}

void TQSRTFExporter::BeginParagraph(TParagraphAlignment alignment) {
  const auto index = std::min<std::size_t>(static_cast<std::size_t>(alignment), 3);
  BeginGroup(std::string("par \\") + kAlignmentWords[index]);
}

void TQSRTFExporter::EndKeepParagraph() {
  Line("keepn\\par");
  EndGroup("");
}

void TQSRTFExporter::LineBreak() {
  BeginGroup("line");
  EndGroup("");
}

void TQSRTFExporter::BeginFont(StringView name, std::uint8_t charset) {
  m_buffer.assign("{\\f").append(std::to_string(m_list.Fonts().IndexOf(name, charset))) += ' ';
  m_list.AddToken(m_buffer);
}

void TQSRTFExporter::BeginBig() {
  m_relativeSize += kSizeStep;
  BeginGroup("fs" + std::to_string(std::clamp(m_relativeSize, 1, kMaxHalfPoints)));
}

void TQSRTFExporter::EndBig() {
  m_relativeSize -= kSizeStep;
  EndGroup("");
}

void TQSRTFExporter::BeginSmall() {
  m_relativeSize -= kSizeStep;
  BeginGroup("fs" + std::to_string(std::clamp(m_relativeSize, 1, kMaxHalfPoints)));
}

void TQSRTFExporter::EndSmall() {
  m_relativeSize += kSizeStep;
  EndGroup("");
}

void TQSRTFExporter::BeginFontSize(std::int32_t points) {
  const std::int32_t halfPoints = std::clamp(points, 1, kMaxHalfPoints / 2) * 2;
  BeginGroup("fs" + std::to_string(halfPoints));
}

void TQSRTFExporter::BeginNumberedList() {
  BeginGroup("");
  Line("par");
  Line("pntext");
  Line("pn\\pnlvlbody\\pnstart1{\\pntxta .}");
}

void TQSRTFExporter::BeginBulletList() {
  BeginGroup("");
  Line("par");
  Line("pntext");
  Line("pn\\pnlvlblt");
}

void TQSRTFExporter::BeginBulletItem() {
  BeginGroup("");
  Line("pntext");
  Line("pntxtb\\'b7");
}

void TQSRTFExporter::BeginNumberedItem() {
  BeginGroup("");
  Line("pntext");
  Line("pntxtb\\pndec");
}

void TQSRTFExporter::BeginFontColor(TColor color) {
  m_buffer.assign("{\\cf").append(std::to_string(m_list.Colors().IndexOf(color))) += ' ';
  m_list.AddToken(m_buffer);
}

// Readers differ in which word they take for a character's background, so
// both name the same colour.
void TQSRTFExporter::BeginBackColor(TColor color) {
  const std::string index = std::to_string(m_list.Colors().IndexOf(color));
  m_buffer.assign("{\\highlight").append(index).append("\\cb").append(index) += ' ';
  m_list.AddToken(m_buffer);
}

void TQSRTFExporter::BeginLink(StringView target, TLinkKind kind) {
  BeginGroup(kind == lkPopup ? "ul" : "uldb");
  m_linkKind = kind;
  m_linkTarget = Converted(target);
}

// Only a jump names its window; any other kind value names none.
void TQSRTFExporter::EndLink() {
  std::string text = "v " + m_linkTarget;
  if (m_linkKind == lkJump) text += ">main";
  if (m_linkKind == lkSecondWindow) text += ">second";
  Line(text);
  EndGroup("");
}

void TQSRTFExporter::EndTable() {
  const bool inTable = m_list.TopTable() != nullptr;
  m_list.PopTable();
  if (inTable) EndGroup("");
}

void TQSRTFExporter::BeginRow() {
  if (TWriterTableObject* table = m_list.TopTable())
    table->BeginRow();
  else
    BeginGroup("\\trowd\\");
}

void TQSRTFExporter::EndRow() {
  if (m_list.TopTable() == nullptr) EndGroup("\\trowd\\");
}

void TQSRTFExporter::BeginCell(std::int32_t width) {
  if (TWriterTableObject* table = m_list.TopTable())
    table->BeginCell(width);
  else
    BeginGroup("cell");
}

// Characters from U+0080 are written as \u with an ASCII fallback, so the
// code page named here only tells old readers what the fallback is.
void TQSRTFExporter::BeginDocument(StringView) {
  m_list.AddHeader("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1 ");
  m_list.AddToken(kLineEnd);
  std::string plain = "plain";
  if (ParagraphSpaceBefore > 0) plain += "\\sb" + std::to_string(ParagraphSpaceBefore);
  if (ParagraphSpaceAfter > 0) plain += "\\sa" + std::to_string(ParagraphSpaceAfter);
  BeginGroup(plain);
}

void TQSRTFExporter::EndDocument() {
  EndGroup("");
  EndGroup("");
  m_list.WriteToStream(Stream());
}

void TQSRTFExporter::BeginPage(StringView topic) {
  BeginGroup("");
  m_list.AddPage(topic);
}

void TQSRTFExporter::WriteSpaces(std::int32_t count) {
  if (count > 0) WriteString(std::string(static_cast<std::size_t>(count), ' '));
}

void TQSRTFExporter::InsertImage(StringView fileName, std::int32_t, std::int32_t) {
  WriteString(" \\{bmc " + Converted(fileName) + "\\}");
}

void TQSRTFExporter::InsertRule() {
  WriteString("\\par\\pard\\brdrt\\brdrs{\\f0\\fs2\\cf0  }\\par\\pard ");
}

void TQSRTFExporter::InsertExecLink(StringView text, StringView target) {
  WriteString("{\\uldb " + Converted(text) + "}{\\v *!ExecFile('" + Converted(target) + "')}");
}

}  // namespace qs
