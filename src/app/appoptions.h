// The program-wide option objects over the program's life: created and
// loaded before any window, in a fixed order, and saved in the reverse order
// once the last window has closed.
#pragma once

#include <vector>

namespace qs {

class SettingsStore;
class TOptionExt;

class TApplicationOptions {
 public:
  // Makes the editor, editing, search, application and shortcut options, each reset
  // and then loaded from store, in that order.
  explicit TApplicationOptions(SettingsStore& store);

  // Writes each option object back, newest first, then the store's file.
  // Throws qs::Error when the file cannot be written.
  void SaveAll();

  // In the order they were created.
  const std::vector<TOptionExt*>& Created() const noexcept { return m_created; }

 private:
  SettingsStore& m_store;
  std::vector<TOptionExt*> m_created;
};

}  // namespace qs
