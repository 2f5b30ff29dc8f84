#include "support/bytesource.h"

#include <algorithm>
#include <cstring>

namespace qs {

std::size_t TMemoryByteSource::Read(char* buffer, std::size_t size) {
  const std::size_t n = std::min(size, m_bytes.size() - m_pos);
  if (n == 0) return 0;
  std::memcpy(buffer, m_bytes.data() + m_pos, n);
  m_pos += n;
  return n;
}

}  // namespace qs
