// The tokens of an RTF document, held until the document ends so that the
// font and colour tables, which fill while the text arrives, can be written
// before the text. What a token is (text, the document header, a page, a
// table) is its kind, never read from its characters.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "export/rtftables.h"

namespace qs {

class TRTFWriterList {
 public:
  // A token of text: to the table being filled, else to the list.
  void AddToken(std::string_view token);
  // The document's opening; the font and colour tables follow it.
  void AddHeader(std::string_view token);
  // A page break with the topic's footnotes.
  void AddPage(StringView topic);
  void PushTable(const TTableParams& params);
  void PopTable();
  // The table being filled, nullptr outside tables.
  TWriterTableObject* TopTable() noexcept {
    return m_tableStack.empty() ? nullptr : m_tableStack.back();
  }
  TWriterFontObject& Fonts() noexcept { return m_fonts; }
  TWriterColorObject& Colors() noexcept { return m_colors; }
  // Writes every token in order and lets go of each once written.
  void WriteToStream(TOutputStream& stream);

 private:
  enum class Kind { Text, Header, Page, Table };
  struct Item {
    Kind kind = Kind::Text;
    std::string text;  // Text and Header
    String topic;      // Page
    std::unique_ptr<TWriterTableObject> table;
  };
  void WritePage(TOutputStream& stream, StringView topic) const;

  std::vector<Item> m_items;
  std::vector<TWriterTableObject*> m_tableStack;  // owned by their items
  TWriterFontObject m_fonts;
  TWriterColorObject m_colors;
};

}  // namespace qs
