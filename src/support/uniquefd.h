// An open file descriptor that closes itself, so no early return or exception
// leaks one.
#pragma once

#include <unistd.h>

#include <utility>

namespace qs {

class UniqueFd {
 public:
  explicit UniqueFd(int fd = -1) : m_fd(fd) {}
  ~UniqueFd() {
    if (m_fd >= 0) ::close(m_fd);
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  UniqueFd(UniqueFd&& other) noexcept : m_fd(other.Release()) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
      Close();
      m_fd = other.Release();
    }
    return *this;
  }

  int Get() const { return m_fd; }
  bool IsOpen() const { return m_fd >= 0; }
  int Release() { return std::exchange(m_fd, -1); }

  // Closes now and reports how it went (0, or -1 with errno), since a close may
  // be the first to hear of a failed write. Closing a closed one does nothing.
  int Close() { return IsOpen() ? ::close(Release()) : 0; }

 private:
  int m_fd;
};

}  // namespace qs
