// The search and replace cores behind the document's search operations. A
// friend of the document: it edits through the document's raw placing.
#pragma once

#include <optional>

#include "textmodel/qsstring.h"
#include "textmodel/searchmatch.h"
#include "textmodel/searchoptions.h"

namespace qs {

namespace upd {
inline constexpr int kReplace = 54;
inline constexpr int kSearch = 55;
}  // namespace upd

class TSearchEngine {
 public:
  explicit TSearchEngine(TCustomMemoSource& source)
      : m_source(source), m_options(TSearchOptions::Instance()) {}

  // One search with the current options; the match in document coordinates.
  std::optional<TLineHit> Search();
  bool Replace();

  // Puts the options as a dialog should start from them.
  void PrepareOptions();

 private:
  // Counts up while it lives: the search's own edits keep the selection.
  class SelectionKeeper {
   public:
    explicit SelectionKeeper(TCustomMemoSource& s) : m_s(s) { ++m_s.m_search.keepSelection; }
    ~SelectionKeeper() { --m_s.m_search.keepSelection; }
    SelectionKeeper(const SelectionKeeper&) = delete;
    SelectionKeeper& operator=(const SelectionKeeper&) = delete;

   private:
    TCustomMemoSource& m_s;
  };

  std::optional<TLineHit> Match(bool inSelection);
  void ShowFound(const TLineHit& hit);
  void ShowNotFound();
  // A message nobody handled is raised as an error.
  void RaiseUnhandled(const String& message);
  bool CaretAtSelection() const;

  bool ReplaceAllLoop();
  bool ReplaceStep();
  void ReplaceMatch(const TLineHit& hit);
  // Opens an update of the search's own: the selection stays through its edits.
  // Inside an update: a search started with the selection kept keeps it.
  void KeepSelectionIfAsked();

  TCustomMemoSource& m_source;
  TSearchOptions& m_options;
  bool m_suppressPrompt = false;  // the replace-all loop never asks
};

// The pattern with every "&" doubled, for a message box.
String DoubleAmpersands(StringView pattern);

}  // namespace qs
