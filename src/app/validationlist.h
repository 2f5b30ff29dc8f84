// The validator panel's model: what the markup checker found, in one file
// (Validate HTML) or grouped by file (the batch validator), with the message
// the user stands on, stepped forwards and backwards with wrap-around.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "export/htmlvalidator.h"

namespace qs {

struct TFileMessages {
  std::string file;  // empty for the document in the editor
  std::vector<TValidationMessage> messages;
};

class TValidationList {
 public:
  // One place in the list: a file's index and a message's index in it.
  struct Place {
    int file = -1;
    int message = -1;
    bool operator==(const Place&) const = default;
  };

  void Clear();
  void AddFile(TFileMessages file);
  const std::vector<TFileMessages>& Files() const noexcept { return m_files; }
  int MessageCount() const noexcept;
  int ErrorCount() const noexcept;

  Place Current() const noexcept { return m_current; }
  const TValidationMessage* CurrentMessage() const;
  const std::string& CurrentFile() const;
  // Makes place current and goes there. Out-of-range places are ignored.
  void Select(Place place);
  // The next or previous message, wrapping around; nothing when empty.
  void Next();
  void Previous();

  // The list changed (filled, cleared, a message chosen).
  std::function<void()> OnChange;
  // The user chose a message: show the file (empty: the editor's) at its place.
  std::function<void(const std::string& file, const TValidationMessage& message)> OnGoTo;

 private:
  void Step(int by);
  void Changed();

  std::vector<TFileMessages> m_files;
  Place m_current;
};

}  // namespace qs
