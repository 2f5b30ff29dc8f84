// Which shipped syntax scheme a file gets: the first scheme, in catalogue
// order, whose extension list names the file's extension. Index 0 stands for
// "None" and scheme i for the selector item i, as the catalogue numbers them.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "support/qschar.h"

namespace qs {

class IFileSystem;
class TCustomMemoSource;

struct TSchemeEntry {
  std::string name;  // the scheme file's name in its folder, spelt as on disk
  String schemeName;
  String extensions;  // without dots, separated by ";"
};

// 0 when the name has no extension or no entry lists it.
int SchemeIndexForFile(std::span<const TSchemeEntry> entries, StringView fileName);

// SchemeIndexForFile, then for a name without an extension a browser-cache
// path or an "<html" in one of the document's first ten lines choose the
// scheme for ".html".
int AutoSchemeIndex(std::span<const TSchemeEntry> entries, StringView fileName,
                    const TCustomMemoSource& document);

// The "*.sch" files of folder in listing order, each read for its name and
// extensions. A file that cannot be read as a scheme is left out; a missing
// folder gives no entries.
std::vector<TSchemeEntry> ReadSchemeFolder(IFileSystem& files, const std::string& folder);

}  // namespace qs
