// Writes a TRichDocument as RTF.
#include <cstdio>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "encoding/Utf8.h"
#include "richbox/Rtf.h"

namespace qv {

class TRtfWriter {
 public:
  explicit TRtfWriter(const TRichDocument& doc) : doc_(doc) {
    CollectTables();
    WriteHeader();
  }

  // Paragraphs [first, end) as one stream: each is followed by its break, the
  // document's final paragraph by the format at the end of the text.
  std::string Write(int32_t first, int32_t end) {
    out_ = header_;
    out_.reserve(header_.size() + size_t(doc_.ParagraphStart(end - 1) - doc_.ParagraphStart(first)) + 4096);
    last_ = nullptr;
    lastPara_ = nullptr;
    for (int32_t p = first; p < end; ++p) {
      // Paragraph and character properties carry over a \par: write them only when they change.
      if (&doc_.ParaFormat(p) != lastPara_) WriteParagraphFormat(doc_.ParaFormat(p));
      WriteRuns(p);
      if (p + 1 < doc_.ParagraphCount()) out_ += "\\par\r\n";
    }
    if (end == doc_.ParagraphCount()) WriteCharFormat(doc_.EndFormat());
    out_ += "}\r\n";
    return std::move(out_);
  }

 private:
  void WriteHeader() {
    out_ += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl";
    for (size_t i = 0; i < fontList_.size(); ++i) {
      out_ += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 ";
      EscapeText(fontList_[i], true);
      out_ += ";}";
    }
    out_ += "}\r\n{\\colortbl ;";
    for (uint32_t color : colorList_) {
      out_ += "\\red" + std::to_string(color & 0xFF) + "\\green" + std::to_string((color >> 8) & 0xFF) +
              "\\blue" + std::to_string((color >> 16) & 0xFF) + ";";
    }
    out_ += "}\r\n\\viewkind4\\uc1";
    header_.swap(out_);
  }

  // The runs of one paragraph, each run's bytes found from the previous run's end.
  void WriteRuns(int32_t p) {
    const std::string_view text = doc_.ParagraphText(p);
    const bool oneByteUnits = text.size() == size_t(doc_.ParagraphLength(p));
    size_t begin = 0;
    int32_t unit = 0;  // the unit at begin
    for (const TRichDocument::TRunView& run : doc_.Runs(p)) {
      const int32_t last = run.Start + run.Length;
      size_t end = begin;
      if (oneByteUnits) {
        end = size_t(last);
      } else {
        // A run boundary inside a pair of units moves to the pair's start.
        for (size_t next = end; end < text.size(); end = next) {
          const int32_t units = UnitsOf(ReadChar(text, next));
          if (unit + units > last) break;
          unit += units;
        }
      }
      if (begin == end && doc_.ParagraphLength(p) > 0) continue;
      WriteCharFormat(*run.Format);
      EscapeText(text.substr(begin, end - begin));
      begin = end;
    }
  }

  void CollectTables() {
    auto addFont = [this](const std::string& face) {
      if (fonts_.emplace(face, int(fontList_.size())).second) fontList_.push_back(face);
    };
    auto addColor = [this](uint32_t color) {
      if (colors_.emplace(color, int(colorList_.size()) + 1).second) colorList_.push_back(color);
    };
    auto addStyle = [&](const TCharFormat& f) {
      addFont(f.Face());
      addColor(f.TextColor & 0xFFFFFF);
      if (f.BackColor != NoBackColor) addColor(f.BackColor & 0xFFFFFF);
    };
    for (int32_t p = 0; p < doc_.ParagraphCount(); ++p)
      for (const TRichDocument::TRunView& run : doc_.Runs(p)) addStyle(*run.Format);
    addStyle(doc_.EndFormat());
  }

  void Number(const char* word, int32_t value) {
    out_ += word;
    out_ += std::to_string(value);
  }

  void WriteParagraphFormat(const TParaFormat& f) {
    out_ += "\\pard";
    switch (f.Alignment) {
      case ParaAlign::Right: out_ += "\\qr"; break;
      case ParaAlign::Center: out_ += "\\qc"; break;
      case ParaAlign::Justify: out_ += "\\qj"; break;
      default: out_ += "\\ql"; break;
    }
    // The control's start indent is the first line's; RTF's left indent is the other lines'.
    if (f.StartIndent + f.Offset != 0) Number("\\li", f.StartIndent + f.Offset);
    if (f.Offset != 0) Number("\\fi", -f.Offset);
    if (f.RightIndent != 0) Number("\\ri", f.RightIndent);
    if (f.SpaceAfter != 0) Number("\\sa", f.SpaceAfter);
    switch (f.LineSpacingRule) {
      case LineRule::OneAndHalf: out_ += "\\sl360\\slmult1"; break;
      case LineRule::Double: out_ += "\\sl480\\slmult1"; break;
      case LineRule::AtLeast: Number("\\sl", -f.LineSpacing); out_ += "\\slmult0"; break;
      case LineRule::Exactly: Number("\\sl", f.LineSpacing); out_ += "\\slmult0"; break;
      case LineRule::Multiple: Number("\\sl", f.LineSpacing * 12); out_ += "\\slmult1"; break;
      default: break;
    }
    for (int i = 0; i < f.TabCount && i < MaxTabStops; ++i) Number("\\tx", f.Tabs[i]);
    out_ += ' ';
    lastPara_ = &f;
  }

  // Writes what differs from the format before, and every attribute at the
  // start of a stream: a stream put into a text takes the format of the place
  // it goes to for what it leaves out. No \plain: a reset to the defaults
  // costs Rich Edit under wine time in proportion to the text it already holds.
  void WriteCharFormat(const TCharFormat& f) {
    if (last_ == &f) return;
    const TCharFormat* before = last_;
    last_ = &f;
    const size_t mark = out_.size();
    const bool all = before == nullptr;
    if (all || before->Face() != f.Face()) Number("\\f", fonts_[f.Face()]);
    if (all || before->Height != f.Height) Number("\\fs", f.Height / 10);
    if (all || (before->TextColor & 0xFFFFFF) != (f.TextColor & 0xFFFFFF)) Number("\\cf", colors_[f.TextColor & 0xFFFFFF]);
    const uint32_t effects = all ? ~0u : before->Effects ^ f.Effects;
    if (effects & CharEffect::Bold) out_ += f.Effects & CharEffect::Bold ? "\\b" : "\\b0";
    if (effects & CharEffect::Italic) out_ += f.Effects & CharEffect::Italic ? "\\i" : "\\i0";
    if (effects & CharEffect::Underline) out_ += f.Effects & CharEffect::Underline ? "\\ul" : "\\ulnone";
    if (all || before->Spacing != f.Spacing) Number("\\expndtw", f.Spacing);
    if (all || before->BackColor != f.BackColor)
      Number("\\highlight", f.BackColor == NoBackColor ? 0 : colors_[f.BackColor & 0xFFFFFF]);
    if (out_.size() > mark) out_ += ' ';
  }

  void Byte(unsigned char c) {
    static const char* const hex = "0123456789abcdef";
    if (c == '\\' || c == '{' || c == '}') {
      out_ += '\\';
      out_ += char(c);
    } else if (c >= 0x80 || c < 0x20) {  // control characters too, so that nothing is lost
      out_ += "\\'";
      out_ += hex[c >> 4];
      out_ += hex[c & 15];
    } else {
      out_ += char(c);
    }
  }

  // Text: code page 1252 where it has the character, else \uN (one per
  // UTF-16 unit, as a signed 16-bit number) with '?' for readers without it.
  // A tab of a face name is an escaped byte: \tab would not be read in a font table.
  void EscapeText(std::string_view text, bool faceName = false) {
    for (size_t i = 0; i < text.size();) {
      const char32_t c = ReadChar(text, i);
      const int byte = ByteOf1252(c);
      if (c == '\t' && !faceName) {
        out_ += "\\tab ";
      } else if (byte >= 0) {
        Byte(static_cast<unsigned char>(byte));
      } else if (c < 0x10000) {
        Unit(char16_t(c));
      } else {
        Unit(char16_t(0xD800 + ((c - 0x10000) >> 10)));
        Unit(char16_t(0xDC00 + ((c - 0x10000) & 0x3FF)));
      }
    }
  }

  void Unit(char16_t u) {
    Number("\\u", int16_t(u));
    out_ += '?';
  }

  const TRichDocument& doc_;
  std::string header_;  // up to the text: the font and colour tables
  std::string out_;
  std::map<std::string, int> fonts_;
  std::vector<std::string> fontList_;
  std::map<uint32_t, int> colors_;
  std::vector<uint32_t> colorList_;
  const TCharFormat* last_ = nullptr;
  const TParaFormat* lastPara_ = nullptr;
};

TRtfParts::TRtfParts(const TRichDocument& doc) : writer_(std::make_unique<TRtfWriter>(doc)) {}
TRtfParts::~TRtfParts() = default;
std::string TRtfParts::Part(int32_t first, int32_t end) { return writer_->Write(first, end); }

std::string DocumentToRtf(const TRichDocument& doc) { return TRtfWriter(doc).Write(0, doc.ParagraphCount()); }

void WriteRtf(const TRichDocument& doc, std::ostream& out) {
  const std::string rtf = DocumentToRtf(doc);
  out.write(rtf.data(), std::streamsize(rtf.size()));
}

}  // namespace qv
