// The highlighter of rich attribute mode: it scans nothing, since each
// character's style byte is content (an index into its table of attribute
// sets), and it answers the painter's question of what each index looks
// like.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "editor/memoattributes.h"
#include "support/errors.h"
#include "textmodel/attributesource.h"
#include "textmodel/lineparser.h"

namespace qs {

class TCustomMemoSource;

// No index is left for one more format: the caller decides what becomes of
// the text that wanted it, and says so.
class AttributeTableFull : public Error {
 public:
  AttributeTableFull();
};

class TAttributeParser final : public TSimpleParser, public IAttributeSource {
 public:
  // What the table takes from its control, asked each time, so entry 0
  // follows the control's font and colour as they change.
  struct THost {
    std::function<TAttributeSet()> controlAttributes;
    // The control's text style "Url", when its style list has one.
    std::function<std::optional<TAttributeSet>()> urlAttributes;
    // The text whose characters use the indexes (nullptr: none).
    std::function<const TCustomMemoSource*()> source;
  };

  static constexpr int kMaxEntries = 256;
  static constexpr int kUrlIndex = 17;

  explicit TAttributeParser(THost host);

  std::string_view ClassName() const override { return "TAttributeParser"; }
  const IAttributeSource* AttributeSource() const noexcept override { return this; }
  bool KeepsStyleBytes() const override { return true; }
  void PrepareStyleBytes(std::int32_t line, StringView text, std::string& styleBytes) override;
  std::int32_t ParseLine(StringView text, std::int32_t startState, bool reset,
                         std::string& styleBytes) override;
  TAttributeLook AttributeLook(std::int32_t id) const override;

  // Entries in the table, entry 0 included.
  [[nodiscard]] int Count() const noexcept { return static_cast<int>(m_entries.size()); }
  // The set of an index: entry 0 is the control's font and colour; an index
  // outside the table is the control's too, except the URL index, which is
  // the "Url" style's.
  [[nodiscard]] TAttributeSet Attributes(int index) const;
  // The index of an equal set, else a new entry (a reused free one when the
  // table is full and nothing to undo could still name a freed index).
  // Never the URL index. Throws AttributeTableFull when no index is left.
  int FindOrAddAttributes(const TAttributeSet& set);
  // Frees every entry but 0; the text's bytes are left to the caller.
  void ClearAttributes();

  // The entries, for putting them back after a failed operation.
  [[nodiscard]] std::vector<TAttributeSet> Entries() const { return m_entries; }
  void RestoreEntries(std::vector<TAttributeSet> entries);

 private:
  struct ByKey {
    bool operator()(const TAttributeSet& a, const TAttributeSet& b) const {
      return a.Key() < b.Key();
    }
  };
  TAttributeSet UrlAttributes() const;
  int Append(const TAttributeSet& set);
  std::optional<int> TakeFreeIndex();
  void RebuildCache();

  THost m_host;
  // Entry 0 is a place holder: its set is always the control's.
  std::vector<TAttributeSet> m_entries;
  std::map<TAttributeSet, int, ByKey> m_cache;
  std::vector<int> m_free;  // lowest last
};

}  // namespace qs
