// Rich attribute mode of one editor control: its attribute highlighter, the
// set through which the selection's format is read and changed, and the
// typing attribute that follows the caret.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "editor/attributeparser.h"
#include "editor/memoattributes.h"

namespace qs {

class TCustomQSMemo;
class TCustomMemoSource;

// The stored characters [first, last) of a line that fall in the columns
// [fromColumn, toColumn) of its expanded text.
struct TStoredSpan {
  std::size_t first = 0;
  std::size_t last = 0;
};
[[nodiscard]] TStoredSpan StoredSpan(const TCustomMemoSource& source, std::int32_t line,
                                     std::int64_t fromColumn, std::int64_t toColumn);

class TMemoRichMode final : public IAttributeTarget {
 public:
  explicit TMemoRichMode(TCustomQSMemo& memo);
  ~TMemoRichMode();
  TMemoRichMode(const TMemoRichMode&) = delete;
  TMemoRichMode& operator=(const TMemoRichMode&) = delete;

  // The attribute highlighter while it is the control's highlighter.
  [[nodiscard]] TAttributeParser* Parser() const noexcept;
  // No highlighter, or the attribute one: formatted text keeps its format.
  [[nodiscard]] bool Available() const noexcept;
  // Gives a control without a highlighter the attribute highlighter.
  void Enter();
  TMemoAttributes& SelectionAttributes();
  void ClearAttributes();
  // The set an index stands for (the control's own without the highlighter).
  [[nodiscard]] TAttributeSet AttributesOf(int index) const;

  // The formats of the selected characters, one string per selected line,
  // and writing them back over a selection of the same shape (a block that
  // was copied or moved), as far as each line of it reaches.
  [[nodiscard]] std::vector<std::string> SelectedFormats() const;
  void RestoreFormats(const std::vector<std::string>& formats);

  // After each notification of the source.
  void SourceChanged(TCustomMemoSource& source);

  void ApplySelectionAttributes(TMemoAttributes& attributes) override;
  [[nodiscard]] TAttributeMask SelectionConsistency() override;

 private:
  TAttributeSet ControlAttributes() const;
  std::optional<TAttributeSet> UrlAttributes() const;
  int FirstSelectedAttribute() const;
  // The selected stored spans, one for every selected line of the text.
  std::vector<std::pair<std::int32_t, TStoredSpan>> SelectedSpans() const;

  TCustomQSMemo& m_memo;
  std::unique_ptr<TAttributeParser> m_parser;
  TMemoAttributes m_selection{this};
  std::optional<TAttributeMask> m_consistency;  // until the selection or text changes
};

}  // namespace qs
