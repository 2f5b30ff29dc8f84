#include "support/inplacewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "support/fileerror.h"
#include "support/fileidentity.h"
#include "support/hiddentemp.h"
#include "support/uniquefd.h"

namespace qs {
namespace {

bool WriteAllAt(int fd, std::string_view bytes, off_t offset) {
  while (!bytes.empty()) {
    const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
    offset += n;
  }
  return true;
}

// Copies the whole content of one open file over the start of another.
bool CopyContent(int from, int to) {
  char buffer[65536];
  off_t offset = 0;
  for (;;) {
    const ssize_t n = ::pread(from, buffer, sizeof buffer, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    if (!WriteAllAt(to, std::string_view(buffer, static_cast<std::size_t>(n)), offset))
      return false;
    offset += n;
  }
}

// The new content into the file itself; errno says why on failure.
bool Overwrite(int fd, std::string_view bytes, const AtomicFaultHook& fault) {
  if (::ftruncate(fd, 0) != 0) return false;
  if (InjectedFault(fault, AtomicStep::Write) || !WriteAllAt(fd, bytes, 0)) return false;
  return !InjectedFault(fault, AtomicStep::Flush) && ::fsync(fd) == 0;
}

bool Restore(int fd, int copy, const AtomicFaultHook& fault) {
  return !InjectedFault(fault, AtomicStep::Restore) && ::ftruncate(fd, 0) == 0 &&
         CopyContent(copy, fd) && ::fsync(fd) == 0;
}

[[noreturn]] void FailKeepingCopy(const std::string& shownPath, int err, HiddenTemporary& copy) {
  const std::string kept = copy.Path();
  copy.Keep();
  throw Error("Cannot write file \"" + shownPath + "\": " + std::strerror(err) +
              ". Its previous content is kept in \"" + kept + "\"");
}

}  // namespace

void WriteInPlace(const std::string& shownPath, const std::string& path, std::string_view bytes,
                  const AtomicFaultHook& fault, const std::function<void()>& beforeOverwrite) {
  UniqueFd file(::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW));
  if (!file.IsOpen()) FailOnFile("Cannot write file", shownPath, errno);
  // Private whatever the file's mode: the copy lives only until the file is whole again.
  HiddenTemporary copy;
  if (InjectedFault(fault, AtomicStep::Create) || !copy.Create(path, 0600))
    FailOnFile("Cannot create file", shownPath, errno);
  if (!CopyContent(file.Get(), copy.Fd()) || ::fsync(copy.Fd()) != 0)
    FailOnFile("Cannot write file", shownPath, errno);
  SyncFolderOf(path);  // after a crash mid-write the copy must still have its name
  if (beforeOverwrite) beforeOverwrite();

  if (Overwrite(file.Get(), bytes, fault)) return;  // the copy goes with its scope
  const int err = errno;
  if (!Restore(file.Get(), copy.Fd(), fault)) FailKeepingCopy(shownPath, err, copy);
  FailOnFile("Cannot write file", shownPath, err);
}

}  // namespace qs
