// The RTF reader: TRTFConverter reads the tables a document declares (fonts,
// colours, code page) and skips the groups that hold no text; TRtfImporter
// turns the rest into runs; TQSRtfImporter is the importer the editor asks.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "export/importer.h"
#include "export/internalimporter.h"
#include "export/rtfparser.h"
#include "support/encoding.h"

namespace qs {

struct TRtfFont {
  String Name;
  std::int32_t Charset = kDefaultCharset;
};

class TRTFConverter {
 public:
  explicit TRTFConverter(std::string_view input);
  virtual ~TRTFConverter() = default;
  TRTFConverter(const TRTFConverter&) = delete;
  TRTFConverter& operator=(const TRTFConverter&) = delete;

  // Colours by index; kImportNoColor is the automatic one.
  std::vector<TColor> ColorTable;
  // Faces by their number (numbers may be sparse).
  std::map<std::int32_t, TRtfFont> FontTable;
  std::int32_t DefaultFontIndex = 0;
  Encoding CodePage = Encoding::Windows1252;

  TQSRtfParser& Parser() noexcept { return *m_parser; }

 protected:
  // Read right after the "{" that opens them.
  void ReadFontTable();
  void ReadColorTable();
  void SkipGroup();
  // The control word just read in its lower case, "\" included.
  [[nodiscard]] std::string LowerWord() const;
  void SetCodePage(std::int32_t number);
  // The character of a byte of text in the code page of charset.
  [[nodiscard]] Char ByteChar(unsigned char byte, std::int32_t charset) const;

 private:
  void CommitFont(std::string& face, std::int32_t& index, std::int32_t& charset);

  std::string m_text;  // the input and the NUL the tokenizer stops at
  std::unique_ptr<TQSRtfParser> m_parser;
};

class TRtfImporter : public TRTFConverter {
 public:
  TRtfImporter(TQSImporter& owner, std::string_view input);
  void Run();

  TInternalImporter IntImporter;

 private:
  void HandleText(std::string_view bytes);
  void HandleHexChar();
  void HandleGroupStart();
  void HandleWord();
  void HandleUnicode();
  void HandleControlSymbol();
  void AppendChar(Char c);
  void Flush();
  void UseDefaultFont();
  // Uses up one fallback unit of a \u if one is pending.
  bool SkipFallback();

  String m_pending;  // text of the current look not yet emitted
  std::int32_t m_fallbackLeft = 0;
  Char m_highSurrogate = 0;
  bool m_afterWord = false;
};

class TQSRtfImporter : public TQSImporter {
 public:
  [[nodiscard]] bool CanImport(std::string_view input) const override;
  void Import(std::string_view input) override;
};

}  // namespace qs
