// Whole-file writes that never leave a damaged file behind and keep the file
// the user's own: the bytes go to a hidden temporary file beside the target,
// which is flushed and then renamed over it.
//
// The file keeps its identity:
// - A symbolic link stays a link: the chain of links is followed (relative
//   targets from the link's folder) and the file it ends at is replaced; a
//   dangling link gets its target created. The temporary is made in that
//   file's folder, so the rename never crosses file systems.
// - An existing file keeps its owner, group and mode (setuid, setgid and
//   sticky included) as far as the user may set them; failing to keep the
//   owner does not fail the write. A new file gets 0666 less the umask.
// - A file with several hard links is written in place (see inplacewrite.h),
//   since a rename would leave its other names with the old content.
// - After the rename the folder is flushed, so the new name survives a crash.
// Temporaries are named as hiddentemp.h describes; each successful write
// removes those of the same target that a killed process left behind.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace qs {

// The steps of a write, in order; a test may make any of them fail. A file
// written in place takes Create (its safety copy), Write and Flush, and
// Restore (putting the old content back) only after one of those failed; it
// has no Rename.
enum class AtomicStep { Create, Write, Flush, Rename, Restore };

using AtomicFaultHook = std::function<bool(AtomicStep)>;  // true: fail this step

// True when fault asks step to fail; errno is then EIO, as from a failing disk.
bool InjectedFault(const AtomicFaultHook& fault, AtomicStep step);

// Replaces (or creates) the file at path with bytes, keeping its identity as
// above. Throws qs::Error with a message naming the file when any step fails;
// the previous file is then untouched and no temporary file is left. The one
// exception is a file written in place whose old content cannot be written
// back: then the hidden copy holding it stays, and the message names it.
void WriteFileAtomically(const std::string& path, std::string_view bytes,
                         const AtomicFaultHook& fault = {});

// What a write is about to replace, for a step a caller adds before the commit.
struct ReplacedFile {
  std::string path;  // the file written: the end of the chain of links
  bool existed;      // false when the write creates the file
  bool inPlace;      // true when the file is written in place for its hard links
};
using BeforeCommitHook = std::function<void(const ReplacedFile&)>;

// WriteFileAtomically with one more step: beforeCommit runs once the new
// bytes are safe on disk and before the target changes (before the rename, or
// before an in-place write starts), so it still sees the old file. An
// exception from it fails the write like any other step.
void ReplaceFileContent(const std::string& path, std::string_view bytes,
                        const AtomicFaultHook& fault, const BeforeCommitHook& beforeCommit);

// Writes every byte to an open descriptor, retrying short and interrupted
// writes; false on the first real failure (errno says why).
bool WriteAllToDescriptor(int fd, std::string_view bytes);

}  // namespace qs
