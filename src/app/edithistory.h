// The texts a history box of the search dialogs remembers. Each box keeps
// one string value under "EditHistory\" of the application key (the entries,
// each followed by CR LF), named after its dialog and itself
// ("SrchDialogSearText").
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace qs {

class SettingsStore;

inline constexpr std::string_view kEditHistoryKey = "EditHistory";
// Enough to find an old search again, few enough to scan in a drop-down.
inline constexpr std::size_t kMaxHistoryEntries = 30;

// Puts text at the top; an entry equal to it ignoring letter case goes, and
// the list keeps its first kMaxHistoryEntries entries. An empty text changes
// nothing.
void AddToHistory(std::vector<String>& entries, StringView text);

// An absent value (or one of another kind) is an empty history.
[[nodiscard]] std::vector<String> ReadEditHistory(const SettingsStore& store,
                                                  std::string_view valueName);
void WriteEditHistory(SettingsStore& store, std::string_view valueName,
                      const std::vector<String>& entries);

// Binds an editable combo box to its stored history: the box's items are the
// history from the start; its text joins the history when Enter is pressed in
// it and when it loses the focus; the history is written back by Save and
// when the binding ends.
class TEditHistory {
 public:
  TEditHistory(TComboBox& box, SettingsStore& store, std::string valueName);
  ~TEditHistory();
  TEditHistory(const TEditHistory&) = delete;
  TEditHistory& operator=(const TEditHistory&) = delete;

  // The box's current text joins the history.
  void AddCurrent();
  void Save();

 private:
  TComboBox& m_box;
  SettingsStore& m_store;
  std::string m_valueName;
};

}  // namespace qs
