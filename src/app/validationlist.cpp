#include "app/validationlist.h"

namespace qs {

void TValidationList::Clear() {
  m_files.clear();
  m_current = {};
  Changed();
}

void TValidationList::AddFile(TFileMessages file) {
  m_files.push_back(std::move(file));
  Changed();
}

int TValidationList::MessageCount() const noexcept {
  std::size_t count = 0;
  for (const TFileMessages& file : m_files) count += file.messages.size();
  return static_cast<int>(count);
}

int TValidationList::ErrorCount() const noexcept {
  int count = 0;
  for (const TFileMessages& file : m_files)
    for (const TValidationMessage& m : file.messages)
      count += m.severity == TValidationSeverity::Error ? 1 : 0;
  return count;
}

const TValidationMessage* TValidationList::CurrentMessage() const {
  if (m_current.file < 0) return nullptr;
  return &m_files[static_cast<std::size_t>(m_current.file)]
              .messages[static_cast<std::size_t>(m_current.message)];
}

const std::string& TValidationList::CurrentFile() const {
  static const std::string none;
  return m_current.file < 0 ? none : m_files[static_cast<std::size_t>(m_current.file)].file;
}

void TValidationList::Select(Place place) {
  if (place.file < 0 || place.file >= static_cast<int>(m_files.size())) return;
  const auto& messages = m_files[static_cast<std::size_t>(place.file)].messages;
  if (place.message < 0 || place.message >= static_cast<int>(messages.size())) return;
  m_current = place;
  Changed();
  if (OnGoTo) OnGoTo(CurrentFile(), *CurrentMessage());
}

void TValidationList::Next() {
  Step(1);
}

void TValidationList::Previous() {
  Step(-1);
}

// Walks the messages of all files as one ring; files without messages are
// passed over.
void TValidationList::Step(int by) {
  const int total = MessageCount();
  if (total == 0) return;
  int flat = -1;
  if (m_current.file >= 0) {
    flat = m_current.message;
    for (int f = 0; f < m_current.file; ++f)
      flat += static_cast<int>(m_files[static_cast<std::size_t>(f)].messages.size());
  } else if (by < 0) {
    flat = 0;  // backwards from nothing: the last message
  }
  flat = ((flat + by) % total + total) % total;
  for (int f = 0;; ++f) {
    const int size = static_cast<int>(m_files[static_cast<std::size_t>(f)].messages.size());
    if (flat < size) return Select({f, flat});
    flat -= size;
  }
}

void TValidationList::Changed() {
  if (OnChange) OnChange();
}

}  // namespace qs
