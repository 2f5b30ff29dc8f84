// What the program's arguments ask for: a file to open, and whether to print
// it. A name with blanks given without quotes arrives split over several
// arguments; it is put back together here, once, at start.
#pragma once

#include <string>
#include <vector>

namespace qs {

class IFileSystem;

struct TCommandLine {
  std::string fileName;  // empty: a new untitled document
  bool print = false;
};

// "/p" counts as the switch when it is the first or the last argument. The
// file is the first other argument; when no file of that name exists, the
// other arguments joined with single blanks are taken if that file exists.
TCommandLine ParseCommandLine(const std::vector<std::string>& args, const IFileSystem& files);

}  // namespace qs
