// Whole-file writes that never leave a damaged file behind: the bytes go to a
// temporary file beside the target, which is flushed and then renamed over it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace qs {

// The steps of an atomic write, in order; a test may make any of them fail.
enum class AtomicStep { Create, Write, Flush, Rename };

using AtomicFaultHook = std::function<bool(AtomicStep)>;  // true: fail this step

// Replaces (or creates) the file at path with bytes. Throws qs::Error with a
// message naming the file when any step fails; the previous file is then
// untouched and no temporary file is left.
void WriteFileAtomically(const std::string& path, std::string_view bytes,
                         const AtomicFaultHook& fault = {});

// Writes every byte to an open descriptor, retrying short and interrupted
// writes; false on the first real failure (errno says why).
bool WriteAllToDescriptor(int fd, std::string_view bytes);

// Reads a whole file; throws qs::Error naming the file when it cannot.
std::string ReadWholeFile(const std::string& path);

}  // namespace qs
