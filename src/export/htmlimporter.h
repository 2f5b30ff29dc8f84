// The HTML reader: THTMLImporter turns a page into runs as a browser would
// show its text (blanks collapse, blocks start lines), keeping the
// presentational formatting (B, I, U, S, A, FONT, BIG, SMALL); what a page
// holds besides its text (head, scripts, style sheets) is left out.
#pragma once

#include <memory>
#include <string>

#include "export/htmlparser.h"
#include "export/importer.h"
#include "export/internalimporter.h"

namespace qs {

class THTMLImporter {
 public:
  THTMLImporter(TQSImporter& owner, std::string_view input);
  void Run();

  TColor LinkColor = clBlue;
  TInternalImporter IntImporter;
  TIntHTMLParser& Parser() noexcept { return *m_parser; }

 private:
  struct TTagToken {
    std::string name;  // lower case, without "<" and "/"
    bool closing = false;
  };
  [[nodiscard]] TTagToken ReadTagToken() const;
  void HandleTag();
  void HandleText(std::string_view bytes);
  void FlushText();
  void HandleBlank();
  // Reads name="value" pairs up to the tag's ">"; each goes to onAttribute.
  template <typename OnAttribute>
  void ReadAttributes(OnAttribute onAttribute);
  void SkipRestOfTag();
  void SkipHead();
  void OpenFormatting(std::int32_t key);
  void ReadFontAttributes();
  void SetSizeLevel(int level);
  // A block's edge: the next text starts a line.
  void EndBlockLine();
  // The line break of a block's edge, and with the second the space of
  // blanks, before content.
  void EmitPendingBreak();
  void EmitPendingSpace();

  std::string m_text;  // the page in UTF-8 and the NUL the tokenizer stops at
  std::unique_ptr<TIntHTMLParser> m_parser;
  std::string m_collapsed;
  String m_decoded;
  std::int32_t m_preDepth = 0;
  bool m_pendingSpace = false;
  bool m_pendingBreak = false;
  bool m_rowHasCell = false;
};

class TQSHTMLImporter : public TQSImporter {
 public:
  [[nodiscard]] bool CanImport(std::string_view) const override { return true; }
  void Import(std::string_view input) override;
};

}  // namespace qs
