#include "export/rtfwriterlist.h"

#include <algorithm>

namespace qs {

namespace {

// Text is gathered in pieces of about this size, so that writing the list
// out never holds much more than the output itself.
constexpr std::size_t kPieceBytes = 1 << 20;

std::string Footnote(std::string_view mark, std::string_view text) {
  std::string out = "\\super";
  out.append(mark).append("{\\footnote {\\super").append(mark).append(" }");
  return out.append(text) += '}';
}

}  // namespace

void TRTFWriterList::AddToken(std::string_view token) {
  if (token.empty()) return;
  if (TWriterTableObject* table = TopTable()) {
    table->CaptureToken(token);
    return;
  }
  if (m_items.empty() || m_items.back().kind != Kind::Text ||
      m_items.back().text.size() >= kPieceBytes)
    m_items.push_back({Kind::Text, {}, {}, nullptr});
  m_items.back().text.append(token);
}

void TRTFWriterList::AddHeader(std::string_view token) {
  m_items.push_back({Kind::Header, std::string(token), {}, nullptr});
}

void TRTFWriterList::AddPage(StringView topic) {
  m_items.push_back({Kind::Page, {}, String(topic), nullptr});
}

void TRTFWriterList::PushTable(const TTableParams& params) {
  auto table = std::make_unique<TWriterTableObject>(params);
  m_tableStack.push_back(table.get());
  m_items.push_back({Kind::Table, {}, {}, std::move(table)});
}

void TRTFWriterList::PopTable() {
  if (!m_tableStack.empty()) m_tableStack.pop_back();
}

void TRTFWriterList::WriteToStream(TOutputStream& stream) {
  for (Item& item : m_items) {
    switch (item.kind) {
      case Kind::Text:
        stream.Write(item.text);
        break;
      case Kind::Header:
        stream.Write(item.text);
        m_fonts.SaveToStream(stream);
        m_colors.SaveToStream(stream);
        break;
      case Kind::Page:
        WritePage(stream, item.topic);
        break;
      case Kind::Table:
        item.table->SaveToStream(stream);
        break;
    }
    item.text = std::string();
  }
}

// Help-file pages: a page break, then the topic's context string, title
// (without digits) and browse sequence as footnotes.
void TRTFWriterList::WritePage(TOutputStream& stream, StringView rawTopic) const {
  String digitless(rawTopic);
  std::erase_if(digitless, [](Char c) { return c >= U'0' && c <= U'9'; });
  std::string topic, withoutDigits;
  AppendRtfText(topic, rawTopic);
  AppendRtfText(withoutDigits, digitless);
  std::string out = "{\\page}";
  out += Footnote(" #", topic);
  out += Footnote(" $", withoutDigits);
  out += Footnote(" A", topic);
  stream.Write(out);
}

}  // namespace qs
