// The process-wide cache of character widths used when an editor control
// lays text out in each character's own width: up to 32 fonts in
// most-recently-used order, each with its metrics and the advances of the
// codes 0..255 (other characters are measured when first asked for).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/canvas.h"
#include "platform/font.h"

namespace qs {

class TFontManager {
 public:
  static constexpr std::size_t kCapacity = 32;

  TFontManager() = default;
  TFontManager(const TFontManager&) = delete;
  TFontManager& operator=(const TFontManager&) = delete;

  // Measurements are taken on device with font selected; the device's own
  // font is put back afterwards. Entries are kept per device and font.
  const FontMetrics& Metrics(ICanvas& device, const FontSpec& font);
  int CharWidth(ICanvas& device, const FontSpec& font, Char c);
  // The sum of the characters' widths; widths, when given, receives each.
  std::int64_t TextWidth(ICanvas& device, const FontSpec& font, StringView text,
                         std::vector<int>* widths = nullptr);
  // The index of the character containing the pixel offset from the text's
  // start (text.size() past its end). With round, an offset in the right half
  // of a character gives the next index.
  std::size_t CharAtOffset(ICanvas& device, const FontSpec& font, StringView text,
                           std::int64_t offset, bool round);

  std::size_t Count() const noexcept { return m_entries.size(); }
  // How many fonts were measured afresh: what the cache saved shows here.
  std::int64_t Measurements() const noexcept { return m_measurements; }
  void Clear() noexcept { m_entries.clear(); }
  // Drops the entries of a device that is going away, so another one made at
  // its address later does not find them.
  void Forget(const ICanvas& device) noexcept;

 private:
  struct Entry {
    const ICanvas* device = nullptr;
    FontSpec font;
    FontMetrics metrics;
    std::array<int, 256> widths{};
    std::unordered_map<Char, int> wide;
  };
  Entry& Lookup(ICanvas& device, const FontSpec& font);
  void Measure(ICanvas& device, Entry& entry);
  int WidthOf(ICanvas& device, Entry& entry, Char c);

  // Most recently used first.
  std::vector<std::unique_ptr<Entry>> m_entries;
  std::int64_t m_measurements = 0;
};

TFontManager& FontManager();

}  // namespace qs
