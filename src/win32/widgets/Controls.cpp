#include "widgets/Controls.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>

#include "platform/WideText.h"
#include "widgets/Accessibility.h"
#include "widgets/ControlFaces.h"
#include "widgets/WindowDpi.h"

namespace qv::win {

namespace {
int nextControlId = 1000;
HMENU NextId() { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextControlId++)); }
}  // namespace

// ---- buttons ----

TButton::TButton(TControl* parent, const std::string& name, const std::string& caption, int x,
                 int y, int w, int h)
    : TControl(parent, name) {
  CreateHandle(L"BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, x, y, w, h);
  MouseDownAfterControl = true;  // only a button with OnMouseDown is handled so
}

void TButton::Click() {
  if (OnClick) OnClick();
  else if (OnMouseDown) OnMouseDown(TMouseButton::Left, CurrentShiftState() & (ssShift | ssAlt | ssCtrl), 0, 0);
}

void TButton::PressHandled() {
  // The press has taken the focus and drawn the button pressed; the button lets
  // go of the mouse, which also draws it raised again.
  if (GetCapture() == hwnd_) ReleaseCapture();
  SendMessageW(hwnd_, BM_SETSTATE, FALSE, 0);
}

bool TButton::HandleCommand(WORD code) {
  if (code != BN_CLICKED) return false;
  Click();
  return true;
}

void TButton::SetDefault(bool isDefault) {
  const DWORD type = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (WindowWaits()) SetStyle((Style() & ~BS_TYPEMASK) | type);
  else SendMessageW(hwnd_, BM_SETSTYLE, type, TRUE);
}

void TButton::SetShield(bool shield) {
  constexpr UINT kSetShield = BCM_FIRST + 0x000C;  // BCM_SETSHIELD, Windows Vista's common controls
  shield_ = shield;
  if (hwnd_) SendMessageW(hwnd_, kSetShield, 0, shield ? TRUE : FALSE);
}

void TButton::WindowMade() {
  if (shield_) SetShield(true);
}

namespace {
// The first press of a key, not the ones a held key repeats.
bool FirstPress(LPARAM lp) { return (lp & (1 << 30)) == 0; }
}  // namespace

namespace {
// The messages after which the system may have drawn a button in its own colours.
bool RedrawsButton(UINT msg) {
  switch (msg) {
    case BM_SETSTATE: case BM_SETSTYLE: case WM_SETFOCUS: case WM_KILLFOCUS: case WM_ENABLE:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_MOUSEMOVE: case WM_KEYDOWN:
    case WM_KEYUP: case WM_CAPTURECHANGED: case WM_SETTEXT: case WM_UPDATEUISTATE:
      return true;
    default:
      return false;
  }
}
}  // namespace

void TButton::PaintDark() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  DRAWITEMSTRUCT item{};
  item.hDC = dc;
  GetClientRect(hwnd_, &item.rcItem);
  const LRESULT state = SendMessageW(hwnd_, BM_GETSTATE, 0, 0);
  item.itemState = (state & BST_PUSHED ? ODS_SELECTED : 0) | (Focused() ? ODS_FOCUS : 0) |
                   (Enabled() ? 0 : ODS_DISABLED) |
                   ((GetWindowLongW(hwnd_, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? ODS_DEFAULT : 0);
  PaintButtonFace(item, *this, Text());
  EndPaint(hwnd_, &ps);
}

bool TButton::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (IsDarkColor(Color())) {
    if (msg == WM_PAINT) {
      PaintDark();
      result = 0;
      return true;
    }
    if (msg == WM_ERASEBKGND) {
      result = 1;
      return true;
    }
    // The system draws a button at once where its state changes: drawn again
    // over that in the colours around it.
    if (RedrawsButton(msg) && !painting_) {
      painting_ = true;
      if (!WndProc(msg, wp, lp, result)) result = DefaultProc(msg, wp, lp);
      painting_ = false;
      if (hwnd_) {
        InvalidateRect(hwnd_, nullptr, FALSE);
        UpdateWindow(hwnd_);
      }
      return true;
    }
  }
  // A button whose actions are on the mouse buttons takes the keys as its clicks.
  if (OnMouseDown) {
    if (!KeyAsClick(msg, wp, lp)) return false;
  } else {
    // Enter presses a button as Space does.
    if (msg != WM_KEYDOWN || wp != VK_RETURN) return false;
    if (FirstPress(lp)) Click();
  }
  result = 0;
  return true;
}

TCheckBox::TCheckBox(TControl* parent, const std::string& name, const std::string& caption, int x,
                     int y, int w, int h, DWORD style)
    : TControl(parent, name) {
  CreateHandle(L"BUTTON", caption, WS_VISIBLE | style, 0, x, y, w, h);
}

bool TCheckBox::Checked() const {
  return WindowWaits() ? waitingChecked_ : SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked) {
  if (WindowWaits()) waitingChecked_ = checked;
  else SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::WindowMade() {
  if (waitingChecked_) SetChecked(true);
}

bool TCheckBox::HandleCommand(WORD code) {
  if (code != BN_CLICKED) return false;
  if (OnClick) OnClick();
  return true;
}

bool TCheckBox::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  // Enter ticks the box as Space does; on a radio button it is the window's (its default button).
  if (msg != WM_KEYDOWN || wp != VK_RETURN) return false;
  if ((GetWindowLongW(hwnd_, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON) return false;
  if (FirstPress(lp)) {
    SetChecked(!Checked());
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
    if (OnClick) OnClick();
  }
  result = 0;
  return true;
}

// ---- combo box ----

TComboBox::TComboBox(TControl* parent, const std::string& name, int x, int y, int w, bool editable)
    : TControl(parent, name), editable_(editable) {
  // Made with the height of the closed box: sizing the drop-down list costs
  // far more than the box itself (under wine), so the list gets its height when
  // it is first dropped.
  CreateHandle(L"COMBOBOX", "",
               WS_VISIBLE | WS_TABSTOP | WS_VSCROLL |
                   (editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST),
               0, x, y, w, kClosedHeight);
}

void TComboBox::WindowMade() {
  if (HWND edit = editable_ ? FindWindowExW(hwnd_, nullptr, L"Edit", nullptr) : nullptr)
    SetWindowSubclass(edit, EditProc, 0, reinterpret_cast<DWORD_PTR>(this));
  // The items and the choice kept while the window waited.
  for (const std::string& item : items_)
    SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(item).c_str()));
  if (waitingIndex_ >= 0) SetItemIndex(waitingIndex_);
  else if (!waitingText_.empty()) TControl::SetText(waitingText_);
}

LRESULT CALLBACK TComboBox::EditProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR box) {
  if (msg == WM_GETOBJECT && static_cast<LONG>(lp) == OBJID_CLIENT)
    if (const LRESULT answer = AnswerAccessibleObject(*reinterpret_cast<TComboBox*>(box), wp, edit)) return answer;
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(edit, EditProc, 0);
  return DefSubclassProc(edit, msg, wp, lp);
}

void TComboBox::SizeDropDownList() {
  if (listSized_) return;
  listSized_ = true;
  SetWindowPos(hwnd_, nullptr, 0, 0, Width(), ScaleToDpi(kDroppedHeight, dpi_),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  // The list is wide enough for its widest item (a long font name), with its
  // text margins and its scroll bar; never narrower than the box.
  const TControlDC dc(*this);
  int widest = 0;
  for (const std::string& item : items_) widest = std::max<int>(widest, dc.TextExtent(item).cx);
  const int needed = widest + ScaleToDpi(8, dpi_) + SystemMetricForDpi(SM_CXVSCROLL, dpi_);
  SendMessageW(hwnd_, CB_SETDROPPEDWIDTH, std::max(needed, Width()), 0);
}

void TComboBox::DpiChanged() {
  TControl::DpiChanged();
  listSized_ = false;  // the new place gave the box its closed height again
}

bool TComboBox::DroppedDown() const { return hwnd_ && SendMessageW(hwnd_, CB_GETDROPPEDSTATE, 0, 0) != 0; }

void TComboBox::SetItems(const std::vector<std::string>& items) {
  if (hwnd_) SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  Clear();
  for (const auto& s : items) AddItem(s);
  if (hwnd_) SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
}

void TComboBox::AddItem(const std::string& item) {
  if (hwnd_) SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(item).c_str()));
  items_.push_back(item);
}

void TComboBox::Clear() {
  if (hwnd_) SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
  items_.clear();
  waitingIndex_ = -1;
  waitingText_.clear();
}

int TComboBox::ItemCount() const { return static_cast<int>(items_.size()); }

int TComboBox::ItemIndex() const {
  return WindowWaits() ? waitingIndex_ : static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int index) {
  if (!WindowWaits()) {
    SendMessageW(hwnd_, CB_SETCURSEL, index, 0);
    return;
  }
  // As the control does: an index out of range chooses none, and choosing none clears the text.
  waitingIndex_ = index >= 0 && index < ItemCount() ? index : -1;
  waitingText_.clear();
}

int TComboBox::IndexOf(const std::string& item) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == item) return static_cast<int>(i);
  return -1;
}

std::string TComboBox::Text() const {
  if (!WindowWaits()) return TControl::Text();
  return waitingIndex_ >= 0 ? items_[static_cast<size_t>(waitingIndex_)] : waitingText_;
}

void TComboBox::SetText(const std::string& text) {
  const int i = IndexOf(text);
  SetItemIndex(i);
  if (i >= 0 || !editable_) return;
  if (WindowWaits()) waitingText_ = text;
  else TControl::SetText(text);
}

bool TComboBox::HandleCommand(WORD code) {
  if (code == CBN_DROPDOWN) {
    SizeDropDownList();
    return true;
  }
  if (code == CBN_SELCHANGE || (editable_ && code == CBN_EDITCHANGE)) {
    if (OnChange) OnChange();
    return true;
  }
  return false;
}

// ---- edits ----

TEdit::TEdit(TControl* parent, const std::string& name, int x, int y, int w, int h)
    : TControl(parent, name) {
  CreateHandle(L"EDIT", "", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, x, y, w, h);
}

void TEdit::SetReadOnly(bool readOnly) {
  if (WindowWaits()) SetStyle(readOnly ? Style() | ES_READONLY : Style() & ~ES_READONLY);
  else SendMessageW(hwnd_, EM_SETREADONLY, readOnly, 0);
}

bool TEdit::HandleCommand(WORD code) {
  if (code != EN_CHANGE) return false;
  if (OnChange) OnChange();
  return true;
}

TMemo::TMemo(TControl* parent, const std::string& name, int x, int y, int w, int h, bool readOnly)
    : TControl(parent, name), readOnly_(readOnly) {
  CreateHandle(L"EDIT", "",
               WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                   (readOnly ? ES_READONLY : 0),
               WS_EX_CLIENTEDGE, x, y, w, h);
}

bool TMemo::HandleCommand(WORD code) {
  if (code != EN_CHANGE) return false;
  if (OnChange) OnChange();
  return true;
}

bool TMemo::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg != WM_GETDLGCODE || !readOnly_) return TControl::WndProc(msg, wp, lp, result);
  result = DefaultProc(msg, wp, lp) & ~DLGC_WANTALLKEYS;
  return true;
}

// ---- label ----

TLabel::TLabel(TControl* parent, const std::string& name, const std::string& caption, int x, int y,
               int w, int h, bool wordWrap)
    : TControl(parent, name), wordWrap_(wordWrap) {
  CreateHandle(ContainerClassName(), caption, WS_VISIBLE, 0, x, y, w, h);
}

void TLabel::SetCaption(const std::string& caption) {
  if (caption == Text()) return;
  SetText(caption);
  Invalidate(true);
}

long TLabel::AccessibleRole() const { return ROLE_SYSTEM_STATICTEXT; }

void TLabel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate(true);
}

COLORREF TLabel::TextBackColor() const {
  return transparent_ && Parent() ? Parent()->TextBackColor() : TControl::TextBackColor();
}

bool TLabel::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      if (transparent_ && GetParent(hwnd_)) {
        // The parent erases its own background into our DC, moved so that its
        // coordinates meet ours: what lies under the label shows through.
        POINT origin{0, 0};
        MapWindowPoints(hwnd_, GetParent(hwnd_), &origin, 1);
        POINT old;
        SetViewportOrgEx(dc, -origin.x, -origin.y, &old);
        SendMessageW(GetParent(hwnd_), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        SetViewportOrgEx(dc, old.x, old.y, nullptr);
      } else {
        PaintBackground(dc);
      }
      RECT r;
      GetClientRect(hwnd_, &r);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, DrawnTextColor());
      HGDIOBJ old = SelectObject(dc, FontHandle());
      const std::wstring text = ToWide(Text());
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                align_ | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE) | DT_NOPREFIX);
      SelectObject(dc, old);
      EndPaint(hwnd_, &ps);
      result = 0;
      return true;
    }
    case WM_SETTEXT:
      InvalidateRect(hwnd_, nullptr, FALSE);
      return false;
  }
  return false;
}

// ---- group box: a container that draws an etched frame with its caption ----

TGroupBox::TGroupBox(TControl* parent, const std::string& name, const std::string& caption, int x,
                     int y, int w, int h)
    : TControl(parent, name) {
  CreateHandle(ContainerClassName(), caption, WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
               WS_EX_CONTROLPARENT, x, y, w, h);
}

long TGroupBox::AccessibleRole() const { return ROLE_SYSTEM_GROUPING; }

bool TGroupBox::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_ERASEBKGND) {
    HDC dc = reinterpret_cast<HDC>(wp);
    PaintBackground(dc);
    RECT r;
    GetClientRect(hwnd_, &r);
    HGDIOBJ old = SelectObject(dc, FontHandle());
    TEXTMETRICW tm;
    GetTextMetricsW(dc, &tm);
    RECT frame = r;
    frame.top += tm.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::string caption = Text();
    if (!caption.empty()) {
      SetBkColor(dc, Color());
      SetTextColor(dc, DrawnTextColor());
      const std::wstring text = ToWide(" " + caption + " ");
      TextOutW(dc, ScaleToDpi(8, dpi_), 0, text.c_str(), static_cast<int>(text.size()));
    }
    SelectObject(dc, old);
    result = 1;
    return true;
  }
  return false;
}

// ---- page control ----

TPageControl::TPageControl(TControl* parent, const std::string& name, int x, int y, int w, int h,
                           bool multiLine)
    : TControl(parent, name) {
  CreateHandle(WC_TABCONTROLW, "",
               WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_OWNERDRAWFIXED |
                   (multiLine ? TCS_MULTILINE : 0),
               WS_EX_CONTROLPARENT, x, y, w, h);
}

namespace {
void InsertTab(HWND tabs, int at, const std::string& caption) {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  std::wstring text = ToWide(caption);
  item.pszText = &text[0];
  TabCtrl_InsertItem(tabs, at, &item);
}
}  // namespace

TTabSheet* TPageControl::AddPage(const std::string& name, const std::string& caption) {
  // The first tab is the chosen one, as the control makes it.
  if (hwnd_) InsertTab(hwnd_, PageCount(), caption);
  else if (waitingActive_ < 0) waitingActive_ = 0;
  owned_.push_back(std::make_unique<TTabSheet>(this, name, caption));
  pages_.push_back(owned_.back().get());
  PlacePages();
  SetActivePage(ActivePage());
  return pages_.back();
}

void TPageControl::WindowMade() {
  for (int i = 0; i < PageCount(); ++i) InsertTab(hwnd_, i, Page(i)->Text());
  if (waitingActive_ >= 0) TabCtrl_SetCurSel(hwnd_, waitingActive_);
  PlacePages();
}

int TPageControl::ActiveIndex() const { return hwnd_ ? TabCtrl_GetCurSel(hwnd_) : waitingActive_; }

TTabSheet* TPageControl::ActivePage() const {
  const int i = ActiveIndex();
  return i >= 0 && i < PageCount() ? pages_[static_cast<size_t>(i)] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  HWND focus = GetFocus();
  bool focusHidden = false;
  for (size_t i = 0; i < pages_.size(); ++i) {
    if (pages_[i] == page) {
      if (hwnd_) TabCtrl_SetCurSel(hwnd_, static_cast<int>(i));
      else waitingActive_ = static_cast<int>(i);
    }
    const bool shown = pages_[i] == page;
    if (!shown && focus && pages_[i]->Handle() && IsChild(pages_[i]->Handle(), focus)) focusHidden = true;
    pages_[i]->SetVisible(shown);
  }
  if (focusHidden) SetFocus();
}

void TPageControl::SelectNextPage(bool forward) {
  const int count = PageCount();
  if (count == 0) return;
  const int at = ActiveIndex();
  const int next = at < 0 ? 0 : (at + (forward ? 1 : count - 1)) % count;
  SetActivePage(Page(next));
  if (OnChange) OnChange();
}

void TPageControl::DpiChanged() {
  TControl::DpiChanged();
  PlacePages();  // the tabs' height follows their font
}

void TPageControl::PlacePages() {
  if (!hwnd_) return;  // placed when the window is made
  RECT r;
  GetClientRect(hwnd_, &r);
  TabCtrl_AdjustRect(hwnd_, FALSE, &r);
  for (TTabSheet* p : pages_) p->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

bool TPageControl::HandleDrawItem(DRAWITEMSTRUCT* dis) {
  if (dis->itemID < pages_.size()) PaintTabFace(*dis, *this, pages_[dis->itemID]->Text());
  return true;
}

bool TPageControl::HandleNotify(NMHDR* hdr, LRESULT& result) {
  if (hdr->code != TCN_SELCHANGE) return false;
  SetActivePage(ActivePage());
  if (OnChange) OnChange();
  result = 0;
  return true;
}

bool TPageControl::WndProc(UINT msg, WPARAM, LPARAM, LRESULT&) {
  if (msg == WM_SIZE) PlacePages();
  return false;
}

// The page's window text is its tab's caption, which names the page to screen readers.
TTabSheet::TTabSheet(TPageControl* owner, const std::string& name, const std::string& caption)
    : TPanel(owner, name, 0, 0, 10, 10), owner_(owner) {
  SetPlacedByOwner();
  SetText(caption);
}

long TTabSheet::AccessibleRole() const { return ROLE_SYSTEM_PROPERTYPAGE; }

// ---- list box ----

TListBoxBase::TListBoxBase(TControl* parent, const std::string& name, DWORD style, int x, int y,
                           int w, int h)
    : TControl(parent, name) {
  CreateHandle(L"LISTBOX", "", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | style,
               WS_EX_CLIENTEDGE, x, y, w, h);
}

void TListBoxBase::WindowMade() {
  SetWindowLongPtrW(hwnd_, GWLP_ID, reinterpret_cast<LONG_PTR>(NextId()));
  // What was kept while the window waited.
  if (itemHeightSet_) SetItemHeight(itemHeight_);
  FillMadeWindow();
  if (waitingIndex_ >= 0) SetItemIndex(waitingIndex_);
  if (waitingTop_ > 0) SetTopIndex(waitingTop_);
}

int TListBoxBase::ItemCount() const {
  return hwnd_ ? static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)) : waitingCount_;
}
int TListBoxBase::ItemIndex() const {
  return hwnd_ ? static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0)) : waitingIndex_;
}
void TListBoxBase::SetItemIndex(int i) {
  if (hwnd_) SendMessageW(hwnd_, LB_SETCURSEL, i, 0);
  else waitingIndex_ = i >= 0 && i < waitingCount_ ? i : -1;
}
int TListBoxBase::TopIndex() const {
  return hwnd_ ? static_cast<int>(SendMessageW(hwnd_, LB_GETTOPINDEX, 0, 0)) : waitingTop_;
}
void TListBoxBase::SetTopIndex(int i) {
  if (hwnd_) SendMessageW(hwnd_, LB_SETTOPINDEX, i, 0);
  else waitingTop_ = std::max(0, std::min(i, waitingCount_ - 1));
}

void TListBoxBase::SetItemHeight(int h) {
  itemHeight_ = h;
  itemHeightSet_ = true;
  if (hwnd_) SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, ItemHeight());
}

void TListBoxBase::DpiChanged() {
  TControl::DpiChanged();
  SetItemHeight(itemHeight_);
}

bool TListBoxBase::HandleCommand(WORD code) {
  if (code == LBN_SELCHANGE && OnClick) OnClick();
  else if (code == LBN_DBLCLK && OnDblClick) OnDblClick();
  else return false;
  return true;
}

bool TListBoxBase::HandleMeasureItem(MEASUREITEMSTRUCT* mis) {
  mis->itemHeight = static_cast<UINT>(ItemHeight());
  return true;
}

TListBox::TListBox(TControl* parent, const std::string& name, int x, int y, int w, int h)
    : TListBoxBase(parent, name, LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, x, y, w, h) {}

void TListBox::SetItems(const std::vector<std::string>& items) {
  if (hwnd_) SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  Clear();
  for (const auto& s : items) AddItem(s);
  if (hwnd_) SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
  Invalidate();
}

void TListBox::AddItem(const std::string& item) {
  if (hwnd_) {
    SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(item).c_str()));
    return;
  }
  waitingItems_.push_back(item);
  waitingCount_ = static_cast<int>(waitingItems_.size());
}

void TListBox::Clear() {
  if (hwnd_) SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
  waitingItems_.clear();
  waitingCount_ = 0, waitingIndex_ = -1, waitingTop_ = 0;
}

void TListBox::FillMadeWindow() {
  for (const std::string& item : waitingItems_) AddItem(item);
  waitingItems_.clear();
}

std::string TListBox::Item(int i) const {
  if (!hwnd_) return i >= 0 && i < waitingCount_ ? waitingItems_[static_cast<size_t>(i)] : std::string();
  const int len = static_cast<int>(SendMessageW(hwnd_, LB_GETTEXTLEN, i, 0));
  if (len < 0) return std::string();
  std::wstring s(static_cast<size_t>(len) + 1, L'\0');
  const int got = static_cast<int>(SendMessageW(hwnd_, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&s[0])));
  return FromWide(s.data(), static_cast<size_t>(got > 0 ? got : 0));
}

bool TListBox::AccessibleItemName(int item, std::string& name) const {
  if (item < 0 || item >= ItemCount()) return false;
  name = Item(item);
  return true;
}

int TListBoxBase::ItemAt(int x, int y) const {
  if (!hwnd_ || x < 0 || y < 0 || x >= ClientWidth()) return -1;
  // The list answers the nearest item; only an item that holds the point counts.
  const int i = LOWORD(SendMessageW(hwnd_, LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y)));
  RECT r{};
  if (i >= ItemCount() || SendMessageW(hwnd_, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r)) == LB_ERR)
    return -1;
  return PtInRect(&r, POINT{x, y}) ? i : -1;
}

bool TListBox::HandleDrawItem(DRAWITEMSTRUCT* dis) {
  if (dis->itemID == static_cast<UINT>(-1)) return true;
  const bool selected = (dis->itemState & ODS_SELECTED) != 0;
  const int index = static_cast<int>(dis->itemID);
  if (OnDrawItem) {
    OnDrawItem(dis->hDC, index, dis->rcItem, selected);
  } else {
    FillRect(dis->hDC, &dis->rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(dis->hDC, TRANSPARENT);
    SetTextColor(dis->hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::wstring text = ToWide(Item(index));
    RECT r = dis->rcItem;
    r.left += ScaleToDpi(2, dpi_);
    DrawTextW(dis->hDC, text.c_str(), static_cast<int>(text.size()), &r,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  // The row is drawn whole each time; the keyboard focus goes over it.
  if ((dis->itemState & ODS_FOCUS) && !(dis->itemState & ODS_NOFOCUSRECT)) DrawFocusRect(dis->hDC, &dis->rcItem);
  return true;
}

// ---- virtual list box ----

TVirtualListBox::TVirtualListBox(TControl* parent, const std::string& name, int x, int y, int w,
                                 int h)
    : TListBoxBase(parent, name, LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOINTEGRALHEIGHT, x, y, w, h) {}

void TVirtualListBox::SetCount(int count) {
  if (hwnd_) SendMessageW(hwnd_, LB_SETCOUNT, static_cast<WPARAM>(count), 0);
  else waitingCount_ = count, waitingIndex_ = -1, waitingTop_ = 0;
  Invalidate();
}

void TVirtualListBox::FillMadeWindow() { SendMessageW(hwnd_, LB_SETCOUNT, static_cast<WPARAM>(waitingCount_), 0); }

bool TVirtualListBox::AccessibleItemName(int item, std::string& name) const {
  if (!OnItemText || item < 0 || item >= ItemCount()) return false;
  name = OnItemText(item);
  return true;
}

int TVirtualListBox::VisibleCount() const { return ItemHeight() > 0 ? ClientHeight() / ItemHeight() : 0; }

bool TVirtualListBox::HandleDrawItem(DRAWITEMSTRUCT* dis) {
  if (dis->itemID == static_cast<UINT>(-1) || !OnDrawItem) return true;
  OnDrawItem(dis->hDC, static_cast<int>(dis->itemID), dis->rcItem, (dis->itemState & ODS_SELECTED) != 0,
             (dis->itemState & ODS_FOCUS) != 0);
  return true;
}

bool TVirtualListBox::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if ((msg != WM_VSCROLL && msg != WM_MOUSEWHEEL) || !OnScroll) return false;
  result = DefaultProc(msg, wp, lp);
  OnScroll();
  return true;
}

// ---- popup menu ----

std::string MenuCaption(const std::string& text) {
  std::string caption;
  caption.reserve(text.size());
  for (char c : text) {
    if (c == '&') caption += '&';
    caption += c == '\t' ? ' ' : c;
  }
  return caption;
}

TPopupMenu::TPopupMenu() : menu_(CreatePopupMenu()) {}
TPopupMenu::~TPopupMenu() { DestroyMenu(menu_); }

void TPopupMenu::Clear() {
  while (GetMenuItemCount(menu_) > 0) DeleteMenu(menu_, 0, MF_BYPOSITION);
  items_.clear();
  captions_.clear();
}

void TPopupMenu::Add(const std::string& caption, std::function<void()> onClick, bool checked,
                     bool enabled) {
  items_.push_back(std::move(onClick));
  captions_.push_back(caption);
  AppendMenuW(menu_, MF_STRING | (checked ? MF_CHECKED : 0) | (enabled ? 0 : MF_GRAYED),
              items_.size(), ToWide(caption).c_str());
}

void TPopupMenu::AddSeparator() {
  items_.push_back(nullptr);
  captions_.push_back("-");
  AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
}

void TPopupMenu::SetDefaultItem(int i) { SetMenuDefaultItem(menu_, static_cast<UINT>(i), TRUE); }

void TPopupMenu::Popup(HWND owner, int x, int y, UINT align) {
  SetForegroundWindow(owner);
  const int chosen = TrackPopupMenu(menu_, TPM_RETURNCMD | align | TPM_TOPALIGN, x, y, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  if (chosen > 0) Choose(chosen - 1);
}

void TPopupMenu::Choose(int i) {
  if (i >= 0 && i < Count() && items_[static_cast<size_t>(i)]) items_[static_cast<size_t>(i)]();
}

// ---- timer ----

TTimer::TTimer(unsigned intervalMs) : interval_(intervalMs) {
  hwnd_ = CreateWindowExW(0, ContainerClassName(), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TTimer::Proc));
}

TTimer::~TTimer() {
  SetEnabled(false);
  DestroyWindow(hwnd_);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled) SetTimer(hwnd_, 1, interval_, nullptr);
  else KillTimer(hwnd_, 1);
}

void TTimer::SetInterval(unsigned ms) {
  interval_ = ms;
  if (enabled_) SetTimer(hwnd_, 1, interval_, nullptr);
}

LRESULT CALLBACK TTimer::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER) {
    auto* self = reinterpret_cast<TTimer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && self->enabled_ && self->OnTimer) self->OnTimer();
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace qv::win
