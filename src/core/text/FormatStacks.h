// The enhancer's format state: sixteen properties, each a stack of 100 levels
// whose level 0 holds the default. A level carries a value and the marker of
// the command that pushed it ('+', '*', '/' or 0 for none).
#pragma once
#include <cstdint>
#include <string>

namespace qv {

enum TFormatProperty : int {
  fpUnderline = 0,
  fpItalic,
  fpBold,
  fpFontName,
  fpFontSize,          // points
  fpCharSpacing,       // tenths of a millimetre
  fpBackColor,         // colour or NoColor
  fpForeColor,
  fpEmphaColor,
  fpSecondEmphaColor,
  fpAlignment,         // 0 left, 1 right, 2 centre, 3 justified
  fpLeftIndent,        // millimetres
  fpRightIndent,       // millimetres
  fpFirstLineIndent,   // millimetres
  fpSpaceAfter,        // millimetres
  fpLineSpacing,       // percent
  FormatPropertyCount
};

constexpr uint32_t NoColor = 0x1FFFFFFF;  // "none" of BackColor
constexpr int FormatStackLevels = 100;
constexpr const char* DefaultFontName = "Times New Roman";

class TFormatStacks {
 public:
  TFormatStacks();

  // Current values (at the property's depth). Colours are returned as their bits.
  int32_t Value(int property) const { return values_[property][depth_[property]]; }
  uint32_t Color(int property) const { return uint32_t(Value(property)); }
  bool Flag(int property) const { return Value(property) != 0; }
  const std::string& FontName() const { return fontNames_[depth_[fpFontName]]; }
  // Level-0 values.
  int32_t Default(int property) const { return values_[property][0]; }
  const std::string& DefaultFont() const { return fontNames_[0]; }

  int Depth(int property) const { return depth_[property]; }
  char Marker(int property) const { return markers_[property][depth_[property]]; }

  // Push: at depth 99 the depth first wraps to 0, so level 0 is never overwritten.
  void Push(int property, int32_t value, char marker);
  void PushFont(const std::string& name, char marker);
  void PushDefault(int property, char marker);  // pushes the level-0 value
  void Pop(int property);                       // nothing at depth 0
  // Pops once each property whose current level was pushed with '+'.
  void PopSingleUse();
  // Every depth 0, every marker cleared.
  void ResetStacks();
  // Writes value into all levels of the property.
  void SetAll(int property, int32_t value);
  void SetAllFonts(const std::string& name);
  // Makes the current value of every property its level-0 value.
  void MakeCurrentDefault();

 private:
  int NextDepth(int property);

  int32_t values_[FormatPropertyCount][FormatStackLevels];
  char markers_[FormatPropertyCount][FormatStackLevels];
  int depth_[FormatPropertyCount];
  std::string fontNames_[FormatStackLevels];
};

}  // namespace qv
