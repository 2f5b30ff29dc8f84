#include "support/journalfile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "support/fileerror.h"

namespace qs {

std::optional<TJournalFile> TJournalFile::Create(const std::string& path) {
  UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600));
  if (!fd.IsOpen() && errno == EEXIST) return std::nullopt;
  if (!fd.IsOpen()) FailOnFile("Cannot create", path, errno);
  if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
    const int err = errno;
    ::unlink(path.c_str());
    FailOnFile("Cannot lock", path, err);
  }
  return TJournalFile(path, std::move(fd));
}

std::optional<TJournalFile> TJournalFile::TryTake(const std::string& path) {
  UniqueFd fd(::open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC | O_NOFOLLOW));
  if (!fd.IsOpen()) return std::nullopt;
  if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) return std::nullopt;
  // The writer may have removed it between the open and the lock.
  struct stat opened {};
  struct stat named {};
  if (::fstat(fd.Get(), &opened) != 0 || ::stat(path.c_str(), &named) != 0 ||
      opened.st_ino != named.st_ino || opened.st_dev != named.st_dev || !S_ISREG(opened.st_mode))
    return std::nullopt;
  return TJournalFile(path, std::move(fd));
}

void TJournalFile::Append(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(m_fd.Get(), bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      FailOnFile("Cannot write", m_path, errno);
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

void TJournalFile::Sync() {
  if (::fdatasync(m_fd.Get()) != 0) FailOnFile("Cannot write", m_path, errno);
}

std::string TJournalFile::ReadAll() const {
  std::string bytes;
  char buffer[1 << 16];
  for (off_t offset = 0;;) {
    const ssize_t got = ::pread(m_fd.Get(), buffer, sizeof buffer, offset);
    if (got < 0) {
      if (errno == EINTR) continue;
      FailOnFile("Cannot read", m_path, errno);
    }
    if (got == 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(got));
    offset += got;
  }
}

void TJournalFile::Remove() {
  if (::unlink(m_path.c_str()) != 0 && errno != ENOENT) FailOnFile("Cannot delete", m_path, errno);
  m_fd.Close();
}

}  // namespace qs
