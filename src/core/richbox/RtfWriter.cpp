// Writes a TRichDocument as RTF.
#include <cstdio>
#include <map>
#include <sstream>
#include <string>

#include "encoding/Utf8.h"
#include "richbox/Rtf.h"

namespace qv {

namespace {

class TRtfWriter {
 public:
  explicit TRtfWriter(const TRichDocument& doc) : doc_(doc) {}

  std::string Write() {
    CollectTables();
    out_.reserve(size_t(doc_.TextLength()) + 4096);
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
    for (int32_t p = 0; p < doc_.ParagraphCount(); ++p) {
      // Paragraph and character properties carry over a \par: write them only when they change.
      if (&doc_.ParaFormat(p) != lastPara_) WriteParagraphFormat(doc_.ParaFormat(p));
      for (const TRichDocument::TRunView& run : doc_.Runs(p)) {
        // A run boundary inside a pair of units moves to the pair's start.
        const size_t begin = doc_.ByteOffsetIn(p, run.Start);
        const size_t end = doc_.ByteOffsetIn(p, run.Start + run.Length);
        if (begin == end && doc_.ParagraphLength(p) > 0) continue;
        WriteCharFormat(*run.Format);
        EscapeText(doc_.ParagraphText(p).substr(begin, end - begin));
      }
      if (p + 1 < doc_.ParagraphCount()) out_ += "\\par\r\n";
    }
    WriteCharFormat(doc_.EndFormat());  // the format at the end of the text
    out_ += "}\r\n";
    return std::move(out_);
  }

 private:
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

  void WriteCharFormat(const TCharFormat& f) {
    if (last_ == &f) return;
    last_ = &f;
    out_ += "\\plain";
    Number("\\f", fonts_[f.Face()]);
    Number("\\fs", f.Height / 10);
    Number("\\cf", colors_[f.TextColor & 0xFFFFFF]);
    if (f.Effects & CharEffect::Bold) out_ += "\\b";
    if (f.Effects & CharEffect::Italic) out_ += "\\i";
    if (f.Effects & CharEffect::Underline) out_ += "\\ul";
    if (f.Spacing != 0) Number("\\expndtw", f.Spacing);
    if (f.BackColor != NoBackColor) Number("\\highlight", colors_[f.BackColor & 0xFFFFFF]);
    out_ += ' ';
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
  std::string out_;
  std::map<std::string, int> fonts_;
  std::vector<std::string> fontList_;
  std::map<uint32_t, int> colors_;
  std::vector<uint32_t> colorList_;
  const TCharFormat* last_ = nullptr;
  const TParaFormat* lastPara_ = nullptr;
};

}  // namespace

std::string DocumentToRtf(const TRichDocument& doc) { return TRtfWriter(doc).Write(); }

void WriteRtf(const TRichDocument& doc, std::ostream& out) {
  const std::string rtf = DocumentToRtf(doc);
  out.write(rtf.data(), std::streamsize(rtf.size()));
}

}  // namespace qv
