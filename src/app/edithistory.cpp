#include "app/edithistory.h"

#include <algorithm>

#include "support/guardedcall.h"
#include "support/registry.h"
#include "support/unicodecase.h"

namespace qs {

namespace {

std::string HistoryKey() {
  return std::string(kApplicationKey) + "\\" + std::string(kEditHistoryKey);
}

}  // namespace

void AddToHistory(std::vector<String>& entries, StringView text) {
  if (text.empty()) return;
  const String folded = ToLower(text);
  std::erase_if(entries, [&](const String& entry) { return ToLower(entry) == folded; });
  entries.insert(entries.begin(), String(text));
  if (entries.size() > kMaxHistoryEntries) entries.resize(kMaxHistoryEntries);
}

std::vector<String> ReadEditHistory(const SettingsStore& store, std::string_view valueName) {
  const std::optional<RegValue> value =
      store.ReadValue(RootKey::CurrentUser, HistoryKey(), valueName);
  std::vector<String> entries;
  if (!value || value->kind != RegKind::String) return entries;
  const String& text = value->text;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of(U"\r\n", start);
    if (end == String::npos) end = text.size();
    // A stored list may be damaged or from a version without the cap: it
    // goes through the same rule as a typed text.
    if (end > start && entries.size() < kMaxHistoryEntries) {
      const String entry = text.substr(start, end - start);
      const String folded = ToLower(entry);
      if (std::none_of(entries.begin(), entries.end(),
                       [&](const String& e) { return ToLower(e) == folded; }))
        entries.push_back(entry);
    }
    start = end + 1;
  }
  return entries;
}

void WriteEditHistory(SettingsStore& store, std::string_view valueName,
                      const std::vector<String>& entries) {
  String text;
  for (const String& entry : entries) text += entry + U"\r\n";
  store.WriteValue(RootKey::CurrentUser, HistoryKey(), valueName, RegValue::Str(text));
}

TEditHistory::TEditHistory(TComboBox& box, SettingsStore& store, std::string valueName)
    : m_box(box), m_store(store), m_valueName(std::move(valueName)) {
  const String text = m_box.Text();
  m_box.SetItems(ReadEditHistory(m_store, m_valueName));
  m_box.SetText(text);
  m_box.OnExit = [this](TControl&) { AddCurrent(); };
  m_box.OnKeyDown = [this](TControl&, TKey& key, TShiftState) {
    if (key == vk::Return) AddCurrent();  // and the key goes on to the default button
  };
}

TEditHistory::~TEditHistory() {
  m_box.OnExit = nullptr;
  m_box.OnKeyDown = nullptr;
  try {
    Save();
  } catch (...) {
    LogCaughtFailure("writing the search history");
  }
}

void TEditHistory::AddCurrent() {
  const String text = m_box.Text();
  if (text.empty()) return;
  std::vector<String> entries = m_box.Items();
  AddToHistory(entries, text);
  m_box.SetItems(std::move(entries));
  m_box.SetText(text);  // selects the entry at the top
}

void TEditHistory::Save() {
  WriteEditHistory(m_store, m_valueName, m_box.Items());
}

}  // namespace qs
