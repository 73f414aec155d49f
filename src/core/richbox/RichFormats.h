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

namespace qv {

// Character mask bits.
constexpr uint32_t CFM_BOLD = 0x00000001;
constexpr uint32_t CFM_ITALIC = 0x00000002;
constexpr uint32_t CFM_UNDERLINE = 0x00000004;
constexpr uint32_t CFM_BACKCOLOR = 0x04000000;
constexpr uint32_t CFM_SPACING = 0x00200000;
constexpr uint32_t CFM_FACE = 0x20000000;
constexpr uint32_t CFM_COLOR = 0x40000000;
constexpr uint32_t CFM_SIZE = 0x80000000;
// The bits a basic record carries.
constexpr uint32_t CFM_BASIC_MASK = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_FACE | CFM_COLOR | CFM_SIZE;
constexpr uint32_t CFM_ALL_USED = CFM_BASIC_MASK | CFM_SPACING | CFM_BACKCOLOR;

// Character effect bits.
constexpr uint32_t CFE_BOLD = 0x00000001;
constexpr uint32_t CFE_ITALIC = 0x00000002;
constexpr uint32_t CFE_UNDERLINE = 0x00000004;

// Paragraph mask bits.
constexpr uint32_t PFM_STARTINDENT = 0x00000001;
constexpr uint32_t PFM_RIGHTINDENT = 0x00000002;
constexpr uint32_t PFM_OFFSET = 0x00000004;
constexpr uint32_t PFM_ALIGNMENT = 0x00000008;
constexpr uint32_t PFM_TABSTOPS = 0x00000010;
constexpr uint32_t PFM_SPACEAFTER = 0x00000080;
constexpr uint32_t PFM_LINESPACING = 0x00000100;
constexpr uint32_t PFM_BASIC_MASK = PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET | PFM_ALIGNMENT;
constexpr uint32_t PFM_ALL_USED = PFM_BASIC_MASK | PFM_TABSTOPS | PFM_SPACEAFTER | PFM_LINESPACING;

// Alignment values.
constexpr uint16_t PFA_LEFT = 1;
constexpr uint16_t PFA_RIGHT = 2;
constexpr uint16_t PFA_CENTER = 3;
constexpr uint16_t PFA_JUSTIFY = 4;

constexpr int MaxTabStops = 32;
constexpr int MaxFaceNameLength = 31;

// Where a character format goes.
enum class TFormatTarget { Selection, All, Default };

struct TCharFormat {
  bool Extended = false;     // CHARFORMAT2 (84 bytes) when true, CHARFORMAT (60 bytes) otherwise
  uint32_t Mask = 0;         // CFM_*
  uint32_t Effects = 0;      // CFE_*
  int32_t Height = 0;        // twips
  uint32_t TextColor = 0;    // 0x00BBGGRR
  char FaceName[MaxFaceNameLength + 1] = {};
  int16_t Spacing = 0;       // twips, extended only
  uint32_t BackColor = 0;    // extended only

  // At most 31 characters, and nothing from a NUL character on.
  void SetFaceName(const std::string& name) {
    size_t n = name.find('\0');
    if (n == std::string::npos) n = name.size();
    if (n > size_t(MaxFaceNameLength)) n = size_t(MaxFaceNameLength);
    std::memset(FaceName, 0, sizeof FaceName);
    std::memcpy(FaceName, name.data(), n);
  }
  std::string Face() const { return FaceName; }
  // The mask this record can carry: its own mask without the extended bits on a basic record.
  uint32_t EffectiveMask() const { return Extended ? (Mask & CFM_ALL_USED) : (Mask & CFM_BASIC_MASK); }
};

struct TParaFormat {
  bool Extended = false;        // PARAFORMAT2 (188 bytes) when true, PARAFORMAT (156 bytes) otherwise
  uint32_t Mask = 0;            // PFM_*
  uint16_t Alignment = PFA_LEFT;
  int32_t StartIndent = 0;      // twips
  int32_t RightIndent = 0;      // twips
  int32_t Offset = 0;           // twips, of the lines after the first relative to the first
  int16_t TabCount = 0;
  int32_t Tabs[MaxTabStops] = {};
  int32_t SpaceAfter = 0;       // twips, extended only
  int32_t LineSpacing = 0;      // extended only; with rule 5, twentieths of a line
  uint8_t LineSpacingRule = 0;  // extended only

  uint32_t EffectiveMask() const { return Extended ? (Mask & PFM_ALL_USED) : (Mask & PFM_BASIC_MASK); }
};

// The record initialisers of the rich-box operations: all zeros, alignment left.
inline void InitCharFormat2(TCharFormat& f) { f = TCharFormat(); f.Extended = true; }
inline void InitCharFormat(TCharFormat& f) { f = TCharFormat(); }
inline void InitParaFormat2(TParaFormat& f) { f = TParaFormat(); f.Extended = true; }
inline void InitParaFormat(TParaFormat& f) { f = TParaFormat(); }

}  // namespace qv
