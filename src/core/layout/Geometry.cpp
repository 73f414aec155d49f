#include "layout/Geometry.h"

#include <cstdint>

namespace qv {

int ScaleToDpi(int designPixels, int dpi) {
  const int64_t product = int64_t(designPixels) * dpi;
  const int64_t half = kDesignDpi / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi));
}

TRect ScaleToDpi(const TRect& design, int dpi) {
  const int left = ScaleToDpi(design.Left, dpi), top = ScaleToDpi(design.Top, dpi);
  return {left, top, ScaleToDpi(design.Left + design.Width, dpi) - left,
          ScaleToDpi(design.Top + design.Height, dpi) - top};
}

TPlace ScaleToDpi(const TPlace& design, int dpi) {
  const TRect r = ScaleToDpi(TRect{design.Left, design.Top, design.Width, design.Height}, dpi);
  return {design.Name, r.Left, r.Top, r.Width, r.Height};
}

}  // namespace qv
