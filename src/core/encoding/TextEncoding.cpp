#include "encoding/TextEncoding.h"

#include "encoding/Utf8.h"

namespace qv {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool StartsWith(std::string_view bytes, std::string_view mark) { return bytes.substr(0, mark.size()) == mark; }

std::string_view MarkOf(TTextEncoding encoding) {
  switch (encoding) {
    case TTextEncoding::Utf8Bom: return kUtf8Mark;
    case TTextEncoding::Utf16Le: return kUtf16LeMark;
    case TTextEncoding::Utf16Be: return kUtf16BeMark;
    default: return std::string_view();
  }
}

const unsigned char* Bytes(std::string_view text) { return reinterpret_cast<const unsigned char*>(text.data()); }

// The end of the well-formed UTF-8 run from i: the offset of the first
// ill-formed sequence (its maximal part in subpart), or the end of the bytes.
size_t WellFormedRun(std::string_view bytes, size_t i, int& subpart, bool& multiByte) {
  const unsigned char* p = Bytes(bytes);
  const size_t n = bytes.size();
  while (i < n) {
    if (p[i] < 0x80) {
      i += AsciiRun(bytes, i);
      continue;
    }
    char32_t c = 0;
    const int length = DecodeUtf8Sequence(p + i, n - i, c, subpart);
    if (length == 0) return i;
    multiByte = true;
    i += size_t(length);
  }
  return n;
}

std::string DecodeUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  bool multiByte = false;
  for (size_t i = 0;;) {
    int subpart = 0;
    const size_t end = WellFormedRun(bytes, i, subpart, multiByte);
    out.append(bytes.data() + i, end - i);
    if (end == bytes.size()) return out;
    AppendUtf8(out, ReplacementChar);
    i = end + size_t(subpart);
  }
}

std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string units(bytes.size() / 2, u'\0');
  const unsigned char* p = Bytes(bytes);
  for (size_t k = 0; k < units.size(); ++k) {
    const unsigned first = p[2 * k], second = p[2 * k + 1];
    units[k] = char16_t(bigEndian ? (first << 8) | second : (second << 8) | first);
  }
  return FromUtf16(units);
}

void AppendUtf16(std::string& out, std::string_view text, bool bigEndian) {
  for (char16_t u : ToUtf16(text)) {
    const char high = char(u >> 8), low = char(u & 0xFF);
    out.push_back(bigEndian ? high : low);
    out.push_back(bigEndian ? low : high);
  }
}

}  // namespace

TTextEncoding DetectTextEncoding(std::string_view head) {
  if (StartsWith(head, kUtf8Mark)) return TTextEncoding::Utf8Bom;
  if (StartsWith(head, kUtf16LeMark)) return TTextEncoding::Utf16Le;
  if (StartsWith(head, kUtf16BeMark)) return TTextEncoding::Utf16Be;
  const bool cut = head.size() >= EncodingSampleSize;
  const std::string_view sample = head.substr(0, EncodingSampleSize);
  bool multiByte = false;
  int subpart = 0;
  const size_t end = WellFormedRun(sample, 0, subpart, multiByte);
  // Only a sequence that the end of a full sample cuts off may be incomplete.
  if (end < sample.size() && !(cut && end + size_t(subpart) == sample.size())) return TTextEncoding::Ansi;
  return multiByte ? TTextEncoding::Utf8 : TTextEncoding::Ansi;
}

std::string DecodeText(std::string_view bytes, TTextEncoding encoding) {
  const std::string_view mark = MarkOf(encoding);
  if (!mark.empty() && StartsWith(bytes, mark)) bytes.remove_prefix(mark.size());
  switch (encoding) {
    case TTextEncoding::Ansi: return AnsiToUtf8(bytes);
    case TTextEncoding::Utf8:
    case TTextEncoding::Utf8Bom: return DecodeUtf8(bytes);
    case TTextEncoding::Utf16Le: return DecodeUtf16(bytes, false);
    case TTextEncoding::Utf16Be: return DecodeUtf16(bytes, true);
  }
  return std::string();
}

std::string EncodeText(std::string_view text, TTextEncoding encoding) {
  std::string out(MarkOf(encoding));
  switch (encoding) {
    case TTextEncoding::Ansi: return Utf8ToAnsi(text);
    case TTextEncoding::Utf8:
    case TTextEncoding::Utf8Bom:
      out.reserve(out.size() + text.size());
      for (size_t i = 0; i < text.size();) AppendUtf8(out, ReadChar(text, i));
      break;
    case TTextEncoding::Utf16Le: AppendUtf16(out, text, false); break;
    case TTextEncoding::Utf16Be: AppendUtf16(out, text, true); break;
  }
  return out;
}

TTextEncoding SaveEncodingFor(TTextEncoding bookEncoding, std::string_view text) {
  if (bookEncoding != TTextEncoding::Ansi) return bookEncoding;
  for (size_t i = 0; i < text.size();)
    if (ByteOf1252(ReadChar(text, i)) < 0) return TTextEncoding::Utf8Bom;
  return TTextEncoding::Ansi;
}

const char* EncodingKey(TTextEncoding encoding) {
  switch (encoding) {
    case TTextEncoding::Ansi: return "ansi";
    case TTextEncoding::Utf8: return "utf-8";
    case TTextEncoding::Utf8Bom: return "utf-8-bom";
    case TTextEncoding::Utf16Le: return "utf-16le";
    case TTextEncoding::Utf16Be: return "utf-16be";
  }
  return "";
}

const char* EncodingCaption(TTextEncoding encoding) {
  switch (encoding) {
    case TTextEncoding::Ansi: return "";
    case TTextEncoding::Utf8: return "UTF-8";
    case TTextEncoding::Utf8Bom: return "UTF-8 with BOM";
    case TTextEncoding::Utf16Le: return "UTF-16 LE";
    case TTextEncoding::Utf16Be: return "UTF-16 BE";
  }
  return "";
}

}  // namespace qv
