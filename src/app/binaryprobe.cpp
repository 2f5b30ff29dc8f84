#include "app/binaryprobe.h"

#include <algorithm>
#include <string>

namespace qs {

namespace {

constexpr std::size_t kProbeSize = 64 * 1024;

bool StartsWithUtf16Mark(const std::string& head) {
  return head.size() >= 2 &&
         ((head[0] == '\xFF' && head[1] == '\xFE') || (head[0] == '\xFE' && head[1] == '\xFF'));
}

}  // namespace

bool LooksBinary(TByteSource& bytes) {
  std::string head(kProbeSize, '\0');
  std::size_t filled = 0;
  while (filled < head.size()) {
    const std::size_t got = bytes.Read(head.data() + filled, head.size() - filled);
    if (got == 0) break;
    filled += got;
  }
  head.resize(filled);
  return !StartsWithUtf16Mark(head) && std::find(head.begin(), head.end(), '\0') != head.end();
}

}  // namespace qs
