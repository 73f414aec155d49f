// Paragraph and run storage of the in-memory rich text.
#include "richbox/RichDocument.h"

#include <algorithm>
#include <cstring>

#include "encoding/Utf8.h"

namespace qv {

namespace {

template <class T>
void Put(char*& out, const T& value) {
  std::memcpy(out, &value, sizeof value);
  out += sizeof value;
}

}  // namespace

TCharFormat TRichDocument::DefaultCharStyle() {
  TCharFormat style;
  InitCharFormat2(style);
  style.Mask = CharMask::AllUsed;
  style.Height = 240;
  style.SetFaceName("Times New Roman");
  style.BackColor = NoBackColor;
  return style;
}

TParaFormat TRichDocument::DefaultParaStyle() {
  TParaFormat style;
  InitParaFormat2(style);
  style.Mask = ParaMask::AllUsed;
  style.LineSpacingRule = LineRule::Single;
  return style;
}

TRichDocument::TRichDocument() {
  endFormat_ = InternChar(DefaultCharStyle());
  AppendParagraph(InternPara(DefaultParaStyle()), endFormat_);
}

void TRichDocument::Clear() {
  const uint32_t para = paras_.back().Para;
  text_.clear();
  paras_.clear();
  AppendParagraph(para, endFormat_);
}

void TRichDocument::AppendParagraph(uint32_t para, uint32_t format) {
  TParagraph p;
  p.Offset = uint32_t(text_.size());
  if (!paras_.empty()) p.Start = paras_.back().Start + paras_.back().Length + 2;
  p.Para = para;
  p.Format = format;
  paras_.push_back(std::move(p));
}

TRichDocument::TCharKey TRichDocument::PackChar(const TCharFormat& f) {
  TCharKey key{};
  char* out = key.data();
  Put(out, f.Effects & (CharEffect::Bold | CharEffect::Italic | CharEffect::Underline));
  Put(out, f.Height);
  Put(out, f.TextColor);
  Put(out, f.Spacing);
  Put(out, f.BackColor);
  std::memcpy(out, f.FaceName, sizeof f.FaceName);
  return key;
}

uint32_t TRichDocument::InternChar(const TCharFormat& f) {
  const TCharKey key = PackChar(f);
  auto found = charIndex_.find(key);
  if (found != charIndex_.end()) return found->second;
  TCharFormat stored = f;
  stored.Extended = true;
  stored.Mask = CharMask::AllUsed;
  stored.Effects &= CharEffect::Bold | CharEffect::Italic | CharEffect::Underline;
  charFormats_.push_back(stored);
  const uint32_t index = uint32_t(charFormats_.size() - 1);
  charIndex_.emplace(key, index);
  return index;
}

uint32_t TRichDocument::InternPara(const TParaFormat& f) {
  TParaKey key{};
  char* out = key.data();
  Put(out, f.Alignment);
  Put(out, f.StartIndent);
  Put(out, f.RightIndent);
  Put(out, f.Offset);
  Put(out, f.TabCount);
  std::memcpy(out, f.Tabs, sizeof f.Tabs);
  out += sizeof f.Tabs;
  Put(out, f.SpaceAfter);
  Put(out, f.LineSpacing);
  Put(out, f.LineSpacingRule);
  auto found = paraIndex_.find(key);
  if (found != paraIndex_.end()) return found->second;
  TParaFormat stored = f;
  stored.Extended = true;
  stored.Mask = ParaMask::AllUsed;
  paraFormats_.push_back(stored);
  const uint32_t index = uint32_t(paraFormats_.size() - 1);
  paraIndex_.emplace(key, index);
  return index;
}

uint32_t TRichDocument::MergeChar(uint32_t index, const TCharFormat& f, uint32_t mask) {
  const TCharKey applied = PackChar(f);
  for (const TMergeMemo& memo : memo_)
    if (memo.In == index && memo.Mask == mask && memo.Applied == applied) return memo.Out;
  const uint32_t result = MergeUncached(index, f, mask);
  TMergeMemo& slot = memo_[memoNext_++ % MergeMemoSize];
  slot.In = index;
  slot.Mask = mask;
  slot.Applied = applied;
  slot.Out = result;
  return result;
}

uint32_t TRichDocument::MergeUncached(uint32_t index, const TCharFormat& f, uint32_t mask) {
  TCharFormat merged = charFormats_[index];
  const uint32_t effectBits = mask & (CharMask::Bold | CharMask::Italic | CharMask::Underline);
  merged.Effects = (merged.Effects & ~effectBits) | (f.Effects & effectBits);
  if (mask & CharMask::Size) merged.Height = f.Height;
  if (mask & CharMask::Color) merged.TextColor = f.TextColor;
  if (mask & CharMask::Face) std::memcpy(merged.FaceName, f.FaceName, sizeof merged.FaceName);
  if (mask & CharMask::Spacing) merged.Spacing = f.Spacing;
  if (mask & CharMask::BackColor) merged.BackColor = f.BackColor;
  return InternChar(merged);
}

int32_t TRichDocument::FindParagraph(int32_t position) const {
  if (position <= 0) return 0;
  // Last paragraph whose start is at or before position.
  int32_t lo = 0, hi = ParagraphCount() - 1;
  while (lo < hi) {
    const int32_t mid = lo + (hi - lo + 1) / 2;
    if (ParagraphStart(mid) <= position)
      lo = mid;
    else
      hi = mid - 1;
  }
  return lo;
}

size_t TRichDocument::ByteOffsetIn(int32_t p, int32_t offset) const {
  const TParagraph& para = paras_[size_t(p)];
  if (offset <= 0) return 0;
  if (offset >= para.Length) return para.Bytes;
  if (para.Bytes == uint32_t(para.Length)) return size_t(offset);
  return ByteOffsetOfUnit(ParagraphText(p), offset);
}

std::string TRichDocument::Text(int32_t start, int32_t end) const {
  const int32_t length = TextLength();
  start = std::max(start, 0);
  end = std::min(end, length);
  std::string result;
  if (start >= end) return result;
  result.reserve(size_t(end - start));
  for (int32_t p = FindParagraph(start); p < ParagraphCount(); ++p) {
    const int32_t ps = ParagraphStart(p);
    if (ps >= end) break;
    const bool last = p == ParagraphCount() - 1;
    const int32_t spanEnd = ps + ParagraphLength(p) + (last ? 0 : 2);
    // The paragraph's characters followed by its break, clipped to [start, end).
    const int32_t from = std::max(start, ps) - ps;
    const int32_t to = std::min(end, spanEnd) - ps;
    const int32_t length = ParagraphLength(p);
    if (from < length) {
      const size_t begin = ByteOffsetIn(p, from);
      result.append(ParagraphText(p).substr(begin, ByteOffsetIn(p, std::min(to, length)) - begin));
    }
    if (from <= length && to > length) result.push_back('\r');
    if (to > length + 1) result.push_back('\n');
  }
  return result;
}

void TRichDocument::EndParagraph() { AppendParagraph(paras_.back().Para, endFormat_); }

int32_t TRichDocument::AppendLine(std::string_view text) {
  if (paras_.back().Length > 0) EndParagraph();
  TParagraph& last = paras_.back();
  text_.append(text.data(), text.size());
  last.Bytes = uint32_t(text.size());
  last.Length = Utf16Length(text);
  last.Format = endFormat_;
  last.Runs.clear();
  const int32_t length = last.Length;
  EndParagraph();
  return length;
}

void TRichDocument::AppendText(std::string_view text, const TCharFormat& style) {
  if (text.empty()) return;
  const uint32_t format = InternChar(style);
  TParagraph& last = paras_.back();
  text_.append(text.data(), text.size());
  if (last.Length == 0) {
    last.Format = format;
  } else {
    const uint32_t current = last.Runs.empty() ? last.Format : last.Runs.back().Format;
    if (current != format) {
      if (last.Runs.empty()) last.Runs.push_back({0, last.Format});
      last.Runs.push_back({last.Length, format});
    }
  }
  last.Bytes += uint32_t(text.size());
  last.Length += Utf16Length(text);
}

bool TRichDocument::ReplaceCharacters(std::string_view text) {
  std::vector<std::string_view> parts;
  for (size_t begin = 0;;) {
    const size_t end = text.find("\r\n", begin);
    parts.push_back(text.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin));
    if (end == std::string_view::npos) break;
    begin = end + 2;
  }
  if (parts.size() != paras_.size()) return false;
  for (size_t p = 0; p < parts.size(); ++p)
    if (Utf16Length(parts[p]) != paras_[p].Length) return false;
  std::string replaced;
  replaced.reserve(text.size());
  for (size_t p = 0; p < parts.size(); ++p) {
    paras_[p].Offset = uint32_t(replaced.size());
    paras_[p].Bytes = uint32_t(parts[p].size());
    replaced.append(parts[p].data(), parts[p].size());
  }
  text_ = std::move(replaced);
  return true;
}

void TRichDocument::ApplyToRuns(TParagraph& para, int32_t from, int32_t to, const TCharFormat& format,
                                uint32_t mask) {
  if (para.Runs.empty()) {
    if (from <= 0 && to >= para.Length) {
      para.Format = MergeChar(para.Format, format, mask);
      return;
    }
    para.Runs.push_back({0, para.Format});
  }
  std::vector<TRun>& runs = para.Runs;
  auto split = [&runs](int32_t at) {
    auto it = std::upper_bound(runs.begin(), runs.end(), at,
                               [](int32_t value, const TRun& run) { return value < run.Start; });
    // it - 1 holds at; split it unless at is already a boundary
    auto holder = it - 1;
    if (holder->Start != at) runs.insert(it, TRun{at, holder->Format});
  };
  if (from > 0) split(from);
  if (to < para.Length) split(to);
  for (TRun& run : runs)
    if (run.Start >= from && run.Start < to) run.Format = MergeChar(run.Format, format, mask);
  // Merge neighbours of equal style.
  size_t kept = 0;
  for (size_t i = 1; i < runs.size(); ++i) {
    if (runs[i].Format != runs[kept].Format) runs[++kept] = runs[i];
  }
  runs.resize(kept + 1);
  if (runs.size() == 1) {
    para.Format = runs[0].Format;
    runs.clear();
    runs.shrink_to_fit();
  }
}

void TRichDocument::ApplyCharFormat(int32_t start, int32_t end, const TCharFormat& format, bool includeEnd) {
  const uint32_t mask = format.EffectiveMask();
  if (mask == 0) return;
  const int32_t length = TextLength();
  start = std::max(start, 0);
  end = std::min(end, length);
  if (start < end) {
    for (int32_t p = FindParagraph(start); p < ParagraphCount(); ++p) {
      const int32_t ps = ParagraphStart(p);
      if (ps >= end) break;
      const int32_t from = std::max(start - ps, 0);
      const int32_t to = std::min(end - ps, ParagraphLength(p));
      if (from < to) ApplyToRuns(paras_[size_t(p)], from, to, format, mask);
    }
  }
  if (includeEnd) {
    endFormat_ = MergeChar(endFormat_, format, mask);
    TParagraph& last = paras_.back();
    if (last.Length == 0) last.Format = endFormat_;
  }
}

void TRichDocument::ApplyParaFormat(int32_t start, int32_t end, const TParaFormat& f) {
  const uint32_t mask = f.EffectiveMask();
  if (mask == 0) return;
  const int32_t first = FindParagraph(start);
  const int32_t last = end > start ? FindParagraph(end - 1) : first;
  const int32_t lastPara = end > TextLength() ? ParagraphCount() - 1 : last;
  uint32_t previousIn = UINT32_MAX, previousOut = 0;
  for (int32_t p = first; p <= lastPara; ++p) {
    TParagraph& para = paras_[size_t(p)];
    if (para.Para == previousIn) {
      para.Para = previousOut;
      continue;
    }
    TParaFormat merged = paraFormats_[para.Para];
    if (mask & ParaMask::StartIndent) merged.StartIndent = f.StartIndent;
    if (mask & ParaMask::RightIndent) merged.RightIndent = f.RightIndent;
    if (mask & ParaMask::Offset) merged.Offset = f.Offset;
    if (mask & ParaMask::Alignment) merged.Alignment = f.Alignment;
    if (mask & ParaMask::TabStops) {
      merged.TabCount = std::min<int16_t>(std::max<int16_t>(f.TabCount, 0), int16_t(MaxTabStops));
      std::memset(merged.Tabs, 0, sizeof merged.Tabs);
      std::memcpy(merged.Tabs, f.Tabs, sizeof(int32_t) * size_t(merged.TabCount));
    }
    if (mask & ParaMask::SpaceAfter) merged.SpaceAfter = f.SpaceAfter;
    if (mask & ParaMask::LineSpacing) {
      merged.LineSpacing = f.LineSpacing;
      merged.LineSpacingRule = f.LineSpacingRule;
    }
    previousIn = para.Para;
    para.Para = InternPara(merged);
    previousOut = para.Para;
  }
}

void TRichDocument::SetParagraphFormat(int32_t p, const TParaFormat& resolved) {
  paras_[size_t(p)].Para = InternPara(resolved);
}

std::vector<TRichDocument::TRunView> TRichDocument::Runs(int32_t p) const {
  const TParagraph& para = paras_[size_t(p)];
  std::vector<TRunView> result;
  if (para.Runs.empty()) {
    result.push_back({0, para.Length, &charFormats_[para.Format]});
    return result;
  }
  for (size_t i = 0; i < para.Runs.size(); ++i) {
    const int32_t end = i + 1 < para.Runs.size() ? para.Runs[i + 1].Start : para.Length;
    result.push_back({para.Runs[i].Start, end - para.Runs[i].Start, &charFormats_[para.Runs[i].Format]});
  }
  return result;
}

const TCharFormat& TRichDocument::FormatAt(int32_t position) const {
  const int32_t p = FindParagraph(position);
  const TParagraph& para = paras_[size_t(p)];
  const int32_t i = position - ParagraphStart(p);
  if (i >= para.Length) {
    if (p == ParagraphCount() - 1) return charFormats_[endFormat_];
    return charFormats_[para.Runs.empty() ? para.Format : para.Runs.back().Format];
  }
  if (para.Runs.empty()) return charFormats_[para.Format];
  auto it = std::upper_bound(para.Runs.begin(), para.Runs.end(), i,
                             [](int32_t value, const TRun& run) { return value < run.Start; });
  return charFormats_[(it - 1)->Format];
}

}  // namespace qv
