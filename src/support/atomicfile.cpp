#include "support/atomicfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "support/errors.h"

namespace qs {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path, int err) {
  std::string message = what + " \"" + path + "\"";
  if (err != 0) message += ": " + std::string(std::strerror(err));
  throw Error(message);
}

bool Faulty(const AtomicFaultHook& fault, AtomicStep step) {
  return fault && fault(step);
}

// A temporary name in the target's own folder, so the rename stays on one file system.
int CreateTemporary(const std::string& path, std::string& tempName) {
  tempName = path + ".XXXXXX";
  return ::mkstemp(tempName.data());
}

}  // namespace

bool WriteAllToDescriptor(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes,
                         const AtomicFaultHook& fault) {
  std::string tempName;
  const int fd = Faulty(fault, AtomicStep::Create) ? -1 : CreateTemporary(path, tempName);
  if (fd < 0) Fail("Cannot create file", path, errno);

  const auto abandon = [&](const char* what) {
    const int err = errno;
    ::close(fd);
    ::unlink(tempName.c_str());
    Fail(what, path, err);
  };
  errno = 0;
  if (Faulty(fault, AtomicStep::Write) || !WriteAllToDescriptor(fd, bytes))
    abandon("Cannot write file");
  if (Faulty(fault, AtomicStep::Flush) || ::fsync(fd) != 0) abandon("Cannot write file");
  // Keep the permissions of the file being replaced.
  struct stat old;
  if (::stat(path.c_str(), &old) == 0)
    ::fchmod(fd, old.st_mode & 07777);
  else
    ::fchmod(fd, 0644);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(tempName.c_str());
    Fail("Cannot write file", path, err);
  }
  if (Faulty(fault, AtomicStep::Rename) || ::rename(tempName.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(tempName.c_str());
    Fail("Cannot write file", path, err);
  }
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail("Cannot open file", path, errno);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) Fail("Cannot read file", path, errno);
  return std::move(buffer).str();
}

}  // namespace qs
