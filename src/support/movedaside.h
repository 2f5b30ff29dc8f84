// Keeping a file that could not be read: it is renamed out of the way rather
// than overwritten or deleted, so the program can go on with a good copy or
// its defaults and the user's bytes stay on disk.
#pragma once

#include <string>

#include "support/fileaccess.h"

namespace qs {

// Renames path to "<path>.bad", or the first free "<path>.bad.N", and returns
// the new name. Throws qs::Error when no name among the first thousand is
// free (something is wrong; the file stays put) or the rename fails.
std::string MoveAsideAsBad(IFileAccess& files, const std::string& path);

}  // namespace qs
