// The document seen as a list of strings: the whole of it (Lines), or the
// current selection. Both read expanded text; writes to Lines are edits.
#pragma once

#include "textmodel/tstrings.h"

namespace qs {

class TCustomMemoSource;

class TSourceStrings : public TStrings {
 public:
  explicit TSourceStrings(TCustomMemoSource& source) : m_source(source) {}
  TCustomMemoSource& Source() const { return m_source; }

 protected:
  TCustomMemoSource& m_source;
};

// The published Lines: tab-expanded lines; every write runs as a tracked
// update of its own and then discards the undo history.
class TExternalStrings : public TSourceStrings {
 public:
  using TSourceStrings::TSourceStrings;
  int Count() const override;
  String Get(int index) const override;
  void* GetObject(int index) const override;
  void Put(int index, StringView text) override;
  void PutObject(int index, void* obj) override;
  void Insert(int index, StringView text) override;
  void Delete(int index) override;
  void Clear() override;
  // The stored text (TABs as stored), joined with CR LF.
  String Text() const override;
  void SetText(StringView text) override;
  void Assign(const TStrings& other) override;
};

// The selection as read-only lines (none without a selection).
class TSelectionStrings : public TSourceStrings {
 public:
  using TSourceStrings::TSourceStrings;
  int Count() const override;
  String Get(int index) const override;
  void Put(int, StringView) override {}
  void Insert(int, StringView) override {}
  void Delete(int) override {}
  // Deleting the selection is an editing operation the document does not offer yet.
  void Clear() override {}
};

}  // namespace qs
