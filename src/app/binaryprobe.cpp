#include "app/binaryprobe.h"

#include <algorithm>
#include <string>

#include "support/encoding.h"

namespace qs {

namespace {

constexpr std::size_t kProbeSize = 64 * 1024;

// UTF-16 text, with a byte-order mark or recognised without one, holds zero
// bytes in plenty.
bool IsUtf16Text(const std::string& head) {
  const Encoding found = DetectEncoding(head).encoding;
  return found == Encoding::Utf16LE || found == Encoding::Utf16BE;
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
  return std::find(head.begin(), head.end(), '\0') != head.end() && !IsUtf16Text(head);
}

}  // namespace qs
