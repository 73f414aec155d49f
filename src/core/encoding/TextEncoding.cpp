#include "encoding/TextEncoding.h"

#include <uchardet.h>

#include <algorithm>
#include <array>
#include <memory>

#include "encoding/CodePageTables.h"
#include "encoding/SystemCodePage.h"
#include "encoding/UnicodeText.h"
#include "encoding/Utf8.h"

namespace qv {

namespace {

struct TEncodingInfo {
  TTextEncoding Encoding;
  const char* Key;           // the WHATWG name
  const char* Caption;       // what a reader is shown
  uint32_t CodePage;         // the Windows code page number; 0 for none
  const char* DetectorName;  // uchardet's name; null when it has none
};

const TEncodingInfo kEncodings[] = {
    {TTextEncoding::Utf8, "utf-8", "UTF-8", 65001, nullptr},
    {TTextEncoding::Utf8Bom, "utf-8-bom", "UTF-8 with BOM", 0, nullptr},
    {TTextEncoding::Utf16Le, "utf-16le", "UTF-16 LE", 1200, nullptr},
    {TTextEncoding::Utf16Be, "utf-16be", "UTF-16 BE", 1201, nullptr},
    {TTextEncoding::Windows1252, "windows-1252", "Windows-1252 (Western)", 1252, "WINDOWS-1252"},
    {TTextEncoding::Windows1250, "windows-1250", "Windows-1250 (Central European)", 1250, "WINDOWS-1250"},
    {TTextEncoding::Windows1251, "windows-1251", "Windows-1251 (Cyrillic)", 1251, "WINDOWS-1251"},
    {TTextEncoding::Windows1253, "windows-1253", "Windows-1253 (Greek)", 1253, "WINDOWS-1253"},
    {TTextEncoding::Windows1254, "windows-1254", "Windows-1254 (Turkish)", 1254, "ISO-8859-9"},
    {TTextEncoding::Windows1257, "windows-1257", "Windows-1257 (Baltic)", 1257, "WINDOWS-1257"},
    {TTextEncoding::Koi8R, "koi8-r", "KOI8-R (Cyrillic)", 20866, "KOI8-R"},
    {TTextEncoding::Koi8U, "koi8-u", "KOI8-U (Cyrillic)", 21866, nullptr},
    {TTextEncoding::Ibm866, "ibm866", "DOS 866 (Cyrillic)", 866, "IBM866"},
    {TTextEncoding::Iso8859_2, "iso-8859-2", "ISO-8859-2 (Central European)", 28592, "ISO-8859-2"},
    {TTextEncoding::Iso8859_3, "iso-8859-3", "ISO-8859-3 (South European)", 28593, "ISO-8859-3"},
    {TTextEncoding::Iso8859_4, "iso-8859-4", "ISO-8859-4 (Baltic)", 28594, "ISO-8859-4"},
    {TTextEncoding::Iso8859_5, "iso-8859-5", "ISO-8859-5 (Cyrillic)", 28595, "ISO-8859-5"},
    {TTextEncoding::Iso8859_7, "iso-8859-7", "ISO-8859-7 (Greek)", 28597, "ISO-8859-7"},
    {TTextEncoding::Iso8859_10, "iso-8859-10", "ISO-8859-10 (Nordic)", 0, "ISO-8859-10"},
    {TTextEncoding::Iso8859_13, "iso-8859-13", "ISO-8859-13 (Baltic)", 28603, "ISO-8859-13"},
    {TTextEncoding::Iso8859_15, "iso-8859-15", "ISO-8859-15 (Western)", 28605, "ISO-8859-15"},
    {TTextEncoding::Iso8859_16, "iso-8859-16", "ISO-8859-16 (South-East European)", 0, "ISO-8859-16"},
};
constexpr int kFirstCodePage = int(TTextEncoding::Windows1252);
static_assert(sizeof kEncodings / sizeof kEncodings[0] == size_t(kFirstCodePage + CodePageCount),
              "one entry for each encoding, one table for each code page");

const TEncodingInfo& InfoOf(TTextEncoding encoding) { return kEncodings[size_t(encoding)]; }

const char16_t* HighCharsOf(TTextEncoding page) { return CodePageHighChars[int(page) - kFirstCodePage]; }

// The byte of each character of a code page's upper half, sorted by character.
struct TReverseTable {
  std::array<std::pair<char16_t, unsigned char>, 128> Pairs;
  int ByteOf(char32_t c) const {
    const auto it = std::lower_bound(Pairs.begin(), Pairs.end(), std::make_pair(char16_t(c), (unsigned char)0));
    return c < 0x10000 && it != Pairs.end() && it->first == c ? it->second : -1;
  }
};

const TReverseTable& ReverseOf(TTextEncoding page) {
  static const std::array<TReverseTable, CodePageCount> tables = [] {
    std::array<TReverseTable, CodePageCount> all{};
    for (int k = 0; k < CodePageCount; ++k) {
      for (int b = 0; b < 128; ++b) all[size_t(k)].Pairs[size_t(b)] = {CodePageHighChars[k][b], (unsigned char)(0x80 + b)};
      std::sort(all[size_t(k)].Pairs.begin(), all[size_t(k)].Pairs.end());
    }
    return all;
  }();
  return tables[size_t(int(page) - kFirstCodePage)];
}

int ByteIn(TTextEncoding page, char32_t c) { return c < 0x80 ? int(c) : ReverseOf(page).ByteOf(c); }


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

std::string DecodeCodePage(std::string_view bytes, TTextEncoding page) {
  const char16_t* high = HighCharsOf(page);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (size_t i = 0; i < bytes.size();) {
    const size_t run = AsciiRun(bytes, i);
    out.append(bytes.data() + i, run);
    i += run;
    if (i < bytes.size()) AppendUtf8(out, high[static_cast<unsigned char>(bytes[i++]) - 0x80]);
  }
  return out;
}

std::string EncodeCodePage(std::string_view text, TTextEncoding page) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const int byte = ByteIn(page, ReadChar(text, i));
    out.push_back(byte < 0 ? '?' : char(byte));
  }
  return out;
}

// The Windows page of an ISO-8859 page's script; the page itself when it has none.
TTextEncoding WindowsSibling(TTextEncoding page) {
  switch (page) {
    case TTextEncoding::Iso8859_2: return TTextEncoding::Windows1250;
    case TTextEncoding::Iso8859_5: return TTextEncoding::Windows1251;
    case TTextEncoding::Iso8859_7: return TTextEncoding::Windows1253;
    case TTextEncoding::Iso8859_4:
    case TTextEncoding::Iso8859_13: return TTextEncoding::Windows1257;
    case TTextEncoding::Iso8859_15: return TTextEncoding::Windows1252;
    default: return page;
  }
}

// The detector tells apart the pages of a script by their letters' statistics;
// what it cannot see, the bytes settle: C1 control bytes (0x80 to 0x9F) never
// stand in text of an ISO-8859 page, but are the punctuation and letters of
// the Windows page of the same script; and the Ukrainian letters of KOI8-U
// stand where KOI8-R has box-drawing characters, which prose does not hold.
// seen marks the bytes the book's first pages hold.
TTextEncoding RefineDetected(TTextEncoding found, const std::array<uint8_t, 256>& seen) {
  const auto any = [&](std::initializer_list<unsigned char> bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [&](unsigned char b) { return seen[b] != 0; });
  };
  if (found == TTextEncoding::Koi8R)
    return any({0xA4, 0xA6, 0xA7, 0xAD, 0xB4, 0xB6, 0xB7, 0xBD}) ? TTextEncoding::Koi8U : found;
  for (unsigned b = 0x80; b <= 0x9F; ++b)
    if (seen[b]) return WindowsSibling(found);
  return found;
}

// The fewest bytes outside ASCII that the detector is asked to judge.
constexpr size_t kEnoughEvidence = 16;
// The most bytes the detector reads: it weighs every byte with each of its
// hundred models of languages and pages (about a microsecond a byte), and a
// few hundred letters outside ASCII tell a page as well as a whole book does.
constexpr size_t kDetectorBudget = 480;
// Two pages that read every byte of this much of a book alike name it alike.
constexpr size_t kAgreementSpan = 1 << 16;

// The words of the sample that hold bytes outside ASCII, each with the blank
// or break after it, up to the detector's budget: what tells one page from
// another, without the ASCII words between (a Western book has few letters
// outside ASCII, a Russian one little else).
std::string EvidenceOf(std::string_view sample) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; };
  std::string evidence;
  size_t i = 0;
  while (i < sample.size() && evidence.size() < kDetectorBudget) {
    i += AsciiRun(sample, i);
    if (i >= sample.size()) break;
    size_t begin = i, end = i;
    while (begin > 0 && !isBlank(sample[begin - 1])) --begin;
    while (end < sample.size() && !isBlank(sample[end])) ++end;
    if (end < sample.size()) ++end;  // the blank after the word
    evidence.append(sample.data() + begin, end - begin);
    i = end;
  }
  return evidence;
}

struct TDetectorDeleter {
  void operator()(uchardet* d) const { uchardet_delete(d); }
};

// The encoding of one of uchardet's names; the pages it names that read as
// a Windows page (ISO-8859-1 as windows-1252, as the WHATWG standard reads it).
bool EncodingOfDetectorName(std::string_view name, TTextEncoding& encoding) {
  if (name == "ISO-8859-1" || name == "ASCII") {
    encoding = TTextEncoding::Windows1252;
    return true;
  }
  for (const TEncodingInfo& info : kEncodings)
    if (info.DetectorName && name == info.DetectorName) {
      encoding = info.Encoding;
      return true;
    }
  return false;
}

}  // namespace

const std::vector<TTextEncoding>& AllTextEncodings() {
  static const std::vector<TTextEncoding> all = [] {
    std::vector<TTextEncoding> v;
    for (const TEncodingInfo& info : kEncodings) v.push_back(info.Encoding);
    return v;
  }();
  return all;
}

bool IsCodePage(TTextEncoding encoding) { return int(encoding) >= kFirstCodePage; }

TTextEncoding SystemAnsiEncoding() {
  TTextEncoding encoding;
  return EncodingOfCodePage(SystemCodePage().AnsiCodePage(), encoding) ? encoding : TTextEncoding::Windows1252;
}

bool EncodingOfCodePage(uint32_t number, TTextEncoding& encoding) {
  for (const TEncodingInfo& info : kEncodings)
    if (info.CodePage == number && number != 0 && IsCodePage(info.Encoding)) {
      encoding = info.Encoding;
      return true;
    }
  return false;
}

TTextEncoding DetectCodePage(std::string_view sample) {
  const TTextEncoding system = SystemAnsiEncoding();
  // A few letters outside ASCII are too little to tell one code page from another.
  const std::string evidence = EvidenceOf(sample);
  const size_t outside = size_t(std::count_if(evidence.begin(), evidence.end(), [](char c) { return c & 0x80; }));
  if (outside < kEnoughEvidence) return system;
  std::unique_ptr<uchardet, TDetectorDeleter> detector(uchardet_new());
  if (!detector || uchardet_handle_data(detector.get(), evidence.data(), evidence.size()) != 0) return system;
  uchardet_data_end(detector.get());
  const char* name = uchardet_get_charset(detector.get());
  TTextEncoding found;
  if (!name || !EncodingOfDetectorName(name, found)) return system;
  // Which bytes the book's first pages hold.
  std::array<uint8_t, 256> seen{};
  for (const char c : sample.substr(0, kAgreementSpan)) seen[static_cast<unsigned char>(c)] = 1;
  found = RefineDetected(found, seen);
  const auto used = [&](size_t high) { return seen[0x80 + high] != 0; };
  // Where pages read every byte of the sample alike, the system's own page is
  // taken, else the Windows page of the script: the text is the same, and
  // the book keeps the page its reader knows.
  const auto readsAlike = [&](TTextEncoding page) {
    const char16_t* a = HighCharsOf(found);
    const char16_t* b = HighCharsOf(page);
    for (size_t k = 0; k < 128; ++k)
      if (used(k) && a[k] != b[k]) return false;
    return true;
  };
  if (readsAlike(system)) return system;
  return readsAlike(WindowsSibling(found)) ? WindowsSibling(found) : found;
}

namespace {

enum class TSampleKind { Unicode, Ascii, CodePage };

// A mark or well-formed UTF-8 with a multi-byte character (found holds which),
// ASCII only, or anything else.
TSampleKind KindOfSample(std::string_view head, TTextEncoding& found) {
  found = TTextEncoding::Utf8;
  if (StartsWith(head, kUtf8Mark)) found = TTextEncoding::Utf8Bom;
  else if (StartsWith(head, kUtf16LeMark)) found = TTextEncoding::Utf16Le;
  else if (StartsWith(head, kUtf16BeMark)) found = TTextEncoding::Utf16Be;
  if (found != TTextEncoding::Utf8) return TSampleKind::Unicode;
  const bool cut = head.size() >= EncodingSampleSize;
  const std::string_view sample = head.substr(0, EncodingSampleSize);
  bool multiByte = false;
  int subpart = 0;
  const size_t end = WellFormedRun(sample, 0, subpart, multiByte);
  // Only a sequence that the end of a full sample cuts off may be incomplete.
  if (end < sample.size() && !(cut && end + size_t(subpart) == sample.size())) return TSampleKind::CodePage;
  return multiByte ? TSampleKind::Unicode : TSampleKind::Ascii;
}

}  // namespace

TTextEncoding DetectTextEncoding(std::string_view head) {
  TTextEncoding found;
  switch (KindOfSample(head, found)) {
    case TSampleKind::Unicode: return found;
    case TSampleKind::Ascii: return SystemAnsiEncoding();
    case TSampleKind::CodePage: break;
  }
  return DetectCodePage(head.substr(0, EncodingSampleSize));
}

TTextEncoding DetectStoredTextEncoding(std::string_view bytes) {
  TTextEncoding found;
  return KindOfSample(bytes, found) == TSampleKind::Unicode ? found : SystemAnsiEncoding();
}

std::string DecodeText(std::string_view bytes, TTextEncoding encoding) {
  const std::string_view mark = MarkOf(encoding);
  if (!mark.empty() && StartsWith(bytes, mark)) bytes.remove_prefix(mark.size());
  switch (encoding) {
    case TTextEncoding::Utf8:
    case TTextEncoding::Utf8Bom: return DecodeUtf8(bytes);
    case TTextEncoding::Utf16Le: return DecodeUtf16(bytes, false);
    case TTextEncoding::Utf16Be: return DecodeUtf16(bytes, true);
    default: return DecodeCodePage(bytes, encoding);
  }
}

std::string EncodeText(std::string_view text, TTextEncoding encoding) {
  std::string out(MarkOf(encoding));
  switch (encoding) {
    case TTextEncoding::Utf8:
    case TTextEncoding::Utf8Bom:
      out.reserve(out.size() + text.size());
      for (size_t i = 0; i < text.size();) AppendUtf8(out, ReadChar(text, i));
      return out;
    case TTextEncoding::Utf16Le: AppendUtf16(out, text, false); return out;
    case TTextEncoding::Utf16Be: AppendUtf16(out, text, true); return out;
    default: return EncodeCodePage(text, encoding);
  }
}

bool CanEncode(std::string_view text, TTextEncoding encoding) {
  if (!IsCodePage(encoding)) return true;
  for (size_t i = 0; i < text.size();) {
    const size_t run = AsciiRun(text, i);
    i += run;
    if (i < text.size() && ByteIn(encoding, ReadChar(text, i)) < 0) return false;
  }
  return true;
}

TTextEncoding SaveEncodingFor(TTextEncoding bookEncoding, std::string_view text) {
  return CanEncode(text, bookEncoding) ? bookEncoding : TTextEncoding::Utf8Bom;
}

const char* EncodingKey(TTextEncoding encoding) { return InfoOf(encoding).Key; }

bool EncodingOfKey(std::string_view key, TTextEncoding& encoding) {
  for (const TEncodingInfo& info : kEncodings)
    if (SameText(key, info.Key)) {
      encoding = info.Encoding;
      return true;
    }
  return false;
}

const char* EncodingCaption(TTextEncoding encoding) { return InfoOf(encoding).Caption; }

}  // namespace qv
