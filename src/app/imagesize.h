// The pixel size of a PNG, GIF or JPEG image, read from its header by our
// own small readers. Bytes that are no such image, or are cut short, give no size.
#pragma once

#include <optional>
#include <string_view>

namespace qs {

struct TImageSize {
  int width = 0;
  int height = 0;
  bool operator==(const TImageSize&) const = default;
};

std::optional<TImageSize> ReadImageSize(std::string_view bytes);

}  // namespace qs
