#include "platform/font.h"

#include <cstdlib>

namespace qs {
namespace {

int RoundedDiv(long long num, long long den) {
  if (den <= 0) return 0;
  return static_cast<int>((num + den / 2) / den);
}

}  // namespace

int HeightFromPoints(int points, int dpi) {
  return -RoundedDiv(std::llabs(points) * dpi, 72);
}

int PointsFromHeight(int height, int dpi) {
  return RoundedDiv(std::llabs(height) * 72, dpi);
}

int FontSpec::CharacterHeight(int dpi) const {
  if (height != 0) return std::abs(height);
  return -HeightFromPoints(size, dpi);
}

}  // namespace qs
