// A long content reaching the control in parts: the window first, then the
// paragraphs before it, then those after it.
#include <richedit.h>

#include "richbox/Rtf.h"
#include "richedit/RichEditCodec.h"
#include "widgets/RichEdit.h"

namespace qv::win {

void TRichEdit::StartParts(int32_t at, int32_t windowChars) {
  std::unique_ptr<TMemoryRichBox> box = std::move(pending_);
  int32_t start = 0, length = 0;
  box->GetSelection(start, length);
  const bool modified = box->GetModified();
  // The control starts empty with the formats of the content's final paragraph
  // and of its end, which the parts' text then goes before.
  SendRich(hwnd_, WM_SETREDRAW, TRUE);
  if (!wasVisible_) SetWindowLongA(hwnd_, GWL_STYLE, GetWindowLongA(hwnd_, GWL_STYLE) & ~WS_VISIBLE);
  Clear();
  const TRichDocument& doc = box->Document();
  TParaFormat final = doc.ParaFormat(doc.ParagraphCount() - 1);
  final.Extended = true;
  final.Mask = ParaMask::AllUsed;
  SetParaFormat(final);
  TCharFormat end = doc.EndFormat();
  end.Extended = true;
  end.Mask = CharMask::AllUsed & ~(end.BackColor == NoBackColor ? CharMask::BackColor : 0);
  SetCharFormat(end, TFormatTarget::Selection);
  parts_ = std::make_unique<TPartedContent>(std::move(box->Document()), at, windowChars);
  partWriter_ = std::make_unique<TRtfParts>(parts_->Document());
  box.reset();
  ShowNextPart(windowChars);
  SetSelection(start, length);
  SetModified(modified);
  TControl::Invalidate();
}

void TRichEdit::ShowNextPart(int32_t chars) {
  if (!parts_) return;
  const TPartedContent::TPart part = parts_->NextPart(chars);
  InsertPart(partWriter_->Part(part.First, part.End), part.At, part.BeforeWindow);
  parts_->PartShown(part);
  if (parts_->Done()) DropParts();
}

void TRichEdit::InsertPart(const std::string& rtf, int32_t at, bool beforeView) {
  CHARRANGE keep{};
  SendRich(hwnd_, EM_EXGETSEL, 0, LPARAM(&keep));
  POINT scroll{};
  SendRich(hwnd_, EM_GETSCROLLPOS, 0, LPARAM(&scroll));
  const LRESULT top = SendRich(hwnd_, EM_LINEINDEX, WPARAM(SendRich(hwnd_, EM_GETFIRSTVISIBLELINE)));
  POINTL topBefore{};
  SendRich(hwnd_, EM_POSFROMCHAR, WPARAM(&topBefore), top);
  const bool modified = GetModified();
  // Text going in before the view would show there for a moment: nothing is
  // drawn until the view is back on its text.
  if (beforeView) SendRich(hwnd_, WM_SETREDRAW, FALSE);
  const int32_t before = ControlLength();
  CHARRANGE into{at, at};
  SendRich(hwnd_, EM_EXSETSEL, 0, LPARAM(&into));
  StreamIn(rtf, SF_RTF | SFF_SELECTION);
  const int32_t added = ControlLength() - before;
  // The selection and the view stay on their characters.
  if (keep.cpMin >= at) keep.cpMin += added;
  if (keep.cpMax >= at) keep.cpMax += added;
  SendRich(hwnd_, EM_EXSETSEL, 0, LPARAM(&keep));
  POINT now{};
  SendRich(hwnd_, EM_GETSCROLLPOS, 0, LPARAM(&now));
  if (now.x != scroll.x || now.y != scroll.y) SendRich(hwnd_, EM_SETSCROLLPOS, 0, LPARAM(&scroll));
  if (beforeView && top >= at) {
    POINTL topAfter{};
    SendRich(hwnd_, EM_POSFROMCHAR, WPARAM(&topAfter), LPARAM(top + added));
    scroll.y += topAfter.y - topBefore.y;
    SendRich(hwnd_, EM_SETSCROLLPOS, 0, LPARAM(&scroll));
  }
  if (beforeView) {
    SendRich(hwnd_, WM_SETREDRAW, TRUE);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
  }
  // What went in is no edit the reader could undo.
  SendRich(hwnd_, EM_EMPTYUNDOBUFFER);
  SetModified(modified);
}

void TRichEdit::DropParts() {
  partWriter_.reset();
  parts_.reset();
  TextChanged();
}

}  // namespace qv::win
