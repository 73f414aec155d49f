// Positions between a control that counts each paragraph break as one
// character and the rich-box interface that counts it as two (CR LF).
//
// The index holds the control positions of the breaks, in order. A position
// of the interface that falls between the CR and the LF of a break maps to the
// break itself. Negative positions pass through unchanged.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

namespace qv {

class TBreakIndex {
 public:
  // Rebuilds from the control's text, in which '\r' is the paragraph break.
  void Rebuild(std::u16string_view controlText);
  void Rebuild(std::string_view controlText);
  void Invalidate() { valid_ = false; }
  bool Valid() const { return valid_; }
  // Appends text at the control's end (controlLength before it); keeps the index valid.
  void Append(int32_t controlLength, std::u16string_view text);

  int32_t BreakCount() const { return int32_t(breaks_.size()); }
  int32_t ToWide(int32_t narrow) const;   // control → interface
  int32_t ToNarrow(int32_t wide) const;   // interface → control

 private:
  template <typename Text>
  void Scan(Text text, int32_t base);
  std::vector<int32_t> breaks_;
  bool valid_ = false;
};

// The interface form of the control's text: every '\r' becomes "\r\n".
std::u16string WidenBreaks(std::u16string_view controlText);

}  // namespace qv
