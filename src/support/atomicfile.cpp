#include "support/atomicfile.h"

#include <unistd.h>

#include <cerrno>

#include "support/fileerror.h"
#include "support/fileidentity.h"
#include "support/filepath.h"
#include "support/hiddentemp.h"
#include "support/inplacewrite.h"

namespace qs {
namespace {

// A file the save creates gets the umask's say; an existing one gets its old
// mode only once the bytes are in, so the temporary is private until then:
// a reader who opened it while it was open to all would keep reading.
mode_t CreationMode(const FileIdentity& old) {
  return old.exists ? 0600 : 0666;
}

void ReplaceByRename(const std::string& shownPath, const std::string& target,
                     const FileIdentity& old, std::string_view bytes, const AtomicFaultHook& fault,
                     const BeforeCommitHook& beforeCommit) {
  HiddenTemporary temp;
  if (InjectedFault(fault, AtomicStep::Create) || !temp.Create(target, CreationMode(old)))
    FailOnFile("Cannot create file", shownPath, errno);
  if (InjectedFault(fault, AtomicStep::Write) || !WriteAllToDescriptor(temp.Fd(), bytes))
    FailOnFile("Cannot write file", shownPath, errno);
  if (old.exists) GiveIdentity(temp.Fd(), old);
  if (InjectedFault(fault, AtomicStep::Flush) || ::fsync(temp.Fd()) != 0 || temp.Close() != 0)
    FailOnFile("Cannot write file", shownPath, errno);
  if (beforeCommit) beforeCommit({target, old.exists, false});
  if (InjectedFault(fault, AtomicStep::Rename) ||
      ::rename(temp.Path().c_str(), target.c_str()) != 0)
    FailOnFile("Cannot write file", shownPath, errno);
  temp.Keep();  // it is the target now
  SyncFolderOf(target);
}

}  // namespace

bool InjectedFault(const AtomicFaultHook& fault, AtomicStep step) {
  if (!fault || !fault(step)) return false;
  errno = EIO;
  return true;
}

bool WriteAllToDescriptor(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void ReplaceFileContent(const std::string& path, std::string_view bytes,
                        const AtomicFaultHook& fault, const BeforeCommitHook& beforeCommit) {
  std::string target;
  if (!ResolveSymlinks(path, target)) FailOnFile("Cannot write file", path, errno);
  const FileIdentity old = IdentityOf(target);
  if (old.HasOtherNames()) {
    WriteInPlace(path, target, bytes, fault, [&] {
      if (beforeCommit) beforeCommit({target, true, true});
    });
  } else {
    ReplaceByRename(path, target, old, bytes, fault, beforeCommit);
  }
  RemoveStaleTemporaries(target);
}

void WriteFileAtomically(const std::string& path, std::string_view bytes,
                         const AtomicFaultHook& fault) {
  ReplaceFileContent(path, bytes, fault, {});
}

}  // namespace qs
