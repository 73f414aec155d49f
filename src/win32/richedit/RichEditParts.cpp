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
  DrawingOn(wasVisible_);
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
  ShowParts(windowChars, [] { return false; });
  SetSelection(start, length);
  SetModified(modified);
  TControl::Invalidate();
}

void TRichEdit::ShowParts(int32_t chars, const std::function<bool()>& more) {
  if (!parts_) return;
  CHARRANGE keep{};
  SendRich(hwnd_, EM_EXGETSEL, 0, LPARAM(&keep));
  int32_t top = TopCharacter();
  const bool endInView = EndInView();
  const bool modified = GetModified();
  // Nothing is drawn until the view is back on its text, and with drawing off
  // the selection moves to the end of a long text and back at no cost.
  const bool visible = DrawingOff();
  bool beforeView = false;
  do {
    const TPartedContent::TPart part = parts_->NextPart(chars);
    // After a part the selection stands at its end, where the next part at the end goes.
    CHARRANGE now{};
    SendRich(hwnd_, EM_EXGETSEL, 0, LPARAM(&now));
    if (now.cpMin != part.At || now.cpMax != part.At) {
      CHARRANGE into{part.At, part.At};
      SendRich(hwnd_, EM_EXSETSEL, 0, LPARAM(&into));
    }
    const int32_t before = ControlLength();
    StreamIn(partWriter_->Part(part.First, part.End), SF_RTF | SFF_SELECTION);
    const int32_t added = ControlLength() - before;
    // The view and the selection stay on their characters.
    if (part.BeforeWindow) {
      beforeView = beforeView || top >= part.At;
      if (top >= part.At) top += added;
      if (keep.cpMin >= part.At) keep.cpMin += added;
      if (keep.cpMax >= part.At) keep.cpMax += added;
    }
    parts_->PartShown(part);
  } while (!parts_->Done() && more());
  if (TopCharacter() != top) {
    // Scrolled up to from below, the caret's line becomes the top line (the
    // scroll positions the control answers are scaled in a long text, and its
    // line scroll counts lines of its default font). A caret goes there too.
    ScrollTo(0x3FFFFFFF);
    CHARRANGE caret{top, top};
    SendRich(hwnd_, EM_EXSETSEL, 0, LPARAM(&caret));
    SendRich(hwnd_, EM_SCROLLCARET);
    if (keep.cpMin == keep.cpMax) keep = caret;
  }
  SendRich(hwnd_, EM_EXSETSEL, 0, LPARAM(&keep));
  DrawingOn(visible);
  // The text in view changed only where it reached the end of the text; the
  // scroll bar beside it changed in any case.
  RECT client{};
  GetClientRect(hwnd_, &client);
  RECT bar{client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL) + 4, client.bottom};
  const bool textChanged = beforeView || endInView;
  RedrawWindow(hwnd_, textChanged ? nullptr : &bar, nullptr, RDW_INVALIDATE | RDW_FRAME);
  // What went in is no edit the reader could undo.
  SendRich(hwnd_, EM_EMPTYUNDOBUFFER);
  SetModified(modified);
  // The selection's moves showed the caret, which a read-only text hides.
  if (GetReadOnly()) HideCaret();
  if (parts_->Done()) DropParts();
}

bool TRichEdit::EndInView() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  POINTL corner{client.right - 1, client.bottom - 1};
  return SendRich(hwnd_, EM_CHARFROMPOS, 0, LPARAM(&corner)) >= ControlLength() - 1;
}

int32_t TRichEdit::TopCharacter() {
  return int32_t(SendRich(hwnd_, EM_LINEINDEX, WPARAM(SendRich(hwnd_, EM_GETFIRSTVISIBLELINE))));
}

void TRichEdit::DropParts() {
  if (!parts_) return;  // the text and its index stay as they are
  partWriter_.reset();
  parts_.reset();
  TextChanged();
}

}  // namespace qv::win
