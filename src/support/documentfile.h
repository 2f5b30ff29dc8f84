// File access of documents on the host's disk: reading a file whole or a
// chunk at a time, writing one atomically, and saving with a backup copy. The
// local file system of the platform layer is built on these; everything else
// reaches them through it.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include "support/bytesource.h"
#include "support/errors.h"

namespace qs {

// A file refused by its size before (or while) it is read.
class FileTooLargeError : public Error {
 public:
  using Error::Error;
};

// Reads a regular file whole. Throws qs::Error naming the file when it cannot
// be opened, is not a regular file (a FIFO or a device would block or never
// end) or a read fails, and FileTooLargeError when it holds more than maxBytes.
std::string ReadDocumentFile(const std::string& path,
                             std::uint64_t maxBytes = std::numeric_limits<std::uint64_t>::max());

// Opens a regular file for reading a chunk at a time. Throws qs::Error naming
// the file when it cannot be opened or is not a regular file.
std::unique_ptr<TByteSource> OpenDocumentFile(const std::string& path);

// Replaces the file with bytes as WriteFileAtomically does (support/atomicfile.h):
// links stay links, owner, mode and hard links are kept.
void WriteDocumentFile(const std::string& path, std::string_view bytes);

// The steps of a save with backup, in order; a test may make any of them fail.
// bsRestore is only taken by a file written in place, after its write failed.
enum class TBackupStep : std::uint8_t { bsCreateTemp, bsWriteTemp, bsBackup, bsRename, bsRestore };
using TBackupFaultHook = std::function<bool(TBackupStep)>;  // true: fail this step

// Saves bytes to target through WriteFileAtomically's steps, with the same
// identity rules (the end of a chain of links is written, owner and mode are
// kept, the folder is flushed, temporaries are hidden), and keeps the old
// content under the backup name first. Normally the bytes go to a temporary
// file, the current target becomes the backup by a hard link (a copy where the
// file system cannot link), and the temporary is renamed over the target. A
// target with several hard links gets a copy as backup and the new bytes in
// place, so all its names keep sharing them. The target keeps its old content
// whatever step fails (one written in place gets it back) and no temporary
// file is left behind. A backup naming the target itself is skipped: the only
// copy is never deleted.
void SaveWithBackup(const std::string& target, const std::string& backup, std::string_view bytes,
                    const TBackupFaultHook& fault = {});

}  // namespace qs
