// The scheme highlighter: runs a syntax scheme over one line at a time for
// the documents that use it, and maps the style bytes it writes to fonts and
// backgrounds.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "syntax/qsSyntax.h"
#include "syntax/tokeninfo.h"
#include "textmodel/attributesource.h"
#include "textmodel/lineparser.h"

namespace qs {

class TLineScanner;
class TSyntaxParser;
using TGetTokenEvent = std::function<void(TSyntaxParser& sender, int tokenId, StringView tokenStr)>;

// One token of a line as ScanTokens reports it: its kind, the block it was
// read in (an index in SyntaxBlocks) and where it stands in the line.
struct TScannedToken {
  int tokenId = tkText;
  int block = 0;
  std::size_t start = 0;
  StringView text;
};
using TScannedTokenEvent = std::function<void(const TScannedToken& token)>;

class TSyntaxParser : public TSimpleParser, public IAttributeSource {
 public:
  TSyntaxParser();
  ~TSyntaxParser() override;

  std::string_view ClassName() const override { return "TSyntaxParser"; }
  // The style bytes name the scheme's attributes.
  const IAttributeSource* AttributeSource() const noexcept override { return this; }
  TAttributeLook AttributeLook(std::int32_t id) const override;

  TSyntaxScheme& SyntaxScheme() noexcept { return *m_scheme; }
  const TSyntaxScheme& SyntaxScheme() const noexcept { return *m_scheme; }
  // Copies the scheme in (after clearing ours) and rebuilds.
  void SetSyntaxScheme(const TSyntaxScheme& scheme);
  TDefAttrItem& DefaultAttr() noexcept { return m_defAttr; }
  bool UseGlobalOptions() const noexcept { return m_useGlobal; }
  void SetUseGlobalOptions(bool on);
  // Where the global text styles come from; the editor's options install it.
  void SetStyleResolver(const IStyleResolver* resolver);
  // The global text styles changed.
  void GlobalStylesChanged();

  // Compile the scheme, then resolve attributes and tell the documents.
  virtual void Rebuild();
  // Resolve attributes and tell the documents (deferred inside an update).
  virtual void ApplyAttributes();
  void BeginUpdate() { ++m_updateCount; }
  void EndUpdate();

  // ParseLine writes every byte: the bytes are only sized, not cleared.
  void PrepareStyleBytes(std::int32_t line, StringView text, std::string& styleBytes) override;
  std::int32_t ParseLine(StringView text, std::int32_t startState, bool reset,
                         std::string& styleBytes) override;
  // The token at the end of text[0..column] parsed from startState.
  TTokenInfo TokenAt(StringView text, std::int32_t startState, std::int64_t column, bool reset);
  // Every token of the line parsed from startState, in order: one pass that
  // answers TokenAt for each column.
  std::vector<TTokenRun> TokenRuns(StringView text, std::int32_t startState, bool reset);

  const TAttrFont& GetAttrFont(std::int32_t id) const { return m_scheme->GetAttrFont(id); }
  bool GetAttrBackColor(std::int32_t id, TColor& color) const;

  // Reads one line's tokens from startState without writing style bytes;
  // returns the state after the line, as ParseLine would.
  std::int32_t ScanTokens(StringView text, std::int32_t startState,
                          const TScannedTokenEvent& onToken);

  TGetTokenEvent OnGetToken;

  // Lines run through ParseLine since the last reset of the count.
  std::int64_t ParsedLineCount() const noexcept { return m_parsedLines; }
  void ResetParsedLineCount() noexcept { m_parsedLines = 0; }

 private:
  std::unique_ptr<TSyntaxScheme> m_scheme;
  TDefAttrItem m_defAttr;
  bool m_useGlobal = false;
  const IStyleResolver* m_resolver = nullptr;
  int m_updateCount = 0;
  bool m_applyPending = false;
  // Reached once per line, never per token: the scanner keeps its own
  // reference to the compiled tables.
  std::unique_ptr<TLineScanner> m_scanner;
  std::int64_t m_parsedLines = 0;
};

}  // namespace qs
