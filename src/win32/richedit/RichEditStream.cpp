// Whole-content streams, bursts and printing of the rich-box over the control.
#include "widgets/RichEdit.h"

#include <cderr.h>
#include <commdlg.h>
#include <richedit.h>

#include <iterator>
#include <utility>
#include <sstream>

#include "encoding/TextEncoding.h"
#include "platform/WideText.h"
#include "richbox/PrintPages.h"
#include "richbox/Rtf.h"
#include "richedit/RichEditCodec.h"

namespace qv::win {

namespace {

struct TStreamSource {
  const std::string* bytes;
  size_t pos;
};

DWORD CALLBACK ReadFromString(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* pcb) {
  auto* src = reinterpret_cast<TStreamSource*>(cookie);
  const size_t n = std::min(static_cast<size_t>(cb), src->bytes->size() - src->pos);
  memcpy(buf, src->bytes->data() + src->pos, n);
  src->pos += n;
  *pcb = static_cast<LONG>(n);
  return 0;
}

DWORD CALLBACK WriteToString(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* pcb) {
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buf), size_t(cb));
  *pcb = cb;
  return 0;
}

std::string ReadAll(std::istream& in) {
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool LooksLikeRtf(const std::string& bytes) { return bytes.compare(0, 5, "{\\rtf") == 0; }
}  // namespace

void TRichEdit::StreamIn(const std::string& bytes, unsigned format) {
  if (OnStreamIn) OnStreamIn(bytes, format);
  TStreamSource src{&bytes, 0};
  EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&src), 0, ReadFromString};
  SendRich(hwnd_, EM_STREAMIN, format, LPARAM(&es));
  TextChanged();
  if (OnStreamedIn) OnStreamedIn();
}

std::string TRichEdit::StreamOut(unsigned format) {
  std::string out;
  EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&out), 0, WriteToString};
  SendRich(hwnd_, EM_STREAMOUT, format, LPARAM(&es));
  return out;
}

bool TRichEdit::LoadRichText(std::istream& in) {
  const std::string bytes = ReadAll(in);
  if (pending_) {
    std::istringstream again(bytes);
    return pending_->LoadRichText(again);
  }
  if (!LooksLikeRtf(bytes)) return false;
  DropParts();
  StreamIn(bytes, SF_RTF);
  return true;
}

bool TRichEdit::SaveRichText(std::ostream& out) {
  if (pending_) return pending_->SaveRichText(out);
  return SaveRichText(out, -1);
}

bool TRichEdit::SaveRichText(std::ostream& out, int32_t end) {
  const bool whole = end < 0 || end >= GetTextLength();
  std::string rtf;
  if (whole) {
    rtf = StreamOut(SF_RTF);
  } else {
    // The part is the selection the control writes; the reader's selection comes back after.
    int32_t start = 0, length = 0;
    GetSelection(start, length);
    SetSelection(0, end);
    rtf = StreamOut(SF_RTF | SFF_SELECTION);
    SetSelection(start, length);
  }
  // Rich text that lost characters is written again from its content read
  // back, which keeps every character, with the final paragraph mark as the
  // control writes it. A part that ends with a break keeps it too: the reader
  // of the file takes a last "\par" as the final paragraph mark.
  const std::string text = whole ? GetText() : GetTextRange(0, end);
  TMemoryRichBox box;
  bool exact = true;
  const bool rewritten = ReadBackContent(rtf, box, exact, text, whole) && !exact;
  if (rewritten) {
    std::ostringstream again;
    box.SaveRichText(again);
    rtf = again.str();
  }
  const bool endsWithBreak = text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0;
  const size_t close = rtf.rfind('}');
  if (close != std::string::npos && (whole ? rewritten : endsWithBreak)) rtf.insert(close, "\\par ");
  out << rtf;
  return bool(out);
}

bool TRichEdit::ReadBackContent(std::string rtf, TMemoryRichBox& box, bool& exact, const std::string& text,
                                bool finalMark) {
  // The control writes its final paragraph mark as a last "\par"; in the
  // document that mark is the end of the final paragraph, not a break (a part
  // of the text has no final mark: its last "\par" is a break of its own). The
  // stream may end in a NUL byte after the closing brace.
  const size_t lastPar = rtf.rfind("\\par");
  if (finalMark && lastPar != std::string::npos &&
      rtf.find_first_not_of(std::string(" \r\n}\0", 5), lastPar + 4) == std::string::npos)
    rtf.erase(lastPar, 4);
  std::istringstream in(rtf);
  if (!box.LoadRichText(in)) return false;
  exact = box.GetText() == text;
  return exact || box.Document().ReplaceCharacters(text);
}

bool TRichEdit::LoadPlainText(std::istream& in) {
  const std::string bytes = ReadAll(in);
  if (pending_) {
    std::istringstream again(bytes);
    return pending_->LoadPlainText(again);
  }
  DropParts();
  // The control takes the decoded text as UTF-16, which it never misreads.
  const std::wstring wide = ToWide(DecodeText(bytes, DetectTextEncoding(bytes)));
  StreamIn(std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t)),
           SF_TEXT | SF_UNICODE);
  return true;
}

bool TRichEdit::SavePlainText(std::ostream& out) {
  const std::string text = GetText();
  out << EncodeText(text, SaveEncodingFor(SystemAnsiEncoding(), text));
  return bool(out);
}

void TRichEdit::BeginUpdate() {
  if (updateDepth_++ > 0) return;
  // The burst starts from the control's content: its text and formats, and the
  // format at its end, so that what is appended looks as it would in the control.
  auto box = std::make_unique<TMemoryRichBox>();
  bool exact = false;
  if (!ReadBackContent(StreamOut(SF_RTF), *box, exact, GetText(), true)) {
    // Content the reader cannot take exactly keeps at least its text.
    box = std::make_unique<TMemoryRichBox>();
    box->LoadText(GetText());
  }
  int32_t start = 0, length = 0;
  GetSelection(start, length);
  box->SetSelection(start, length);
  box->SetModified(GetModified());
  box->SetReadOnly(GetReadOnly());
  box->SetTextLimit(GetTextLimit());
  // Drawing off; the redraw message also clears the visible style, which
  // EndUpdate puts back as it was (a hidden control stays hidden).
  wasVisible_ = DrawingOff();
  pending_ = std::move(box);
}

void TRichEdit::EndBurstInParts(int32_t at, int32_t windowChars) {
  partsAt_ = at;
  partsWindow_ = windowChars;
}

void TRichEdit::EndUpdate() {
  if (updateDepth_ == 0 || --updateDepth_ > 0) return;
  const int32_t window = std::exchange(partsWindow_, 0);
  // A content of up to four windows goes in as one: it streams in about a
  // tenth of a second, and parts would add their own cost to it.
  if (window > 0 && pending_->GetTextLength() > 4 * window) {
    StartParts(partsAt_, window);
    return;
  }
  std::unique_ptr<TMemoryRichBox> box = std::move(pending_);
  int32_t start = 0, length = 0;
  box->GetSelection(start, length);
  const bool modified = box->GetModified();
  const TRichDocument& doc = box->Document();
  const int32_t expectedLength = doc.TextLength();
  std::string rtf = DocumentToRtf(doc);
  // A stream that ends in a break loses it to the control's final paragraph
  // mark; an empty final paragraph therefore needs one more break.
  const int32_t last = doc.ParagraphCount() - 1;
  const size_t close = rtf.rfind('}');
  if (last > 0 && doc.ParagraphLength(last) == 0 && close != std::string::npos) rtf.insert(close, "\\par ");
  box.reset();
  StreamIn(rtf, SF_RTF);
  const int32_t extra = GetTextLength() - expectedLength;
  if (extra == 2) {
    // This control kept the last break as text: it goes again.
    const int32_t length = ControlLength();
    CHARRANGE r{length - 1, length};
    SendRich(hwnd_, EM_EXSETSEL, 0, LPARAM(&r));
    SendRich(hwnd_, EM_REPLACESEL, FALSE, LPARAM(L""));
    TextChanged();
  }
  SetSelection(start, length);
  SetModified(modified);
  DrawingOn(wasVisible_);
  TControl::Invalidate();
}

bool TRichEdit::DefaultPrinterExists() {
  PRINTDLGW pd{};
  pd.lStructSize = sizeof pd;
  pd.Flags = PD_RETURNDEFAULT;
  if (PrintDlgW(&pd)) {
    if (pd.hDevMode) GlobalFree(pd.hDevMode);
    if (pd.hDevNames) GlobalFree(pd.hDevNames);
    return true;
  }
  const DWORD why = CommDlgExtendedError();
  return why != PDERR_NODEFAULTPRN && why != PDERR_NODEVICES;
}

bool TRichEdit::DrawingOff() {
  const bool visible = (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
  SendRich(hwnd_, WM_SETREDRAW, FALSE);
  return visible;
}

void TRichEdit::DrawingOn(bool visible) {
  SendRich(hwnd_, WM_SETREDRAW, TRUE);
  if (!visible) SetWindowLongW(hwnd_, GWL_STYLE, GetWindowLongW(hwnd_, GWL_STYLE) & ~WS_VISIBLE);
}

bool TRichEdit::Print(const std::string& jobTitle) {
  if (pending_) return pending_->Print(jobTitle);
  PRINTDLGW pd{};
  pd.lStructSize = sizeof pd;
  pd.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
  if (!PrintDlgW(&pd) || !pd.hDC) return false;
  HDC dc = pd.hDC;
  const std::wstring title = ToWide(jobTitle);
  DOCINFOW doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = title.c_str();
  bool ok = StartDocW(dc, &doc) > 0;
  if (ok) {
    // The page in twips, from the printer's size and resolution.
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    RECT page{0, 0, MulDiv(GetDeviceCaps(dc, PHYSICALWIDTH), 1440, dpiX),
              MulDiv(GetDeviceCaps(dc, PHYSICALHEIGHT), 1440, dpiY)};
    RECT area{720, 720, page.right - 720, page.bottom - 720};
    PrintPageRanges(ControlLength(), [&](int32_t from, int32_t last) -> int32_t {
      FORMATRANGE fr{};
      fr.hdc = fr.hdcTarget = dc;
      fr.rc = area;
      fr.rcPage = page;
      fr.chrg = {from, last};
      StartPage(dc);
      const LRESULT next = SendRich(hwnd_, EM_FORMATRANGE, TRUE, LPARAM(&fr));
      ok = EndPage(dc) > 0 && ok;
      return int32_t(next);
    });
    SendRich(hwnd_, EM_FORMATRANGE, FALSE, 0);  // frees the control's cached print information
    ok = (ok ? EndDoc(dc) : AbortDoc(dc)) > 0 && ok;
  }
  DeleteDC(dc);
  if (pd.hDevMode) GlobalFree(pd.hDevMode);
  if (pd.hDevNames) GlobalFree(pd.hDevNames);
  return ok;
}

}  // namespace qv::win
