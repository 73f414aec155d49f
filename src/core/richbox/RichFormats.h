// Character and paragraph format records of the rich-box, as plain portable
// records. Field meanings, mask bits and effect bits are those of the Rich Edit
// interface (CHARFORMAT/CHARFORMAT2, PARAFORMAT/PARAFORMAT2); Extended selects
// the second generation. A box given a basic record ignores the fields only the
// extended record has (spacing, background colour, space after, line spacing,
// tab stops), whatever the mask says.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "encoding/Utf8.h"

namespace qv {

// Character mask bits. The values are the Rich Edit interface's; the names
// are our own, so that no file depends on include order with <richedit.h>.
namespace CharMask {
constexpr uint32_t Bold = 0x00000001;
constexpr uint32_t Italic = 0x00000002;
constexpr uint32_t Underline = 0x00000004;
constexpr uint32_t BackColor = 0x04000000;
constexpr uint32_t Spacing = 0x00200000;
constexpr uint32_t Face = 0x20000000;
constexpr uint32_t Color = 0x40000000;
constexpr uint32_t Size = 0x80000000;
// The bits a basic record carries.
constexpr uint32_t Basic = Bold | Italic | Underline | Face | Color | Size;
constexpr uint32_t AllUsed = Basic | Spacing | BackColor;
}  // namespace CharMask

// Character effect bits.
namespace CharEffect {
constexpr uint32_t Bold = 0x00000001;
constexpr uint32_t Italic = 0x00000002;
constexpr uint32_t Underline = 0x00000004;
}  // namespace CharEffect

// Paragraph mask bits.
namespace ParaMask {
constexpr uint32_t StartIndent = 0x00000001;
constexpr uint32_t RightIndent = 0x00000002;
constexpr uint32_t Offset = 0x00000004;
constexpr uint32_t Alignment = 0x00000008;
constexpr uint32_t TabStops = 0x00000010;
constexpr uint32_t SpaceAfter = 0x00000080;
constexpr uint32_t LineSpacing = 0x00000100;
constexpr uint32_t Basic = StartIndent | RightIndent | Offset | Alignment;
constexpr uint32_t AllUsed = Basic | TabStops | SpaceAfter | LineSpacing;
}  // namespace ParaMask

// Alignment values.
namespace ParaAlign {
constexpr uint16_t Left = 1;
constexpr uint16_t Right = 2;
constexpr uint16_t Center = 3;
constexpr uint16_t Justify = 4;
}  // namespace ParaAlign

// Line-spacing rules: how TParaFormat::LineSpacing is read.
namespace LineRule {
constexpr uint8_t Single = 0;
constexpr uint8_t OneAndHalf = 1;
constexpr uint8_t Double = 2;
constexpr uint8_t AtLeast = 3;    // LineSpacing twips or more
constexpr uint8_t Exactly = 4;    // LineSpacing twips
constexpr uint8_t Multiple = 5;   // LineSpacing twentieths of a single line
}  // namespace LineRule

constexpr int MaxTabStops = 32;
constexpr int MaxFaceNameLength = 31;  // characters, as UTF-16 units (the system's LF_FACESIZE - 1)
// The bytes of the longest face name in UTF-8: at most three a unit.
constexpr int MaxFaceNameBytes = MaxFaceNameLength * 3;

// Where a character format goes.
enum class TFormatTarget { Selection, All, Default };

struct TCharFormat {
  bool Extended = false;     // CHARFORMAT2 (84 bytes) when true, CHARFORMAT (60 bytes) otherwise
  uint32_t Mask = 0;         // CharMask bits
  uint32_t Effects = 0;      // CharEffect bits
  int32_t Height = 0;        // twips
  uint32_t TextColor = 0;    // 0x00BBGGRR
  char FaceName[MaxFaceNameBytes + 1] = {};  // UTF-8
  int16_t Spacing = 0;       // twips, extended only
  uint32_t BackColor = 0;    // extended only

  // At most 31 characters, whole ones, as well-formed UTF-8; nothing from a NUL character on.
  void SetFaceName(const std::string& name) {
    std::string face;
    const std::string_view kept = std::string_view(name).substr(0, name.find('\0'));
    for (size_t i = 0; i < kept.size() && Utf16Length(face) < MaxFaceNameLength;) AppendUtf8(face, ReadChar(kept, i));
    if (Utf16Length(face) > MaxFaceNameLength) face.resize(ByteOffsetOfUnit(face, MaxFaceNameLength));
    std::memset(FaceName, 0, sizeof FaceName);
    std::memcpy(FaceName, face.data(), face.size());
  }
  std::string Face() const { return FaceName; }
  // The mask this record can carry: its own mask without the extended bits on a basic record.
  uint32_t EffectiveMask() const { return Extended ? (Mask & CharMask::AllUsed) : (Mask & CharMask::Basic); }
};

struct TParaFormat {
  bool Extended = false;        // PARAFORMAT2 (188 bytes) when true, PARAFORMAT (156 bytes) otherwise
  uint32_t Mask = 0;            // ParaMask bits
  uint16_t Alignment = ParaAlign::Left;
  int32_t StartIndent = 0;      // twips
  int32_t RightIndent = 0;      // twips
  int32_t Offset = 0;           // twips, of the lines after the first relative to the first
  int16_t TabCount = 0;
  int32_t Tabs[MaxTabStops] = {};
  int32_t SpaceAfter = 0;       // twips, extended only
  int32_t LineSpacing = 0;      // extended only; read after LineSpacingRule
  uint8_t LineSpacingRule = LineRule::Single;  // extended only

  uint32_t EffectiveMask() const { return Extended ? (Mask & ParaMask::AllUsed) : (Mask & ParaMask::Basic); }
};

// The record initialisers of the rich-box operations: all zeros, alignment left.
inline void InitCharFormat2(TCharFormat& f) { f = TCharFormat(); f.Extended = true; }
inline void InitCharFormat(TCharFormat& f) { f = TCharFormat(); }
inline void InitParaFormat2(TParaFormat& f) { f = TParaFormat(); f.Extended = true; }
inline void InitParaFormat(TParaFormat& f) { f = TParaFormat(); }

}  // namespace qv
