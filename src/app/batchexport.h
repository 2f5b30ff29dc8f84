// The command line's batch mode: export a file to HTML or RTF with no
// window, and the option list. Runs before any toolkit starts, so it needs
// no display.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace qs {

// Empty when the arguments ask for the window; otherwise the exit status
// after the export (0 done, 1 failed with a one-line message on err) or
// after the help text on out.
std::optional<int> RunBatchMode(const std::vector<std::string>& args, std::FILE* out,
                                std::FILE* err);

}  // namespace qs
