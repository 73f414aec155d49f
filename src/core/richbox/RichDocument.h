// The content of a rich-box held in memory: paragraphs with their paragraph
// format and character-format runs. Used by the in-memory rich-box and as the
// unit a platform rich-box can stream to its control in one go.
//
// The text is UTF-8 (read as encoding/Utf8.h says). Positions and lengths
// count UTF-16 units, as the control counts characters, and every paragraph
// break as two. The last paragraph is the final one, with no break after it.
#pragma once
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "richbox/RichFormats.h"

namespace qv {

constexpr uint32_t NoBackColor = 0xFFFFFFFF;  // a stored style without a background colour

class TRichDocument {
 public:
  struct TRunView {
    int32_t Start;   // relative to the paragraph
    int32_t Length;
    const TCharFormat* Format;  // resolved: every attribute meaningful
  };

  TRichDocument();

  // Removes all text; the format at the end of the text and the final
  // paragraph's format stay, as when a control's text is deleted.
  void Clear();

  int32_t ParagraphCount() const { return int32_t(paras_.size()); }
  int32_t ParagraphStart(int32_t p) const { return paras_[p].Start; }
  int32_t ParagraphLength(int32_t p) const { return paras_[p].Length; }  // in units
  std::string_view ParagraphText(int32_t p) const {
    return std::string_view(text_).substr(paras_[p].Offset, paras_[p].Bytes);
  }
  // The byte offset in ParagraphText(p) of the character holding unit offset
  // (its length from the end on).
  size_t ByteOffsetIn(int32_t p, int32_t offset) const;
  // The paragraph holding position (a break belongs to the paragraph before it); clipped.
  int32_t FindParagraph(int32_t position) const;
  int32_t TextLength() const { return paras_.back().Start + paras_.back().Length; }

  // Text of [start, end) with breaks as "\r\n"; clipped to the text.
  std::string Text(int32_t start, int32_t end) const;
  std::string WholeText() const { return Text(0, TextLength()); }

  // One paragraph at the end in the end format; a non-empty final paragraph is
  // ended first. Answers its length.
  int32_t AppendLine(std::string_view text);
  // Appends characters to the final paragraph in a resolved style (for readers).
  void AppendText(std::string_view text, const TCharFormat& style);
  // Ends the final paragraph; the new final paragraph copies its paragraph format.
  void EndParagraph();
  void ReserveText(size_t bytes) { text_.reserve(bytes); }
  // Puts other characters in place of the text (breaks as "\r\n"), keeping
  // every format: only when each paragraph keeps its length in units; false,
  // changing nothing, otherwise.
  bool ReplaceCharacters(std::string_view text);

  // Applies the masked attributes of format to [start, end); includeEnd also
  // changes the format at the end of the text (the final paragraph mark).
  void ApplyCharFormat(int32_t start, int32_t end, const TCharFormat& format, bool includeEnd);
  // Applies the masked attributes to every paragraph touched by [start, end]
  // (a collapsed range touches the paragraph holding it).
  void ApplyParaFormat(int32_t start, int32_t end, const TParaFormat& format);
  // Replaces the resolved paragraph format of one paragraph (for readers).
  void SetParagraphFormat(int32_t p, const TParaFormat& resolved);

  std::vector<TRunView> Runs(int32_t p) const;
  const TCharFormat& FormatAt(int32_t position) const;  // style of the character at position
  const TParaFormat& ParaFormat(int32_t p) const { return paraFormats_[paras_[p].Para]; }
  const TCharFormat& EndFormat() const { return charFormats_[endFormat_]; }
  void SetEndFormat(const TCharFormat& resolved) {
    endFormat_ = InternChar(resolved);
    if (paras_.back().Length == 0) paras_.back().Format = endFormat_;
  }

  static TCharFormat DefaultCharStyle();
  static TParaFormat DefaultParaStyle();

 private:
  struct TRun {
    int32_t Start;
    uint32_t Format;
  };
  struct TParagraph {
    uint32_t Offset = 0;      // into text_
    uint32_t Bytes = 0;       // of its text
    int32_t Start = 0;        // its position
    int32_t Length = 0;       // in units; equal to Bytes exactly when every character is one byte
    uint32_t Para = 0;        // index into paraFormats_
    uint32_t Format = 0;      // the only style when Runs is empty
    std::vector<TRun> Runs;   // more than one run, starts ascending, first at 0
  };
  using TCharKey = std::array<char, 20 + MaxFaceNameBytes + 1>;
  using TParaKey = std::array<char, 156>;
  struct TKeyHash {
    template <size_t N>
    size_t operator()(const std::array<char, N>& key) const {
      uint64_t h = 0x9E3779B97F4A7C15ull;
      for (size_t i = 0; i + 4 <= N; i += 4) {
        uint32_t word;
        std::memcpy(&word, key.data() + i, 4);
        h = (h ^ word) * 0xBF58476D1CE4E5B9ull;
        h ^= h >> 29;
      }
      return size_t(h);
    }
  };
  // Recent merges of a style with an applied format: emphasis and per-paragraph
  // formats repeat the same few merges over and over.
  struct TMergeMemo {
    uint32_t In = UINT32_MAX;
    uint32_t Mask = 0;
    TCharKey Applied{};
    uint32_t Out = 0;
  };
  static constexpr unsigned MergeMemoSize = 8;

  static TCharKey PackChar(const TCharFormat& f);
  uint32_t InternChar(const TCharFormat& resolved);
  uint32_t InternPara(const TParaFormat& resolved);
  uint32_t MergeChar(uint32_t index, const TCharFormat& format, uint32_t mask);
  uint32_t MergeUncached(uint32_t index, const TCharFormat& format, uint32_t mask);
  void ApplyToRuns(TParagraph& para, int32_t from, int32_t to, const TCharFormat& format, uint32_t mask);
  void AppendParagraph(uint32_t para, uint32_t format);

  std::string text_;
  std::vector<TParagraph> paras_;
  std::vector<TCharFormat> charFormats_;
  std::vector<TParaFormat> paraFormats_;
  std::unordered_map<TCharKey, uint32_t, TKeyHash> charIndex_;
  std::unordered_map<TParaKey, uint32_t, TKeyHash> paraIndex_;
  uint32_t endFormat_ = 0;
  TMergeMemo memo_[MergeMemoSize];
  unsigned memoNext_ = 0;
};

}  // namespace qv
