// The code explorer's model: the document's structure as a tree (PHP classes
// with their methods, functions, JavaScript functions, CSS selectors, HTML
// elements with an id), read from the document's highlighter. Each line's
// findings are kept, and an update reads again only the lines an edit
// changed, and the lines after them while what a line passes on changes.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "app/structurescan.h"
#include "textmodel/changedlines.h"
#include "textmodel/listeners.h"

namespace qs {

class TCustomMemoSource;
class TSyntaxParser;

struct TExplorerNode {
  TExplorerKind kind = TExplorerKind::PhpFunction;
  String name;
  std::int32_t line = 0;  // 0-based
  std::int32_t column = 0;
  std::vector<TExplorerNode> children;
};

// "class Foo", "foo()", "#main" and the like: how a node is shown.
String NodeCaption(const TExplorerNode& node);

class TCodeExplorer {
 public:
  explicit TCodeExplorer(TCustomMemoSource& source);
  ~TCodeExplorer();
  TCodeExplorer(const TCodeExplorer&) = delete;
  TCodeExplorer& operator=(const TCodeExplorer&) = delete;

  // Brings the tree up to date with the document.
  void Update();
  // The document changed since the last Update.
  bool Stale() const noexcept { return m_stale; }
  const std::vector<TExplorerNode>& Nodes() const noexcept { return m_nodes; }
  // Lines read by the updates so far, which is what an update costs.
  std::int64_t ScannedLines() const noexcept { return m_scannedLines; }

  // The document changed: the panel plans an Update.
  std::function<void()> OnStale;

 private:
  void SourceChanged(TCustomMemoSource& source);
  void MarkAllChanged();
  // Lines inserted or removed: the hunk's old entries make way for new ones.
  void ReplaceLines(const TLineHunk& hunk);
  // Reads again the lines of the hunks, and further while carries differ.
  void Rescan(TSyntaxParser& parser, std::vector<std::int32_t> dirtyStarts,
              std::vector<std::int32_t> dirtyEnds);
  // What reaches line from the one above it (as last read).
  TStructureCarry CarryInto(std::int32_t line) const;
  void BuildTree();

  TCustomMemoSource& m_source;
  TListenerLink m_link;
  const TSyntaxParser* m_parser = nullptr;
  const void* m_scheme = nullptr;
  std::unique_ptr<TBlockLanguages> m_languages;
  std::vector<TLineStructure> m_lines;
  TChangedLines m_changed;
  bool m_whole = true;
  bool m_treeChanged = true;
  bool m_stale = true;
  std::int64_t m_scannedLines = 0;
  std::vector<TExplorerNode> m_nodes;
};

}  // namespace qs
