#include "support/movedaside.h"

#include "support/errors.h"

namespace qs {

namespace {

// Beyond this many kept copies something is wrong; the bad file then stays put.
constexpr int kMaxBadCopies = 1000;

}  // namespace

std::string MoveAsideAsBad(IFileAccess& files, const std::string& path) {
  std::string target = path + ".bad";
  for (int n = 1; files.Exists(target); ++n) {
    if (n > kMaxBadCopies) throw Error("too many damaged copies are kept beside it");
    target = path + ".bad." + std::to_string(n);
  }
  files.Rename(path, target);
  return target;
}

}  // namespace qs
