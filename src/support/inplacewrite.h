// Writing new bytes into an existing file rather than replacing it, for a
// file with several hard links: a rename would give only one of its names the
// new content and split it from the others.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "support/atomicfile.h"

namespace qs {

// Writes bytes into the file at path (no link) so that its inode, and with it
// every hard link, owner and mode, stays. Since the file is damaged while it
// is rewritten, its old content is first copied to a hidden temporary beside
// it (see hiddentemp.h) and flushed. beforeOverwrite runs once the copy is
// safe and before the file changes; an exception from it leaves the file as
// it was. If the rewrite fails the old content is written back from the copy;
// if even that fails, the copy stays and the error names it, as the user's
// only way back. Errors name shownPath, the path the user gave.
void WriteInPlace(const std::string& shownPath, const std::string& path, std::string_view bytes,
                  const AtomicFaultHook& fault, const std::function<void()>& beforeOverwrite);

}  // namespace qs
