// A folder for the program's temporary files that only the user can enter,
// so a copy of a document placed there is neither readable by others nor
// replaceable by a link someone planted.
#pragma once

#include <string>

namespace qs {

// $XDG_RUNTIME_DIR/quillon when that variable names an absolute folder, else
// quillon-<uid> in tempRoot. The folder is made with mode 0700 when missing;
// an existing one must be a real folder (not a link) owned by the user, and
// is set to 0700. Throws qs::Error naming the folder otherwise.
[[nodiscard]] std::string PrivateTempFolder(const std::string& tempRoot);

}  // namespace qs
