// A syntax scheme: the declarative description of one file type's language
// (a tree of syntax blocks with their token rules), its display attributes and
// code templates, stored in .sch files and run by TSyntaxParser.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "support/persistent.h"
#include "syntax/attritem.h"
#include "syntax/styleresolver.h"
#include "syntax/syntaxblock.h"
#include "textmodel/codetemplates.h"

namespace qs {

class TCompiledScheme;
class TSyntaxParser;

// The version a rebuilt scheme carries; below 2 the scheme is normalised first.
inline constexpr std::int32_t kSyntaxVersion = 3;

// The largest scheme file read: over a hundred times the largest shipped one,
// and small enough that what is built from it stays well inside memory.
inline constexpr std::uintmax_t kMaxSchemeFileBytes = 4 * 1024 * 1024;

class TSyntaxScheme : public TPersistent {
 public:
  TSyntaxScheme();
  ~TSyntaxScheme() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  // Copies name, extensions, blocks, font table, templates and version, then
  // rebuilds (through the owning highlighter when there is one).
  void Assign(const TPersistent& source) override;
  // Empty name, version 1, no blocks, attributes or templates.
  void Clear();

  // Throws qs::Error "Can't read syntax scheme from file "<path>"." and keeps
  // the scheme as it was when the file cannot be read or parsed, or is larger
  // than kMaxSchemeFileBytes.
  void LoadFromFile(const std::string& path);
  // Writes through a temporary file renamed over the target, so a failed save
  // leaves the old file; the error names the file.
  void SaveToFile(const std::string& path) const;
  std::string SaveToText() const;

  const String& Name() const noexcept { return m_name; }
  void SetName(const String& s) { m_name = s; }
  const String& Extensions() const noexcept { return m_extensions; }
  void SetExtensions(const String& s) { m_extensions = s; }
  TSyntaxBlockList& SyntaxBlocks() noexcept { return m_blocks; }
  const TSyntaxBlockList& SyntaxBlocks() const noexcept { return m_blocks; }
  TFontList& FontTable() noexcept { return m_fontTable; }
  const TFontList& FontTable() const noexcept { return m_fontTable; }
  TMemoCodeTemplates& CodeTemplates() noexcept { return m_templates; }
  const TMemoCodeTemplates& CodeTemplates() const noexcept { return m_templates; }
  std::int32_t SyntaxVersion() const noexcept { return m_version; }
  void SetSyntaxVersion(std::int32_t v) { m_version = v; }

  TSyntaxBlock* FindBlock(std::int32_t id);
  const TSyntaxBlock* FindBlock(std::int32_t id) const;
  // The block index of the first block with that ID, or -1.
  int IndexOfBlock(std::int32_t id) const;
  TAttrItem* FindAttr(std::int32_t fontId) { return m_fontTable.FindAttr(fontId); }
  // The lowest ID in 0..254 no block uses; -1 when every one is taken.
  std::int32_t NewBlockID() const;
  std::int32_t NewFontID() const { return m_fontTable.NewFontID(); }

  // Old schemes get block IDs, parents and attribute owners; a scheme without
  // blocks gets a root block. Afterwards the version is current.
  void Normalise();
  // Normalise and compile; what a scheme without a highlighter does on change.
  void Compile();
  // The tables the highlighter runs (syntax/compiledscheme.h); one object
  // for the scheme's lifetime, so a scanner may keep a reference to it.
  const TCompiledScheme& Compiled() const noexcept;
  TCompiledScheme& Compiled() noexcept;

  // Fills the resolved fonts and the ID table. defAttr may be null (no
  // highlighter); resolver is consulted only with global styles on.
  void ResolveAttributes(const TDefAttrItem* defAttr, const IStyleResolver* resolver);
  bool UseGlobalStyles() const noexcept { return m_useGlobal; }
  void SetUseGlobalStyles(bool on) { m_useGlobal = on; }

  // Lookups by attribute ID; an empty entry or n < 0 gives the whitespace attribute.
  const TAttrItem& AttrOf(std::int32_t id) const;
  const TAttrFont& GetAttrFont(std::int32_t id) const { return AttrOf(id).ResolvedFont(); }
  TColor GetAttrBackColor(std::int32_t id) const { return AttrOf(id).ResolvedBack(); }
  const TAttrItem& WhitespaceAttr() const noexcept { return m_whitespace; }
  const TAttrItem& UrlAttr() const noexcept { return m_url; }

  TSyntaxParser* Owner() const noexcept { return m_owner; }
  void SetOwner(TSyntaxParser* owner) { m_owner = owner; }

 private:
  void Rebuild();

  String m_name;
  String m_extensions;
  TSyntaxBlockList m_blocks;
  TFontList m_fontTable;
  TMemoCodeTemplates m_templates;
  std::int32_t m_version = 1;
  TAttrItem m_whitespace;
  TAttrItem m_url;
  std::array<const TAttrItem*, 256> m_attrTable{};
  bool m_useGlobal = false;
  TSyntaxParser* m_owner = nullptr;
  std::unique_ptr<TCompiledScheme> m_compiled;
};

}  // namespace qs
