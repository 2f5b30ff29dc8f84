// Whether a file is likely not text, asked before it is opened in the editor.
#pragma once

#include "support/bytesource.h"

namespace qs {

// A NUL in the first 64 KiB marks a binary file, unless the bytes are UTF-16
// text (with a byte-order mark or recognised without one). Reads at most that much.
bool LooksBinary(TByteSource& bytes);

}  // namespace qs
