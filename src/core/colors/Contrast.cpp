#include "colors/Contrast.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {
// One sRGB channel (0..255) as linear light.
double Linear(uint32_t channel) {
  const double c = double(channel & 0xFF) / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
}  // namespace

double RelativeLuminance(uint32_t color) {
  return 0.2126 * Linear(color) + 0.7152 * Linear(color >> 8) + 0.0722 * Linear(color >> 16);
}

double ContrastRatio(uint32_t first, uint32_t second) {
  const double a = RelativeLuminance(first), b = RelativeLuminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

namespace {
// first mixed with second: weight 0 gives first, 256 gives second.
uint32_t Mix(uint32_t first, uint32_t second, uint32_t weight) {
  uint32_t mixed = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const uint32_t a = first >> shift & 0xFF, b = second >> shift & 0xFF;
    mixed |= ((a * (256 - weight) + b * weight + 128) / 256) << shift;
  }
  return mixed;
}

// The least weight of target that makes preferred readable on back (257: none does).
uint32_t WeightToReadable(uint32_t preferred, uint32_t target, uint32_t back) {
  if (ContrastRatio(target, back) < ReadableContrast) return 257;
  uint32_t low = 0, high = 256;  // the contrast grows with the weight
  while (low < high) {
    const uint32_t mid = (low + high) / 2;
    if (ContrastRatio(Mix(preferred, target, mid), back) >= ReadableContrast) high = mid;
    else low = mid + 1;
  }
  return low;
}
}  // namespace

uint32_t ReadableTextColor(uint32_t preferred, uint32_t back) {
  preferred &= 0xFFFFFF;
  if (ContrastRatio(preferred, back) >= ReadableContrast) return preferred;
  constexpr uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF;
  const uint32_t toBlack = WeightToReadable(preferred, kBlack, back);
  const uint32_t toWhite = WeightToReadable(preferred, kWhite, back);
  if (toBlack > 256 && toWhite > 256)
    return ContrastRatio(kBlack, back) >= ContrastRatio(kWhite, back) ? kBlack : kWhite;
  return toBlack <= toWhite ? Mix(preferred, kBlack, toBlack) : Mix(preferred, kWhite, toWhite);
}

}  // namespace qv
