#include "support/documentfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "support/atomicfile.h"
#include "support/errors.h"
#include "support/fileerror.h"
#include "support/hiddentemp.h"
#include "support/uniquefd.h"

namespace qs {
namespace {

[[noreturn]] void Fail(const std::string& message, int err = 0) {
  throw Error(err != 0 ? message + ": " + std::strerror(err) : message);
}

bool Faulty(const TBackupFaultHook& fault, TBackupStep step) {
  return fault && fault(step);
}

// The backup steps the shared write runs through.
TBackupStep BackupStepOf(AtomicStep step) {
  switch (step) {
    case AtomicStep::Create:
      return TBackupStep::bsCreateTemp;
    case AtomicStep::Write:
    case AtomicStep::Flush:
      return TBackupStep::bsWriteTemp;
    case AtomicStep::Rename:
      return TBackupStep::bsRename;
    case AtomicStep::Restore:
      break;
  }
  return TBackupStep::bsRestore;
}

bool SameFile(const std::string& a, const std::string& b) {
  if (a == b) return true;
  struct stat sa, sb;
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

// The target's bytes under the backup name, the target itself untouched: a
// hard link where the file system allows it and the target is about to be
// replaced by a rename, a copy otherwise. A file written in place must get a
// copy, since a link would show its new bytes.
void KeepBackup(const std::string& target, const std::string& backup, bool mayLink) {
  struct stat st;
  if (::lstat(backup.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) Fail("Can't delete file " + backup);
  // Linked under a hidden name first, so that a kill before the rename leaves
  // nothing that looks like a file of the user's.
  const auto linkTarget = [&](const std::string& name) {
    return ::link(target.c_str(), name.c_str()) == 0;
  };
  std::string link;
  if (mayLink && MakeUnderHiddenName(backup, linkTarget, link)) {
    if (::rename(link.c_str(), backup.c_str()) == 0) return;
    const int err = errno;
    ::unlink(link.c_str());
    Fail("Can't rename file " + target + " to file " + backup, err);
  }
  try {
    WriteFileAtomically(backup, ReadDocumentFile(target));
  } catch (const Error& e) {
    Fail("Can't copy file " + target + " to file " + backup + " (" + e.what() + ")");
  }
}

class FileByteSource : public TByteSource {
 public:
  FileByteSource(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    for (;;) {
      const ssize_t n = ::read(m_fd.Get(), buffer, size);
      if (n >= 0) return static_cast<std::size_t>(n);
      if (errno != EINTR) FailOnFile("Cannot read file", m_path, errno);
    }
  }
  void Rewind() override {
    if (::lseek(m_fd.Get(), 0, SEEK_SET) != 0) FailOnFile("Cannot read file", m_path, errno);
  }

 private:
  UniqueFd m_fd;
  std::string m_path;
};

int OpenRegular(const std::string& path) {
  // Non-blocking first: opening a FIFO or a device must not hang the load.
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.Get() < 0) FailOnFile("Cannot open file", path, errno);
  struct stat st;
  if (::fstat(fd.Get(), &st) != 0) FailOnFile("Cannot read file", path, errno);
  if (!S_ISREG(st.st_mode)) Fail("\"" + path + "\" is not a file");
  const int flags = ::fcntl(fd.Get(), F_GETFL);
  if (flags >= 0) ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK);
  return fd.Release();
}

}  // namespace

std::unique_ptr<TByteSource> OpenDocumentFile(const std::string& path) {
  return std::make_unique<FileByteSource>(OpenRegular(path), path);
}

std::string ReadDocumentFile(const std::string& path, std::uint64_t maxBytes) {
  UniqueFd fd(OpenRegular(path));
  struct stat st;
  if (::fstat(fd.Get(), &st) != 0) FailOnFile("Cannot read file", path, errno);
  const auto tooLarge = [&] {
    throw FileTooLargeError(FileErrorMessage("Cannot read file", path, TooLargeReason(maxBytes)));
  };
  if (static_cast<std::uint64_t>(st.st_size) > maxBytes) tooLarge();
  std::string bytes;
  // The size is a hint only: the file may grow or shrink while it is read.
  bytes.resize(static_cast<std::size_t>(st.st_size));
  std::size_t used = 0;
  for (;;) {
    if (used == bytes.size()) bytes.resize(bytes.size() + 65536);
    const ssize_t n = ::read(fd.Get(), bytes.data() + used, bytes.size() - used);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) FailOnFile("Cannot read file", path, errno);
    if (n == 0) break;
    used += static_cast<std::size_t>(n);
    if (used > maxBytes) tooLarge();  // it grew while being read
  }
  bytes.resize(used);
  return bytes;
}

void WriteDocumentFile(const std::string& path, std::string_view bytes) {
  WriteFileAtomically(path, bytes);
}

void SaveWithBackup(const std::string& target, const std::string& backup, std::string_view bytes,
                    const TBackupFaultHook& fault) {
  const AtomicFaultHook steps = [&](AtomicStep step) { return Faulty(fault, BackupStepOf(step)); };
  ReplaceFileContent(target, bytes, steps, [&](const ReplacedFile& file) {
    if (!file.existed || SameFile(file.path, backup)) return;
    if (Faulty(fault, TBackupStep::bsBackup)) Fail("Can't delete file " + backup);
    KeepBackup(file.path, backup, !file.inPlace);
  });
  RemoveStaleTemporaries(backup);
}

}  // namespace qs
