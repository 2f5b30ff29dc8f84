// A saved arrangement of the window's dock panels as the settings keep it:
// the toolkit's own bytes inside a small frame of ours (a mark, a version,
// the length and a CRC-32), so a record cut short or changed by hand is
// recognised before the toolkit is handed anything. Writing and reading share
// one bound on the arrangement's size.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace qs {

using LayoutBytes = std::vector<std::uint8_t>;

inline constexpr std::size_t kMaxLayoutBytes = 65535;

// Throws qs::Error for an arrangement above kMaxLayoutBytes.
LayoutBytes EncodeLayoutRecord(const LayoutBytes& arrangement);
// The arrangement, or nullopt for a record that is damaged, of another
// version or above the bound.
std::optional<LayoutBytes> DecodeLayoutRecord(const LayoutBytes& record);

}  // namespace qs
