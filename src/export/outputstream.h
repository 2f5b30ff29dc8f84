// Where an exporter's bytes go: a file's bytes gathered in memory, the
// clipboard's, or a test's.
#pragma once

#include <string>
#include <string_view>

namespace qs {

class TOutputStream {
 public:
  virtual ~TOutputStream() = default;
  // Throws qs::Error when the bytes cannot be taken.
  virtual void Write(std::string_view bytes) = 0;
};

// Appends everything to one string.
class TStringStream final : public TOutputStream {
 public:
  void Write(std::string_view bytes) override { m_bytes.append(bytes); }
  const std::string& Bytes() const noexcept { return m_bytes; }
  std::string TakeBytes() noexcept { return std::move(m_bytes); }

 private:
  std::string m_bytes;
};

}  // namespace qs
