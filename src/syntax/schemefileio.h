// Reading a scheme file through the platform's file system, so that tests run
// on the memory file system and every reader has the same bounds and error.
#pragma once

#include <string>

namespace qs {

class IFileSystem;
class TSyntaxScheme;

// Reads into a fresh scheme and assigns it only on success. Throws qs::Error
// "Can't read syntax scheme from file "<path>"." (or the too-large error).
void LoadSchemeFile(IFileSystem& files, const std::string& path, TSyntaxScheme& scheme);

}  // namespace qs
