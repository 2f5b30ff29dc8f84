#include "editor/fontcache.h"

#include <algorithm>

namespace qs {

namespace {

// Selects a font on a device for as long as it lives.
class FontSelection {
 public:
  FontSelection(ICanvas& device, const FontSpec& font) : m_device(device), m_saved(device.Font()) {
    if (!(m_saved == font)) m_device.SetFont(font);
  }
  ~FontSelection() {
    if (!(m_device.Font() == m_saved)) m_device.SetFont(m_saved);
  }
  FontSelection(const FontSelection&) = delete;
  FontSelection& operator=(const FontSelection&) = delete;

 private:
  ICanvas& m_device;
  FontSpec m_saved;
};

}  // namespace

TFontManager::Entry& TFontManager::Lookup(ICanvas& device, const FontSpec& font) {
  const auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const auto& e) {
    return e->device == &device && e->font == font;
  });
  if (found != m_entries.end()) {
    std::rotate(m_entries.begin(), found, found + 1);
    return *m_entries.front();
  }
  if (m_entries.size() < kCapacity) m_entries.push_back(std::make_unique<Entry>());
  // The least recently used entry is measured again for the new font.
  std::rotate(m_entries.begin(), m_entries.end() - 1, m_entries.end());
  Entry& entry = *m_entries.front();
  entry.device = &device;
  entry.font = font;
  Measure(device, entry);
  return entry;
}

void TFontManager::Measure(ICanvas& device, Entry& entry) {
  ++m_measurements;
  const FontSelection selection(device, entry.font);
  entry.metrics = device.Metrics();
  entry.wide.clear();
  for (std::size_t c = 0; c < entry.widths.size(); ++c)
    entry.widths[c] = std::max(device.CharWidth(static_cast<Char>(c)), 0);
}

int TFontManager::WidthOf(ICanvas& device, Entry& entry, Char c) {
  if (c < entry.widths.size()) return entry.widths[c];
  if (const auto found = entry.wide.find(c); found != entry.wide.end()) return found->second;
  const FontSelection selection(device, entry.font);
  const int width = std::max(device.CharWidth(c), 0);
  entry.wide.emplace(c, width);
  return width;
}

const FontMetrics& TFontManager::Metrics(ICanvas& device, const FontSpec& font) {
  return Lookup(device, font).metrics;
}

int TFontManager::CharWidth(ICanvas& device, const FontSpec& font, Char c) {
  return WidthOf(device, Lookup(device, font), c);
}

std::int64_t TFontManager::TextWidth(ICanvas& device, const FontSpec& font, StringView text,
                                     std::vector<int>* widths) {
  Entry& entry = Lookup(device, font);
  if (widths != nullptr) widths->clear();
  std::int64_t total = 0;
  for (const Char c : text) {
    const int width = WidthOf(device, entry, c);
    total += width;
    if (widths != nullptr) widths->push_back(width);
  }
  return total;
}

std::size_t TFontManager::CharAtOffset(ICanvas& device, const FontSpec& font, StringView text,
                                       std::int64_t offset, bool round) {
  if (offset < 0) return 0;
  Entry& entry = Lookup(device, font);
  std::int64_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int width = WidthOf(device, entry, text[i]);
    if (offset < start + width) return round && offset - start > width / 2 ? i + 1 : i;
    start += width;
  }
  return text.size();
}

void TFontManager::Forget(const ICanvas& device) noexcept {
  std::erase_if(m_entries, [&](const auto& e) { return e->device == &device; });
}

TFontManager& FontManager() {
  static TFontManager manager;
  return manager;
}

}  // namespace qs
