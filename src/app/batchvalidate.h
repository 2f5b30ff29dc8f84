// The command line's "--validate FILE...": each file's messages as
// FILE:LINE:COL: severity: text, with no window, for use in a build.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace qs {

// files: the arguments after "--validate". Returns the exit status: 0 when
// no file has an error (warnings allowed), 1 when one has or cannot be read,
// 2 when no file was named.
int RunValidateMode(const std::vector<std::string>& files, std::FILE* out, std::FILE* err);

}  // namespace qs
