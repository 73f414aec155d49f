// Reads the common subset of RTF into a TRichDocument.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "encoding/Utf8.h"
#include "richbox/Rtf.h"

namespace qv {

namespace {

enum class TDestination { Text, FontTable, ColorTable, Skip };

struct TState {
  TDestination Destination = TDestination::Text;
  TCharFormat Style;
  int32_t Left = 0, First = 0, Right = 0, SpaceAfter = 0, LineSpacing = 0;
  bool LineMultiple = false;
  uint16_t Alignment = ParaAlign::Left;
  std::vector<int32_t> Tabs;
  int UnicodeSkip = 1;
  int FontNumber = -1;  // inside the font table
};

bool IsSkippedDestination(const std::string& word) {
  static const char* const skipped[] = {
      "info", "stylesheet", "pict", "header", "footer", "headerl", "headerr", "headerf", "footerl",
      "footerr", "footerf", "footnote", "annotation", "object", "fldinst", "listtable",
      "listoverridetable", "revtbl", "rsidtbl", "generator", "xmlnstbl", "themedata",
      "colorschememapping", "latentstyles", "datastore", "pntext", "pn", "nonshppict", "shp",
      "filetbl", "private", "template", "bkmkstart", "bkmkend", "mmathPr", "pgdsctbl"};
  for (const char* name : skipped)
    if (word == name) return true;
  return false;
}

class TRtfReader {
 public:
  TRtfReader(const std::string& rtf, TRichDocument& doc) : rtf_(rtf), doc_(doc) {}

  bool Read() {
    if (rtf_.compare(0, 5, "{\\rtf") != 0) return false;
    doc_ = TRichDocument();
    doc_.ReserveText(rtf_.size() / 2);
    state_.Style = TRichDocument::DefaultCharStyle();
    while (pos_ < rtf_.size()) {
      const char c = rtf_[pos_++];
      if (overflow_ > 0) {
        // Inside groups nested deeper than any real document: passed over whole.
        if (c == '{') ++overflow_;
        if (c == '}') --overflow_;
        continue;
      }
      if (c == '{') {
        if (stack_.size() >= MaxGroupDepth) {
          overflow_ = 1;
          continue;
        }
        stack_.push_back(state_);
        groupStart_ = true;
        continue;
      }
      if (c == '}') {
        Flush();
        if (stack_.size() == 1) {
          // The document's group closes: what is in effect now belongs to the final paragraph.
          finalPara_ = ParagraphFormat();
          finalStyle_ = state_.Style;
          finalCaptured_ = true;
        }
        if (stack_.empty()) break;
        if (state_.Destination == TDestination::FontTable && stack_.back().Destination == TDestination::Text)
          defaultFace_ = FontFace(0);
        state_ = stack_.back();
        stack_.pop_back();
        groupStart_ = false;
        if (stack_.empty()) break;  // what follows the document's group (a NUL the control adds) is not text
        continue;
      }
      if (c == '\\') {
        ControlWord();
      } else if (c != '\r' && c != '\n') {
        Character(CharOf1252(static_cast<unsigned char>(c)));
      }
      groupStart_ = false;
    }
    Flush();
    doc_.SetParagraphFormat(doc_.ParagraphCount() - 1, finalCaptured_ ? finalPara_ : ParagraphFormat());
    doc_.SetEndFormat(finalCaptured_ ? finalStyle_ : state_.Style);
    return true;
  }

 private:
  // One character of the document, in code page 1252 (the fallback of a \uN is passed over).
  void Character(char32_t c) {
    if (pendingSkip_ > 0) {
      --pendingSkip_;
      return;
    }
    Emit(c);
  }

  // A first half of a pair that no second half follows stands as U+FFFD.
  void SettleSurrogate() {
    if (highSurrogate_ == 0) return;
    highSurrogate_ = 0;
    Emit(ReplacementChar);
  }

  void Emit(char32_t c) {
    SettleSurrogate();
    switch (state_.Destination) {
      case TDestination::Text:
        if (!(pendingStyleSet_ && SameStyle())) {
          Flush();
          pendingStyle_ = state_.Style;
          pendingStyleSet_ = true;
        }
        AppendUtf8(pending_, c);
        break;
      case TDestination::FontTable:
        if (c == ';') {
          if (state_.FontNumber >= 0) fonts_[state_.FontNumber] = fontName_;
          fontName_.clear();
        } else {
          AppendUtf8(fontName_, c);
        }
        break;
      case TDestination::ColorTable:
        if (c == ';') {
          colors_.push_back(colorSet_ ? color_ : 0);
          color_ = 0;
          colorSet_ = false;
        }
        break;
      case TDestination::Skip:
        break;
    }
  }

  bool SameStyle() const {
    const TCharFormat& a = pendingStyle_;
    const TCharFormat& b = state_.Style;
    return a.Effects == b.Effects && a.Height == b.Height && a.TextColor == b.TextColor &&
           a.Spacing == b.Spacing && a.BackColor == b.BackColor &&
           std::strcmp(a.FaceName, b.FaceName) == 0;
  }

  void Flush() {
    if (state_.Destination == TDestination::Text) SettleSurrogate();
    if (!pending_.empty()) doc_.AppendText(pending_, pendingStyle_);
    pending_.clear();
  }

  std::string FontFace(int number) const {
    auto it = fonts_.find(number);
    return it == fonts_.end() ? std::string("Times New Roman") : it->second;
  }

  uint32_t Color(int index, uint32_t fallback) const {
    return index >= 1 && size_t(index) < colors_.size() ? colors_[size_t(index)] : fallback;
  }

  TParaFormat ParagraphFormat() const {
    TParaFormat f = TRichDocument::DefaultParaStyle();
    f.Alignment = state_.Alignment;
    f.StartIndent = state_.Left + state_.First;
    f.Offset = -state_.First;
    f.RightIndent = state_.Right;
    f.SpaceAfter = state_.SpaceAfter;
    if (state_.LineSpacing != 0) {
      if (state_.LineMultiple) {
        // Twentieths of a line; less than one twentieth stays single spacing.
        const int32_t twentieths = state_.LineSpacing / 12;
        if (twentieths != 0) {
          f.LineSpacingRule = LineRule::Multiple;
          f.LineSpacing = twentieths;
        }
      } else {
        f.LineSpacingRule = state_.LineSpacing < 0 ? LineRule::AtLeast : LineRule::Exactly;
        f.LineSpacing = std::abs(state_.LineSpacing);
      }
    }
    f.TabCount = int16_t(state_.Tabs.size() < size_t(MaxTabStops) ? state_.Tabs.size() : size_t(MaxTabStops));
    for (int i = 0; i < f.TabCount; ++i) f.Tabs[i] = state_.Tabs[size_t(i)];
    return f;
  }

  void EndParagraph() {
    if (state_.Destination != TDestination::Text) return;
    Flush();
    doc_.SetParagraphFormat(doc_.ParagraphCount() - 1, ParagraphFormat());
    doc_.SetEndFormat(state_.Style);
    doc_.EndParagraph();
  }

  void ResetParagraph() {
    state_.Left = state_.First = state_.Right = state_.SpaceAfter = state_.LineSpacing = 0;
    state_.LineMultiple = false;
    state_.Alignment = ParaAlign::Left;
    state_.Tabs.clear();
  }

  void ControlWord() {
    if (pos_ >= rtf_.size()) return;
    const char c = rtf_[pos_];
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
      ++pos_;
      ControlSymbol(c);
      return;
    }
    const size_t begin = pos_;
    while (pos_ < rtf_.size() && ((rtf_[pos_] >= 'a' && rtf_[pos_] <= 'z') || (rtf_[pos_] >= 'A' && rtf_[pos_] <= 'Z')))
      ++pos_;
    const std::string word = rtf_.substr(begin, pos_ - begin);
    bool hasNumber = false;
    long number = 0;
    const size_t numberBegin = pos_;
    if (pos_ < rtf_.size() && (rtf_[pos_] == '-' || (rtf_[pos_] >= '0' && rtf_[pos_] <= '9'))) {
      size_t end = pos_ + 1;
      while (end < rtf_.size() && rtf_[end] >= '0' && rtf_[end] <= '9') ++end;
      // Parameters are kept within +-10^8 twips (or points, or indexes), far beyond
      // any real document, so that sums and products of them cannot overflow.
      number = std::strtol(rtf_.substr(numberBegin, std::min<size_t>(end - numberBegin, 10)).c_str(), nullptr, 10);
      number = std::max(-MaxParameter, std::min(MaxParameter, number));
      hasNumber = end > numberBegin + (rtf_[numberBegin] == '-' ? 1 : 0);
      pos_ = end;
    }
    if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;
    Apply(word, hasNumber, number);
  }

  void ControlSymbol(char c) {
    switch (c) {
      case '\'': {
        if (pos_ + 2 > rtf_.size()) {
          pos_ = rtf_.size();  // an escape cut off at the end
          return;
        }
        const char hex[3] = {rtf_[pos_], rtf_[pos_ + 1], 0};
        pos_ += 2;
        Character(CharOf1252(static_cast<unsigned char>(std::strtol(hex, nullptr, 16))));
        break;
      }
      case '*':
        ignorable_ = true;
        afterStar_ = groupStart_;
        break;
      case '~': Character(0xA0); break;
      case '_': Character('-'); break;
      case '\\': case '{': case '}': Character(c); break;
      case '\r': case '\n': EndParagraph(); break;
      default: break;  // optional hyphen and other symbols show nothing
    }
  }

  void Apply(const std::string& w, bool hasNumber, long n) {
    const bool starts = wasGroupStart();
    if (starts && ignorable_) {
      ignorable_ = false;
      if (w != "fonttbl" && w != "colortbl") {
        state_.Destination = TDestination::Skip;
        return;
      }
    }
    ignorable_ = false;
    const bool on = !hasNumber || n != 0;
    TCharFormat& s = state_.Style;
    auto effect = [&](uint32_t bit) { s.Effects = on ? (s.Effects | bit) : (s.Effects & ~bit); };
    if (w == "fonttbl") state_.Destination = TDestination::FontTable;
    else if (w == "colortbl") state_.Destination = TDestination::ColorTable;
    else if (IsSkippedDestination(w)) state_.Destination = TDestination::Skip;
    else if (state_.Destination == TDestination::FontTable) {
      // A face name of any script: \uN as in the text.
      if (w == "f") state_.FontNumber = int(n);
      else if (w == "uc") state_.UnicodeSkip = int(n < 0 ? 0 : n);
      else if (w == "u") {
        Unicode(n);
        pendingSkip_ = state_.UnicodeSkip;
      }
    } else if (state_.Destination == TDestination::ColorTable) {
      const uint32_t v = uint32_t(n) & 0xFF;
      if (w == "red") color_ = (color_ & 0xFFFF00) | v;
      else if (w == "green") color_ = (color_ & 0xFF00FF) | (v << 8);
      else if (w == "blue") color_ = (color_ & 0x00FFFF) | (v << 16);
      colorSet_ = true;
    } else if (state_.Destination == TDestination::Skip) {
      if (w == "bin" && n > 0) pos_ += size_t(n);
    } else if (w == "par" || w == "line") EndParagraph();
    else if (w == "pard") ResetParagraph();
    else if (w == "plain") {
      s = TRichDocument::DefaultCharStyle();
      s.SetFaceName(defaultFace_);
    } else if (w == "b") effect(CharEffect::Bold);
    else if (w == "i") effect(CharEffect::Italic);
    else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash" || w == "ulth") effect(CharEffect::Underline);
    else if (w == "ulnone") s.Effects &= ~CharEffect::Underline;
    else if (w == "f") s.SetFaceName(FontFace(int(n)));
    else if (w == "fs") s.Height = int32_t(std::max(0L, std::min(32767L, n)) * 10);
    else if (w == "cf") s.TextColor = Color(int(n), 0);
    else if (w == "highlight" || w == "cb") s.BackColor = n == 0 ? NoBackColor : Color(int(n), NoBackColor);
    else if (w == "expndtw") s.Spacing = int16_t(n);
    else if (w == "expnd") s.Spacing = int16_t(n * 5);
    else if (w == "ql") state_.Alignment = ParaAlign::Left;
    else if (w == "qr") state_.Alignment = ParaAlign::Right;
    else if (w == "qc") state_.Alignment = ParaAlign::Center;
    else if (w == "qj") state_.Alignment = ParaAlign::Justify;
    else if (w == "li") state_.Left = int32_t(n);
    else if (w == "ri") state_.Right = int32_t(n);
    else if (w == "fi") state_.First = int32_t(n);
    else if (w == "sa") state_.SpaceAfter = int32_t(n);
    else if (w == "sl") state_.LineSpacing = int32_t(n);
    else if (w == "slmult") state_.LineMultiple = n != 0;
    else if (w == "tx") state_.Tabs.push_back(int32_t(n));
    else if (w == "uc") state_.UnicodeSkip = int(n < 0 ? 0 : n);
    else if (w == "u") {
      Unicode(n);
      pendingSkip_ = state_.UnicodeSkip;
    } else if (w == "tab") Character('\t');
    else if (w == "lquote") Character(0x2018);
    else if (w == "rquote") Character(0x2019);
    else if (w == "ldblquote") Character(0x201C);
    else if (w == "rdblquote") Character(0x201D);
    else if (w == "bullet") Character(0x2022);
    else if (w == "endash") Character(0x2013);
    else if (w == "emdash") Character(0x2014);
    else if (w == "emspace" || w == "enspace") Character(' ');
    else if (w == "bin" && n > 0) pos_ += size_t(n);
  }

  // \uN: a signed 16-bit unit; a pair of surrogates is one character.
  void Unicode(long n) {
    if (n < 0) n += 65536;
    if (n >= 0xDC00 && n <= 0xDFFF) {
      const char32_t high = highSurrogate_;
      highSurrogate_ = 0;
      Emit(high != 0 ? 0x10000 + ((high - 0xD800) << 10) + (char32_t(n) - 0xDC00) : ReplacementChar);
    } else if (n >= 0xD800 && n <= 0xDBFF) {
      SettleSurrogate();
      highSurrogate_ = char32_t(n);
    } else {
      Emit(n < 0 || n > 0xFFFF ? ReplacementChar : char32_t(n));
    }
  }

  // True once per group, for its first control word.
  bool wasGroupStart() {
    const bool result = groupStart_ || afterStar_;
    afterStar_ = false;
    return result;
  }

  static constexpr size_t MaxGroupDepth = 256;
  static constexpr long MaxParameter = 100000000;

  const std::string& rtf_;
  TRichDocument& doc_;
  size_t pos_ = 0;
  TState state_;
  std::vector<TState> stack_;
  bool groupStart_ = false, ignorable_ = false, afterStar_ = false;
  std::map<int, std::string> fonts_;
  std::string fontName_;
  std::string defaultFace_ = "Times New Roman";
  std::vector<uint32_t> colors_;  // colour table, the automatic entry first
  uint32_t color_ = 0;
  bool colorSet_ = false;
  std::string pending_;
  TCharFormat pendingStyle_;
  TParaFormat finalPara_;
  TCharFormat finalStyle_;
  bool finalCaptured_ = false;
  bool pendingStyleSet_ = false;
  int pendingSkip_ = 0;
  char32_t highSurrogate_ = 0;  // the first half of a pair, waiting for its second
  int overflow_ = 0;
};

}  // namespace

bool RtfToDocument(const std::string& rtf, TRichDocument& doc) { return TRtfReader(rtf, doc).Read(); }

bool ReadRtf(std::istream& in, TRichDocument& doc) {
  const std::string rtf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return RtfToDocument(rtf, doc);
}

}  // namespace qv
