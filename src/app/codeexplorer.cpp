#include "app/codeexplorer.h"

#include <algorithm>

#include "syntax/qsparser.h"
#include "textmodel/qsstring.h"

namespace qs {

String NodeCaption(const TExplorerNode& node) {
  switch (node.kind) {
    case TExplorerKind::PhpClass:
      return U"class " + node.name;
    case TExplorerKind::PhpFunction:
    case TExplorerKind::PhpMethod:
    case TExplorerKind::JsFunction:
      return node.name + U"()";
    case TExplorerKind::HtmlId:
      return U"#" + node.name;
    case TExplorerKind::CssSelector:
      break;
  }
  return node.name;
}

TCodeExplorer::TCodeExplorer(TCustomMemoSource& source) : m_source(source) {
  m_link = source.Listen(
      [this](TCustomMemoSource& s, std::int32_t, std::int32_t) { SourceChanged(s); }, this, false);
}

TCodeExplorer::~TCodeExplorer() = default;

void TCodeExplorer::SourceChanged(TCustomMemoSource& source) {
  const bool edited = !source.LineChanges().Entries().empty() || !source.LineChanges().Complete();
  const bool reparse = source.Changes().Has(msParserChanged);
  if (!edited && !reparse) return;
  if (reparse || !m_changed.Follow(source.LineChanges(), source.LineCount())) MarkAllChanged();
  const bool wasStale = m_stale;
  m_stale = true;
  if (!wasStale && OnStale) OnStale();
}

void TCodeExplorer::MarkAllChanged() {
  m_whole = true;
  m_changed.Clear();
}

void TCodeExplorer::Update() {
  auto* parser = dynamic_cast<TSyntaxParser*>(m_source.SyntaxParser());
  const void* scheme = parser ? &parser->SyntaxScheme() : nullptr;
  if (parser != m_parser || scheme != m_scheme) MarkAllChanged();
  m_parser = parser;
  m_scheme = scheme;
  m_stale = false;
  std::vector<std::int32_t> starts, ends;
  if (m_whole || parser == nullptr) {
    m_lines.assign(parser ? static_cast<std::size_t>(m_source.LineCount()) : 0, {});
    m_languages = parser ? std::make_unique<TBlockLanguages>(parser->SyntaxScheme()) : nullptr;
    starts.push_back(0);
    ends.push_back(static_cast<std::int32_t>(m_lines.size()));
  } else {
    for (const TLineHunk& hunk : m_changed.Hunks()) {
      // Lines edited in place keep their old findings to compare with.
      if (hunk.oldCount != hunk.newCount) ReplaceLines(hunk);
      starts.push_back(hunk.start);
      ends.push_back(hunk.start + hunk.newCount);
    }
  }
  m_treeChanged = m_treeChanged || m_whole;
  m_whole = false;
  m_changed.Clear();
  if (parser != nullptr) Rescan(*parser, std::move(starts), std::move(ends));
  // Most keystrokes change no declaration: the tree stays as it is.
  if (m_treeChanged) BuildTree();
  m_treeChanged = false;
}

void TCodeExplorer::ReplaceLines(const TLineHunk& hunk) {
  // What the replaced lines passed on, so that the reading can stop after
  // them as soon as the new lines pass on the same.
  const TStructureCarry passedOn = CarryInto(hunk.start + hunk.oldCount);
  const auto at = m_lines.begin() + hunk.start;
  m_lines.erase(at, at + hunk.oldCount);
  m_lines.insert(m_lines.begin() + hunk.start, static_cast<std::size_t>(hunk.newCount), {});
  if (hunk.newCount > 0)
    m_lines[static_cast<std::size_t>(hunk.start + hunk.newCount - 1)].out = passedOn;
  m_treeChanged = true;  // the lines below moved
}

void TCodeExplorer::Rescan(TSyntaxParser& parser, std::vector<std::int32_t> dirtyStarts,
                           std::vector<std::int32_t> dirtyEnds) {
  const auto count = static_cast<std::int32_t>(m_lines.size());
  std::int32_t line = 0;
  for (std::size_t hunk = 0; hunk < dirtyStarts.size(); ++hunk) {
    line = std::max(line, dirtyStarts[hunk]);
    bool carryChanged = true;
    // A line is read when it changed or what reached it did.
    while (line < count && (line < dirtyEnds[hunk] || carryChanged)) {
      TLineStructure fresh =
          ScanLineStructure(parser, *m_languages, m_source.StoredLine(line), CarryInto(line));
      TLineStructure& old = m_lines[static_cast<std::size_t>(line)];
      carryChanged = line + 1 < dirtyEnds[hunk] || !(fresh.out == old.out);
      m_treeChanged =
          m_treeChanged || fresh.braceDelta != old.braceDelta || !(fresh.items == old.items);
      old = std::move(fresh);
      ++m_scannedLines;
      ++line;
    }
  }
}

TStructureCarry TCodeExplorer::CarryInto(std::int32_t line) const {
  if (line > 0) return m_lines[static_cast<std::size_t>(line - 1)].out;
  TStructureCarry first;
  first.state = m_source.DefaultStartState();
  return first;
}

void TCodeExplorer::BuildTree() {
  m_nodes.clear();
  struct OpenClass {
    std::size_t index;
    int depth;
    bool entered = false;
  };
  std::vector<OpenClass> classes;
  int depth = 0;
  for (std::size_t line = 0; line < m_lines.size(); ++line) {
    for (const TExplorerItem& item : m_lines[line].items) {
      TExplorerNode node{item.kind, item.name, static_cast<std::int32_t>(line), item.column, {}};
      const bool php =
          item.kind == TExplorerKind::PhpClass || item.kind == TExplorerKind::PhpFunction;
      const int at = depth + item.depth;
      if (php)
        while (!classes.empty() && classes.back().depth >= at) classes.pop_back();
      if (item.kind == TExplorerKind::PhpFunction && !classes.empty()) {
        node.kind = TExplorerKind::PhpMethod;
        m_nodes[classes.back().index].children.push_back(std::move(node));
        continue;
      }
      m_nodes.push_back(std::move(node));
      if (item.kind == TExplorerKind::PhpClass) classes.push_back({m_nodes.size() - 1, at});
    }
    depth += m_lines[line].braceDelta;
    // A class is closed once its body was entered and left again, whether
    // its "{" stood on its own line or not.
    for (OpenClass& open : classes) open.entered = open.entered || depth > open.depth;
    while (!classes.empty() && classes.back().entered && depth <= classes.back().depth)
      classes.pop_back();
  }
}

}  // namespace qs
