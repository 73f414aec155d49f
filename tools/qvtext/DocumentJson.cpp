#include "DocumentJson.h"

#include <cstdio>

#include "encoding/Utf8.h"

namespace qv {

namespace {

void Key(std::string& out, const char* key) {
  out += '"';
  out += key;
  out += "\":";
}

void Number(std::string& out, const char* key, long long value) {
  Key(out, key);
  out += std::to_string(value);
  out += ',';
}

void Bool(std::string& out, const char* key, bool value) {
  Key(out, key);
  out += value ? "true," : "false,";
}

void CloseObject(std::string& out, char close) {
  if (!out.empty() && out.back() == ',') out.back() = close;
  else out += close;
}

int AlignmentNumber(uint16_t alignment) {
  switch (alignment) {
    case ParaAlign::Right: return 1;
    case ParaAlign::Center: return 2;
    case ParaAlign::Justify: return 3;
    default: return 0;
  }
}

// Line spacing in twentieths of a line, as the control is given it.
int32_t LineSpacingValue(const TParaFormat& f) {
  switch (f.LineSpacingRule) {
    case LineRule::Single: return 20;
    case LineRule::OneAndHalf: return 30;
    case LineRule::Double: return 40;
    default: return f.LineSpacing;
  }
}

void AppendSize(std::string& out, int32_t height) {
  Key(out, "size");
  if (height % 20 == 0) {
    out += std::to_string(height / 20);
  } else {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", height / 20.0);
    out += buffer;
  }
  out += ',';
}

}  // namespace

void AppendJsonString(std::string& out, const std::string& text) {
  out += '"';
  for (size_t i = 0; i < text.size();) {
    const char32_t c = ReadChar(text, i);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += char(c);
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {  // the control characters
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", unsigned(c));
      out += buffer;
    } else {
      AppendUtf8(out, c);
    }
  }
  out += '"';
}

std::string DocumentJson(const TEnhancedRichEdit& enhancer, const TRichDocument& doc,
                         const std::vector<std::string>& warnings, TTextEncoding encoding) {
  std::string out;
  out.reserve(size_t(doc.TextLength()) * 2 + 1024);
  out += "{\"encoding\":\"";
  out += EncodingKey(encoding);
  out += "\",\n\"paragraphs\":[";
  int32_t count = doc.ParagraphCount();
  if (count > 0 && doc.ParagraphLength(count - 1) == 0) --count;  // the final empty paragraph
  for (int32_t p = 0; p < count; ++p) {
    const TParaFormat& f = doc.ParaFormat(p);
    out += "\n{";
    Number(out, "start", doc.ParagraphStart(p));
    Key(out, "text");
    AppendJsonString(out, std::string(doc.ParagraphText(p)));
    out += ',';
    Number(out, "align", AlignmentNumber(f.Alignment));
    Number(out, "start_indent", f.StartIndent);
    Number(out, "offset", f.Offset);
    Number(out, "right_indent", f.RightIndent);
    Number(out, "space_after", f.SpaceAfter);
    Number(out, "line_spacing", LineSpacingValue(f));
    out += "\"runs\":[";
    for (const TRichDocument::TRunView& run : doc.Runs(p)) {
      if (run.Length == 0) continue;  // an empty paragraph has no runs
      const TCharFormat& c = *run.Format;
      out += '{';
      Number(out, "start", run.Start);
      Number(out, "length", run.Length);
      Bool(out, "bold", c.Effects & CharEffect::Bold);
      Bool(out, "italic", c.Effects & CharEffect::Italic);
      Bool(out, "underline", c.Effects & CharEffect::Underline);
      Key(out, "face");
      AppendJsonString(out, c.Face());
      out += ',';
      AppendSize(out, c.Height);
      Number(out, "spacing", c.Spacing);
      Number(out, "color", c.TextColor);
      Key(out, "back");
      out += c.BackColor == NoBackColor ? std::string("null") : std::to_string(c.BackColor);
      out += '}';
      out += ',';
    }
    CloseObject(out, ']');
    out += '}';
    out += ',';
  }
  CloseObject(out, ']');
  out += ",\n\"chapters\":[";
  if (enhancer.ChaptersMenu) {
    for (const TChapterItem& item : enhancer.ChaptersMenu->Items) {
      out += "\n{\"caption\":";
      AppendJsonString(out, item.Caption);
      out += ",\"tag\":" + std::to_string(item.Tag) + "},";
    }
  }
  CloseObject(out, ']');
  out += ",\n";
  Bool(out, "has_commands", enhancer.HasCommands);
  out += "\"warnings\":[";
  for (const std::string& warning : warnings) {
    AppendJsonString(out, warning);
    out += ',';
  }
  CloseObject(out, ']');
  out += ",\n";
  Bool(out, "stopped", enhancer.StopRequested);
  Key(out, "failure");
  if (enhancer.Failure.Status >= Error)
    AppendJsonString(out, enhancer.Failure.Description);
  else
    out += "null";
  out += "}\n";
  return out;
}

}  // namespace qv
