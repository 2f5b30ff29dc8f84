// The temporary files a save makes beside its target. Their names are hidden
// and tell whose they are, so a save cut short by a kill leaves nothing the
// user could take for a document, and a later save can clear it away:
//
//   "." + stem + ".quillon-" + pid + "-" + tag + ".tmp"
//
// where stem is the target's file name (cut to its first 200 bytes, at a
// character boundary, so the whole name stays within the 255 bytes a folder
// entry may have), pid is the decimal id of the writing process without
// leading zeros, and tag is six random ASCII letters or digits. For
// "page.html" written by process 4242 that is ".page.html.quillon-4242-x7Qe0b.tmp".
#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "support/uniquefd.h"

namespace qs {

// The temporary name above for a target file name, process and tag.
std::string HiddenTemporaryName(std::string_view targetName, pid_t pid, std::string_view tag);

// The process that made entryName, if entryName is exactly one of our
// temporaries for targetName; nothing for any other name.
std::optional<pid_t> WriterOfHiddenTemporary(std::string_view entryName,
                                             std::string_view targetName);

// Makes something under a fresh temporary name beside target (in target's
// folder) for this process: make is tried on new random names while it fails
// with EEXIST. The name it took goes to path. False with errno set when make
// fails otherwise, or keeps meeting taken names.
bool MakeUnderHiddenName(const std::string& target,
                         const std::function<bool(const std::string&)>& make, std::string& path);

// A temporary file of ours beside a target. It is removed when it goes out
// of scope, so no failure path can leave it behind, unless Keep() hands its
// name over (to a rename, or to a user who must recover from it).
class HiddenTemporary {
 public:
  HiddenTemporary() = default;
  ~HiddenTemporary();
  HiddenTemporary(const HiddenTemporary&) = delete;
  HiddenTemporary& operator=(const HiddenTemporary&) = delete;

  // Creates a new temporary beside target with the given mode (the umask
  // applies), open for reading and writing. False with errno set on failure.
  bool Create(const std::string& target, mode_t mode);

  int Fd() const { return m_fd.Get(); }
  const std::string& Path() const { return m_path; }
  int Close() { return m_fd.Close(); }  // 0, or -1 with errno set
  void Keep() { m_path.clear(); }

 private:
  UniqueFd m_fd;
  std::string m_path;
};

// Removes the temporaries for target in its folder whose writing process no
// longer exists: those a killed save left. Anything else, and the
// temporaries of live processes, is left alone; failures are ignored.
void RemoveStaleTemporaries(const std::string& target);

}  // namespace qs
