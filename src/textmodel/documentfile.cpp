#include "textmodel/documentfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "support/atomicfile.h"
#include "support/errors.h"

namespace qs {
namespace {

[[noreturn]] void Fail(const std::string& message, int err = 0) {
  throw Error(err != 0 ? message + ": " + std::strerror(err) : message);
}

class Fd {
 public:
  explicit Fd(int fd) : m_fd(fd) {}
  ~Fd() {
    if (m_fd >= 0) ::close(m_fd);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int Get() const { return m_fd; }
  int Release() { return std::exchange(m_fd, -1); }

 private:
  int m_fd;
};

bool Faulty(const TBackupFaultHook& fault, TBackupStep step) {
  return fault && fault(step);
}

bool SameFile(const std::string& a, const std::string& b) {
  if (a == b) return true;
  struct stat sa, sb;
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

// The target's bytes under the backup name, the target itself untouched: a
// hard link where the file system allows it, a copy otherwise.
void KeepBackup(const std::string& target, const std::string& backup) {
  struct stat st;
  if (::lstat(backup.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) Fail("Can't delete file " + backup);
  const std::string link = backup + ".qslink";
  ::unlink(link.c_str());
  if (::link(target.c_str(), link.c_str()) == 0) {
    if (::rename(link.c_str(), backup.c_str()) == 0) return;
    const int err = errno;
    ::unlink(link.c_str());
    Fail("Can't rename file " + target + " to file " + backup, err);
  }
  try {
    WriteFileAtomically(backup, ReadDocumentFile(target));
  } catch (const Error&) {
    Fail("Can't rename file " + target + " to file " + backup, errno);
  }
}

class FileByteSource : public TByteSource {
 public:
  FileByteSource(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    for (;;) {
      const ssize_t n = ::read(m_fd.Get(), buffer, size);
      if (n >= 0) return static_cast<std::size_t>(n);
      if (errno != EINTR) Fail("Cannot read file \"" + m_path + "\"", errno);
    }
  }
  void Rewind() override {
    if (::lseek(m_fd.Get(), 0, SEEK_SET) != 0) Fail("Cannot read file \"" + m_path + "\"", errno);
  }

 private:
  Fd m_fd;
  std::string m_path;
};

int OpenRegular(const std::string& path) {
  // Non-blocking first: opening a FIFO or a device must not hang the load.
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.Get() < 0) Fail("Cannot open file \"" + path + "\"", errno);
  struct stat st;
  if (::fstat(fd.Get(), &st) != 0) Fail("Cannot read file \"" + path + "\"", errno);
  if (!S_ISREG(st.st_mode)) Fail("\"" + path + "\" is not a file");
  const int flags = ::fcntl(fd.Get(), F_GETFL);
  if (flags >= 0) ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK);
  return fd.Release();
}

}  // namespace

std::unique_ptr<TByteSource> OpenDocumentFile(const std::string& path) {
  return std::make_unique<FileByteSource>(OpenRegular(path), path);
}

std::string ReadDocumentFile(const std::string& path) {
  Fd fd(OpenRegular(path));
  struct stat st;
  if (::fstat(fd.Get(), &st) != 0) Fail("Cannot read file \"" + path + "\"", errno);
  std::string bytes;
  // The size is a hint only: the file may grow or shrink while it is read.
  bytes.resize(static_cast<std::size_t>(st.st_size));
  std::size_t used = 0;
  for (;;) {
    if (used == bytes.size()) bytes.resize(bytes.size() + 65536);
    const ssize_t n = ::read(fd.Get(), bytes.data() + used, bytes.size() - used);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Fail("Cannot read file \"" + path + "\"", errno);
    if (n == 0) break;
    used += static_cast<std::size_t>(n);
  }
  bytes.resize(used);
  return bytes;
}

void WriteDocumentFile(const std::string& path, std::string_view bytes) {
  WriteFileAtomically(path, bytes);
}

void SaveWithBackup(const std::string& target, const std::string& backup, std::string_view bytes,
                    const TBackupFaultHook& fault) {
  std::string temp = target + ".XXXXXX";
  Fd fd(Faulty(fault, TBackupStep::bsCreateTemp) ? -1 : ::mkstemp(temp.data()));
  if (fd.Get() < 0) Fail("Can't create temporary filename");
  const auto abandon = [&](const std::string& message, int err) {
    ::close(fd.Release());
    ::unlink(temp.c_str());
    Fail(message, err);
  };
  struct stat old;
  const bool targetExists = ::stat(target.c_str(), &old) == 0;
  ::fchmod(fd.Get(), targetExists ? (old.st_mode & 07777) : 0644);
  if (Faulty(fault, TBackupStep::bsWriteTemp) || !WriteAllToDescriptor(fd.Get(), bytes) ||
      ::fsync(fd.Get()) != 0)
    abandon("Cannot write file \"" + temp + "\"", errno);
  if (::close(fd.Release()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    Fail("Cannot write file \"" + temp + "\"", err);
  }
  try {
    if (targetExists && !SameFile(target, backup)) {
      if (Faulty(fault, TBackupStep::bsBackup)) Fail("Can't delete file " + backup);
      KeepBackup(target, backup);
    }
    if (Faulty(fault, TBackupStep::bsRename) || ::rename(temp.c_str(), target.c_str()) != 0)
      Fail("Can't rename file " + temp + " to file " + target, errno);
  } catch (...) {
    ::unlink(temp.c_str());
    throw;
  }
}

}  // namespace qs
