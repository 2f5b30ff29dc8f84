// Bytes read a chunk at a time, so a large file never has to sit in memory
// whole beside what is made of it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qs {

class TByteSource {
 public:
  virtual ~TByteSource() = default;
  // Up to size bytes into buffer; 0 at the end. Throws qs::Error on a read failure.
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
  // Back to the first byte (a second reading in another encoding).
  virtual void Rewind() = 0;
};

// Reads bytes that outlive it.
class TMemoryByteSource : public TByteSource {
 public:
  explicit TMemoryByteSource(std::string_view bytes) : m_bytes(bytes) {}
  std::size_t Read(char* buffer, std::size_t size) override;
  void Rewind() override { m_pos = 0; }

 private:
  std::string_view m_bytes;
  std::size_t m_pos = 0;
};

// Reads bytes it holds itself.
class TOwnedByteSource : public TByteSource {
 public:
  explicit TOwnedByteSource(std::string bytes) : m_bytes(std::move(bytes)), m_reader(m_bytes) {}
  std::size_t Read(char* buffer, std::size_t size) override { return m_reader.Read(buffer, size); }
  void Rewind() override { m_reader.Rewind(); }

 private:
  std::string m_bytes;
  TMemoryByteSource m_reader;
};

}  // namespace qs
