// File access of the document: reading a whole file, writing one atomically,
// and saving with a backup copy. Kept apart so it can move behind the
// platform's file system interface.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "textmodel/bytesource.h"

namespace qs {

// Reads a regular file whole. Throws qs::Error naming the file when it cannot
// be opened, is not a regular file or a read fails.
std::string ReadDocumentFile(const std::string& path);

// Opens a regular file for reading a chunk at a time. Throws qs::Error naming
// the file when it cannot be opened or is not a regular file.
std::unique_ptr<TByteSource> OpenDocumentFile(const std::string& path);

// Replaces the file with bytes through a temporary file and a rename.
void WriteDocumentFile(const std::string& path, std::string_view bytes);

enum class TBackupStep : std::uint8_t { bsCreateTemp, bsWriteTemp, bsBackup, bsRename };
using TBackupFaultHook = std::function<bool(TBackupStep)>;  // true: fail this step

// Writes bytes to a temporary file beside target, keeps the current target as
// backup, then renames the temporary file over the target. The target keeps
// its old content until that last rename, whatever step fails, and no
// temporary file is left behind. A backup naming the target itself is skipped:
// the only copy is never deleted.
void SaveWithBackup(const std::string& target, const std::string& backup, std::string_view bytes,
                    const TBackupFaultHook& fault = {});

}  // namespace qs
