// Stack operations of the format state.
#include "text/FormatStacks.h"

#include <cstring>

namespace qv {

TFormatStacks::TFormatStacks() {
  std::memset(values_, 0, sizeof values_);
  std::memset(markers_, 0, sizeof markers_);
  std::memset(depth_, 0, sizeof depth_);
  SetAllFonts(DefaultFontName);
  SetAll(fpBackColor, int32_t(NoColor));
}

int TFormatStacks::NextDepth(int property) {
  int& depth = depth_[property];
  if (depth == FormatStackLevels - 1) depth = 0;
  return ++depth;
}

void TFormatStacks::Push(int property, int32_t value, char marker) {
  const int depth = NextDepth(property);
  values_[property][depth] = value;
  markers_[property][depth] = marker;
}

void TFormatStacks::PushFont(const std::string& name, char marker) {
  const int depth = NextDepth(fpFontName);
  fontNames_[depth] = name;
  markers_[fpFontName][depth] = marker;
}

void TFormatStacks::PushDefault(int property, char marker) {
  if (property == fpFontName)
    PushFont(std::string(fontNames_[0]), marker);
  else
    Push(property, values_[property][0], marker);
}

void TFormatStacks::Pop(int property) {
  if (depth_[property] > 0) --depth_[property];
}

void TFormatStacks::PopSingleUse() {
  for (int p = 0; p < FormatPropertyCount; ++p)
    if (depth_[p] >= 1 && markers_[p][depth_[p]] == '+') --depth_[p];
}

void TFormatStacks::ResetStacks() {
  std::memset(depth_, 0, sizeof depth_);
  std::memset(markers_, 0, sizeof markers_);
}

void TFormatStacks::SetAll(int property, int32_t value) {
  for (int level = 0; level < FormatStackLevels; ++level) values_[property][level] = value;
}

void TFormatStacks::SetAllFonts(const std::string& name) {
  for (std::string& level : fontNames_) level = name;
}

void TFormatStacks::MakeCurrentDefault() {
  for (int p = 0; p < FormatPropertyCount; ++p) {
    if (p == fpFontName)
      fontNames_[0] = std::string(FontName());
    else
      values_[p][0] = Value(p);
  }
}

}  // namespace qv
