#include "textmodel/stringitem.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace qs {

void LineText::Release() noexcept {
  if (m_capacity != 0) delete[] m_data;
  m_data = nullptr;
  m_size = 0;
  m_capacity = 0;
}

void LineText::Assign(StringView text) {
  if (text.size() > std::numeric_limits<std::uint32_t>::max())
    throw std::length_error("line too long");
  const auto size = static_cast<std::uint32_t>(text.size());
  if (size == 0) {
    Release();
    return;
  }
  // The text may be a view of this very buffer (a caller cutting its own line).
  if (size > m_capacity || m_capacity == 0) {
    Char* fresh = new Char[size];
    std::memcpy(fresh, text.data(), size * sizeof(Char));
    Release();
    m_data = fresh;
    m_capacity = size;
  } else {
    std::memmove(m_data, text.data(), size * sizeof(Char));
  }
  m_size = size;
}

const std::string& TStringItem::LineData() const noexcept {
  static const std::string kNone;
  return m_lineData ? *m_lineData : kNone;
}

void TStringItem::SetLineData(std::string data) {
  if (data.empty())
    m_lineData.reset();
  else if (m_lineData)
    *m_lineData = std::move(data);
  else
    m_lineData = std::make_unique<std::string>(std::move(data));
}

void LineText::Borrow(const Char* data, std::uint32_t size) noexcept {
  Release();
  m_data = const_cast<Char*>(data);  // never written through: capacity 0 marks it foreign
  m_size = size;
}

}  // namespace qs
