// Opens plain-text books of 50 KB, 200 KB and 500 KB, and two of 500 KB in
// UTF-8 and in Windows-1251 (Russian, its code page detected), in the main window and
// compares the time from LoadFromFile to the shown text with two floors:
//   plain floor: the same text streamed as plain UTF-16 into a fresh control of
//     the same size whose default character and paragraph formats are the
//     profile's (read back from the loaded book), so that as many lines wrap;
//   rtf floor: the rich text the load builds (a long book's reaches the control
//     in parts), streamed in one piece into a fresh control: what is left of
//     the load above it is our own code and the parts' cost.
// A load is timed until its whole text is in the rich-box.
// Like the rich-box during a load, a floor's control is hidden while its text
// goes in and shown (and painted) when it is in.
// Each book also gets the split of where the load's time goes: clearing the
// old text, the enhancement and the building of the stream (both into memory),
// the break index over the control's text, and the rest, the control's own.
// Last, a 3 MB book of one line with no breaks opens in pieces of 50,000
// characters (each piece one paragraph): its first two pieces, timed the same way.
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "encoding/TextEncoding.h"
#include "encoding/Utf8.h"
#include "platform/WideText.h"
#include "richbox/BreakIndex.h"
#include "richedit/RichEditCodec.h"
#include "BenchWindow.h"
#include "widgets/Application.h"

using namespace qv;
using namespace qv::bench;

namespace {

// Prose-like lines of about 70 characters of sixteen words (UTF-8), broken as a
// typical book is, until the text has bytes bytes.
std::string MakeProse(size_t bytes, const char* const (&words)[16]) {
  std::string text;
  unsigned seed = 12345;
  size_t line = 0;
  while (text.size() < bytes) {
    seed = seed * 1103515245u + 12345u;
    const char* w = words[(seed >> 16) % 16];
    text += w;
    line += size_t(Utf16Length(w)) + 1;
    if (line > 68) {
      text += "\r\n";
      line = 0;
      if ((seed >> 8) % 7 == 0) text += "\r\n";
    } else {
      text += ' ';
    }
  }
  return text;
}

std::string MakeBook(size_t bytes) {
  static const char* const words[] = {"the", "reader", "opened", "a", "book", "and", "turned", "its",
                                      "pages", "slowly,", "while", "rain", "fell", "on", "quiet", "streets."};
  return MakeProse(bytes, words).substr(0, bytes);
}

// The same prose in Russian, in Windows-1251 (one byte a letter).
std::string MakeCyrillicBook(size_t bytes) {
  static const char* const words[] = {u8"читатель", u8"открыл", u8"книгу", u8"и", u8"медленно", u8"листал",
                                      u8"её", u8"страницы,", u8"пока", u8"дождь", u8"шёл", u8"по", u8"тихим",
                                      u8"улицам.", u8"в", u8"старом"};
  return EncodeText(MakeProse(bytes * 2, words), TTextEncoding::Windows1251).substr(0, bytes);
}

// The same prose in UTF-8 (no mark), mostly ASCII: every "a" in typographic
// quotes and every "its" as "it’s", cut to size at the start of a character.
std::string MakeUtf8Book(size_t bytes) {
  const std::string ascii = MakeBook(bytes);
  std::string text;
  for (size_t i = 0; i < ascii.size();) {
    if (ascii.compare(i, 3, " a ") == 0) {
      text += " \xE2\x80\x9C" "a\xE2\x80\x9D ";
      i += 3;
    } else if (ascii.compare(i, 4, " its") == 0) {
      text += " it\xE2\x80\x99s";
      i += 4;
    } else {
      text += ascii[i++];
    }
  }
  size_t end = std::min(bytes, text.size());
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
  return text;
}


// The formats the load gave the book's text, to give a fresh control the same.
struct TBookFormats {
  CHARFORMAT2W Char{};
  PARAFORMAT2 Para{};
  LRESULT Margins = 0;
};

TBookFormats ReadFormats(HWND rich) {
  TBookFormats f;
  CHARRANGE first{0, 1};
  SendMessageW(rich, EM_EXSETSEL, 0, LPARAM(&first));
  f.Char.cbSize = sizeof f.Char;
  SendMessageW(rich, EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&f.Char));
  f.Para.cbSize = sizeof f.Para;
  SendMessageW(rich, EM_GETPARAFORMAT, 0, LPARAM(&f.Para));
  f.Margins = SendMessageW(rich, EM_GETMARGINS, 0, 0);
  return f;
}

double PlainFloorSeconds(app::TQuenvalisForm& form, const std::string& bytes, TBookFormats formats) {
  HWND h = FreshControl(form);
  SendMessageW(h, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, formats.Margins);
  SendMessageW(h, EM_SETCHARFORMAT, SCF_ALL, LPARAM(&formats.Char));
  formats.Para.dwMask = PFM_ALL2;
  SendMessageW(h, EM_SETPARAFORMAT, 0, LPARAM(&formats.Para));
  // The book's characters as the control takes them whatever the book's encoding: UTF-16.
  const std::wstring wide = win::ToWide(DecodeText(bytes, DetectTextEncoding(bytes)));
  const std::string units(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
  return StreamSeconds(h, units, SF_TEXT | SF_UNICODE);
}

double RtfFloorSeconds(app::TQuenvalisForm& form, const std::string& rtf) {
  return StreamSeconds(FreshControl(form), rtf, SF_RTF);
}

// Until the whole text is in the rich-box (a long book's later parts arrive
// while the message loop runs).
double LoadSeconds(app::TQuenvalisForm& form) {
  Drain();
  const TStopwatch watch;
  form.Book.LoadFromFile("", 1, false, 0);
  UpdateWindow(form.RichEdit.Handle());
  RunUntilWhole(form);
  const double seconds = watch.Seconds();
  Drain();
  return seconds;
}

// Where a load's time goes, each part measured on its own.
struct TSplit {
  double Clear = 0, Enhance = 0, Stream = 0, Index = 0;
};

// The split of a load just made: the break index over the control's text as
// the adapter rebuilds it, then the clearing of that text; the enhancement and
// the building of the stream come from their own measure (EnhancedRichText).
TSplit MeasureSplit(app::TQuenvalisForm& form, double enhance, double stream) {
  TSplit s;
  s.Enhance = enhance;
  s.Stream = stream;
  {
    const TStopwatch watch;
    std::wstring text(size_t(form.RichEdit.GetTextLength()) + 2, L'\0');
    GETTEXTEX gt{};
    gt.cb = DWORD(text.size() * sizeof(wchar_t));
    gt.codepage = win::kCodePageUtf16;
    const LRESULT got = SendMessageW(form.RichEdit.Handle(), EM_GETTEXTEX, WPARAM(&gt), LPARAM(&text[0]));
    text.resize(size_t(got > 0 ? got : 0));
    TBreakIndex index;
    index.Rebuild(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
    s.Index = watch.Seconds();
  }
  {
    const TStopwatch watch;
    form.RichEdit.Clear();
    s.Clear = watch.Seconds();
  }
  return s;
}

// A book of one line with no breaks, opened in pieces of 50,000 characters:
// the time of each of its first pieces from LoadFromFile to its shown text,
// against the floors of the same piece, with the split.
void MeasureOneLinePieces(app::TQuenvalisForm& form) {
  constexpr size_t kPiece = 50000;
  std::string bytes = MakeUtf8Book(3000000);  // quoted words: runs of another colour
  for (char& c : bytes)
    if (c == '\r' || c == '\n') c = ' ';
  const std::string path = WriteBenchFile("bench-one-line-3mb.txt", bytes);
  form.Book.Controls.OpenInPiecesCheckBox.SetChecked(true);
  form.Book.Controls.PieceSize.Box.SetText(std::to_string(kPiece));
  double worst = 0;
  for (int32_t piece = 1; piece <= 2; ++piece) {
    Drain();
    const TStopwatch watch;
    form.Book.LoadFromFile(path, piece, false, 0);
    UpdateWindow(form.RichEdit.Handle());
    RunUntilWhole(form);
    const double load = watch.Seconds();
    Drain();
    const std::string pieceBytes = bytes.substr((piece - 1) * kPiece, kPiece);
    const double plain = PlainFloorSeconds(form, pieceBytes, ReadFormats(form.RichEdit.Handle()));
    double enhance = 0, stream = 0;
    const double rtf = RtfFloorSeconds(form, EnhancedRichText(form, pieceBytes, &enhance, &stream));
    const TSplit split = MeasureSplit(form, enhance, stream);
    worst = std::max(worst, load);
    std::printf("one-line piece %d %9.3f %11.3f %9.3f   %.3f %.3f %.3f %.3f %.3f\n", piece, load, plain, rtf,
                split.Clear, split.Enhance, split.Stream, split.Index,
                load - split.Clear - split.Enhance - split.Stream - split.Index);
    std::fflush(stdout);
  }
  form.Book.Controls.OpenInPiecesCheckBox.SetChecked(false);
  DeleteFileW(win::ToWide(path).c_str());
  std::printf("one-line piece %.2f s\n", worst);
}

}  // namespace

int main() {
  TBenchWindow bench;  // each book opens whole
  auto& form = bench.form;
  Drain();
  double maxOwn = 0, maxRatio = 0;
  std::printf("%-13s %9s %11s %9s %9s %9s   split (s): clear enhance stream index control\n", "book", "load (s)",
              "plain floor", "rtf floor", "own", "ratio");
  const struct {
    const char* name;
    size_t kb;
    std::string (*make)(size_t bytes);
  } books[] = {{"", 50, MakeBook},
               {"", 200, MakeBook},
               {"", 500, MakeBook},
               {"-utf8", 500, MakeUtf8Book},
               {"-1251", 500, MakeCyrillicBook}};
  for (const auto& book : books) {
    const size_t kb = book.kb;
    const std::string bytes = book.make(kb * 1000);
    const std::string path = WriteBenchFile("bench-" + std::to_string(kb) + "k" + book.name + ".txt", bytes);
    form->Book.BookFileName = path;
    // The rich text the load builds, in one stream (a long book's reaches the control in parts).
    double enhance = 0, stream = 0;
    const std::string handed = EnhancedRichText(*form, bytes, &enhance, &stream);
    LoadSeconds(*form);  // warms the code paths and fonts
    const TBookFormats formats = ReadFormats(form->RichEdit.Handle());
    // The best of three runs each: the machine is shared, the best is the least disturbed.
    double load = 1e9, plain = 1e9, rtf = 1e9;
    for (int run = 0; run < 3; ++run) {
      load = std::min(load, LoadSeconds(*form));
      plain = std::min(plain, PlainFloorSeconds(*form, bytes, formats));
      rtf = std::min(rtf, RtfFloorSeconds(*form, handed));
    }
    // What the load showed: every paragraph of the book, the end marker last.
    const std::string shown = form->RichEdit.GetText();
    const bool whole = shown.find("***** End of Book *****") != std::string::npos && shown.size() > bytes.size() / 2;
    const TSplit split = MeasureSplit(*form, enhance, stream);
    const double own = rtf > 0 ? load / rtf : 0, ratio = plain > 0 ? load / plain : 0;
    maxOwn = std::max(maxOwn, own);
    maxRatio = std::max(maxRatio, ratio);
    // The control's part is what is left of the load: taking the stream, laying it out, painting it.
    const double control = load - split.Clear - split.Enhance - split.Stream - split.Index;
    std::printf("%4zu KB%-6s %9.3f %11.3f %9.3f %9.2f %9.2f   %.3f %.3f %.3f %.3f %.3f%s\n", kb, book.name, load, plain, rtf, own,
                ratio, split.Clear, split.Enhance, split.Stream, split.Index, control,
                whole ? "" : "  NOT SHOWN WHOLE");
    std::fflush(stdout);
    if (std::string(book.name) == "-1251")
      std::printf("%4zu KB%-6s read as %s\n", kb, book.name, EncodingKey(form->Book.Encoding));
    DeleteFileW(win::ToWide(path).c_str());
  }
  MeasureOneLinePieces(*form);
  std::printf("max own ratio %.2f\n", maxOwn);
  std::printf("max ratio %.2f\n", maxRatio);
  return 0;
}
