// An append-only file held under an exclusive advisory lock for as long as it
// is open. The lock dies with the process however it ends (a kill included),
// so a file that can be locked is one whose writer is gone.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "support/uniquefd.h"

namespace qs {

class TJournalFile {
 public:
  // Makes a new file, private to the user (0600); nothing when the name is
  // taken, and throws when it cannot be made.
  [[nodiscard]] static std::optional<TJournalFile> Create(const std::string& path);
  // Opens an existing file and takes its lock; nothing when another process
  // holds the lock or the file is gone.
  [[nodiscard]] static std::optional<TJournalFile> TryTake(const std::string& path);

  TJournalFile(TJournalFile&&) noexcept = default;
  TJournalFile& operator=(TJournalFile&&) noexcept = default;

  const std::string& Path() const noexcept { return m_path; }
  // Writes all of bytes at the end; throws on failure.
  void Append(std::string_view bytes);
  // Brings what was appended to the disk.
  void Sync();
  [[nodiscard]] std::string ReadAll() const;
  // Deletes the file; the lock goes with it.
  void Remove();

 private:
  TJournalFile(std::string path, UniqueFd fd) : m_path(std::move(path)), m_fd(std::move(fd)) {}
  std::string m_path;
  UniqueFd m_fd;
};

}  // namespace qs
