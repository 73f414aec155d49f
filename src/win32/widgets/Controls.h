// One small class per standard control kind the program uses.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "widgets/Control.h"
#include "widgets/Form.h"

namespace qv::win {

class TButton : public TControl {
 public:
  TButton(TControl* parent, const std::string& name, const std::string& caption, int x, int y,
          int w, int h);
  TButton(TControl* parent, const TPlace& at, const std::string& caption)
      : TButton(parent, at.Name, caption, at.Left, at.Top, at.Width, at.Height) {}
  // A button acts on OnClick, or, when it has none, on OnMouseDown: then the
  // press acts at once (with the keys held) and the button lets go of the
  // mouse first, so that a dialog the press opens, which takes the release,
  // leaves no button pressed behind; Space and Enter act as a left press.
  std::function<void()> OnClick;
  void Click();
  bool HandleCommand(WORD code) override;
  // The button drawn as the window's default one (what Enter presses).
  void SetDefault(bool isDefault);
  // The shield that tells the button will ask for administrator rights.
  void SetShield(bool shield);
  // On a dark colour the button is drawn in the colours around it
  // (widgets/ControlFaces.h); on a light one the system draws it.

 protected:
  bool NamedByCaption() const override { return true; }
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  void WindowMade() override;
  void PressHandled() override;

 private:
  void PaintDark();
  bool painting_ = false;  // a message the system may draw after is being handled
  bool shield_ = false;
};

class TCheckBox : public TControl {
 public:
  TCheckBox(TControl* parent, const std::string& name, const std::string& caption, int x, int y,
            int w, int h)
      : TCheckBox(parent, name, caption, x, y, w, h, BS_AUTOCHECKBOX | WS_TABSTOP) {}
  TCheckBox(TControl* parent, const TPlace& at, const std::string& caption)
      : TCheckBox(parent, at.Name, caption, at.Left, at.Top, at.Width, at.Height) {}
  bool Checked() const;
  void SetChecked(bool checked);  // does not fire OnClick
  std::function<void()> OnClick;
  bool HandleCommand(WORD code) override;

 protected:
  bool NamedByCaption() const override { return true; }
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  void WindowMade() override;
  TCheckBox(TControl* parent, const std::string& name, const std::string& caption, int x, int y, int w,
            int h, DWORD style);

 private:
  bool waitingChecked_ = false;  // while the window waits
};

// A radio button; the first of a group starts the group and takes its Tab stop.
class TRadioButton : public TCheckBox {
 public:
  TRadioButton(TControl* parent, const std::string& name, const std::string& caption, int x, int y,
               int w, int h, bool firstOfGroup)
      : TCheckBox(parent, name, caption, x, y, w, h,
                  BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP | WS_TABSTOP : 0)) {}
};

class TComboBox : public TControl {
 public:
  // editable: free text with a drop-down list; otherwise a pure drop-down list.
  TComboBox(TControl* parent, const std::string& name, int x, int y, int w, bool editable);
  // The place's height is the closed box's; the drop-down list gets its own.
  TComboBox(TControl* parent, const TPlace& at, bool editable)
      : TComboBox(parent, at.Name, at.Left, at.Top, at.Width, editable) {}
  // True while the drop-down list is open.
  bool DroppedDown() const;
  void SetItems(const std::vector<std::string>& items);
  void AddItem(const std::string& item);
  void Clear();
  // The items, as this object keeps them (asking the control for each costs a message).
  const std::vector<std::string>& Items() const { return items_; }
  int ItemCount() const;
  int ItemIndex() const;
  void SetItemIndex(int index);  // -1 clears the selection; does not fire OnChange
  int IndexOf(const std::string& item) const;
  // The text: the selected item, or what was typed into an editable box.
  std::string Text() const;
  void SetText(const std::string& text);  // selects the item when present, else types it
  std::function<void()> OnChange;
  bool HandleCommand(WORD code) override;
  void DpiChanged() override;

 protected:
  void WindowMade() override;

 private:
  // The box's height as it is made, and the one whose rest the dropped list fills (96 DPI).
  static constexpr int kClosedHeight = 24, kDroppedHeight = 300;
  void SizeDropDownList();
  // The edit of an editable box, which has the keyboard focus, answers screen readers for the box.
  static LRESULT CALLBACK EditProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

  bool editable_;
  bool listSized_ = false;
  std::vector<std::string> items_;  // the control's items, in its order (the box is not sorted)
  // While the window waits: the chosen item, and the typed text of an editable box.
  int waitingIndex_ = -1;
  std::string waitingText_;
};

class TEdit : public TControl {
 public:
  TEdit(TControl* parent, const std::string& name, int x, int y, int w, int h);
  explicit TEdit(TControl* parent, const TPlace& at)
      : TEdit(parent, at.Name, at.Left, at.Top, at.Width, at.Height) {}
  void SetReadOnly(bool readOnly);
  std::function<void()> OnChange;
  bool HandleCommand(WORD code) override;
};

class TMemo : public TControl {
 public:
  TMemo(TControl* parent, const std::string& name, int x, int y, int w, int h, bool readOnly);
  TMemo(TControl* parent, const TPlace& at, bool readOnly)
      : TMemo(parent, at.Name, at.Left, at.Top, at.Width, at.Height, readOnly) {}
  std::function<void()> OnChange;
  bool HandleCommand(WORD code) override;

 protected:
  // A read-only memo leaves Tab and Enter to the window's keyboard navigation.
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  bool readOnly_;
};

// A label that paints its text on its parent's colour.
class TLabel : public TControl {
 public:
  TLabel(TControl* parent, const std::string& name, const std::string& caption, int x, int y,
         int w, int h, bool wordWrap = false);
  TLabel(TControl* parent, const TPlace& at, const std::string& caption, bool wordWrap = false)
      : TLabel(parent, at.Name, caption, at.Left, at.Top, at.Width, at.Height, wordWrap) {}
  void SetCaption(const std::string& caption);
  std::string Caption() const { return Text(); }
  void SetAlignment(UINT drawTextAlign) { align_ = drawTextAlign; }
  bool WordWrap() const { return wordWrap_; }
  // A transparent label shows its parent's background under its text (a
  // picture included) instead of filling itself with its colour.
  void SetTransparent(bool transparent);
  long AccessibleRole() const override;
  COLORREF TextBackColor() const override;

 protected:
  bool NamedByCaption() const override { return true; }
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  bool wordWrap_;
  bool transparent_ = false;
  UINT align_ = DT_LEFT;
};

class TGroupBox : public TControl {
 public:
  TGroupBox(TControl* parent, const std::string& name, const std::string& caption, int x, int y,
            int w, int h);
  TGroupBox(TControl* parent, const TPlace& at, const std::string& caption)
      : TGroupBox(parent, at.Name, caption, at.Left, at.Top, at.Width, at.Height) {}
  long AccessibleRole() const override;

 protected:
  bool NamedByCaption() const override { return true; }
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

class TTabSheet;

class TPageControl : public TControl {
 public:
  TPageControl(TControl* parent, const std::string& name, int x, int y, int w, int h,
               bool multiLine = false);
  TPageControl(TControl* parent, const TPlace& at, bool multiLine = false)
      : TPageControl(parent, at.Name, at.Left, at.Top, at.Width, at.Height, multiLine) {}
  TTabSheet* AddPage(const std::string& name, const std::string& caption);
  void DpiChanged() override;
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Page(int i) const { return pages_[static_cast<size_t>(i)]; }
  TTabSheet* ActivePage() const;
  // Shows the page; when the keyboard focus was on a page that is now hidden,
  // it goes to the tabs.
  void SetActivePage(TTabSheet* page);
  // The next (or previous) page, round from the last to the first, as if its
  // tab had been clicked (OnChange runs).
  void SelectNextPage(bool forward);
  std::function<void()> OnChange;
  bool HandleNotify(NMHDR* hdr, LRESULT& result) override;
  // The tabs are drawn in the colours around them (widgets/ControlFaces.h).
  bool HandleDrawItem(DRAWITEMSTRUCT* dis) override;

 protected:
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  void WindowMade() override;

 private:
  int ActiveIndex() const;
  void PlacePages();
  int waitingActive_ = -1;  // the shown page while the window waits
  std::vector<TTabSheet*> pages_;  // owned by their creator through unique_ptr below
  std::vector<std::unique_ptr<TTabSheet>> owned_;
};

class TTabSheet : public TPanel {
 public:
  TTabSheet(TPageControl* owner, const std::string& name, const std::string& caption);
  TPageControl* PageControl() const { return owner_; }
  long AccessibleRole() const override;

 protected:
  bool NamedByCaption() const override { return true; }

 private:
  TPageControl* owner_;
};

// What every owner-drawn list box of fixed row height has: the selection, the
// scroll position, the row height and the click events.
class TListBoxBase : public TControl {
 public:
  int ItemCount() const;
  int ItemIndex() const;
  void SetItemIndex(int i);  // -1 clears the selection
  int TopIndex() const;
  void SetTopIndex(int i);
  // The rows' height in 96-DPI pixels; ItemHeight answers it at the list's DPI.
  void SetItemHeight(int h);
  int ItemHeight() const { return ScaleToDpi(itemHeight_, dpi_); }
  // The item under a point of the client area, or -1 where there is none.
  int ItemAt(int x, int y) const;
  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  bool HandleCommand(WORD code) override;
  bool HandleMeasureItem(MEASUREITEMSTRUCT* mis) override;
  void DpiChanged() override;

 protected:
  TListBoxBase(TControl* parent, const std::string& name, DWORD style, int x, int y, int w, int h);
  void WindowMade() override;
  // The items kept while the window waited go into it.
  virtual void FillMadeWindow() {}
  // While the window waits: the number of items, the chosen one and the first shown.
  int waitingCount_ = 0, waitingIndex_ = -1, waitingTop_ = 0;

 private:
  int itemHeight_ = 16;
  bool itemHeightSet_ = false;
};

// A list box whose rows the owner may draw.
class TListBox : public TListBoxBase {
 public:
  TListBox(TControl* parent, const std::string& name, int x, int y, int w, int h);
  TListBox(TControl* parent, const TPlace& at)
      : TListBox(parent, at.Name, at.Left, at.Top, at.Width, at.Height) {}
  void SetItems(const std::vector<std::string>& items);
  void AddItem(const std::string& item);
  void Clear();
  std::string Item(int i) const;
  bool AccessibleItemName(int item, std::string& name) const override;
  // Draws one row; when unset the row is drawn as plain text.
  std::function<void(HDC, int index, const RECT&, bool selected)> OnDrawItem;
  bool HandleDrawItem(DRAWITEMSTRUCT* dis) override;

 protected:
  void FillMadeWindow() override;

 private:
  std::vector<std::string> waitingItems_;
};

// An owner-drawn list that stores no items, only their number: the owner
// keeps the items and draws each row, so filling a long list is one message.
class TVirtualListBox : public TListBoxBase {
 public:
  TVirtualListBox(TControl* parent, const std::string& name, int x, int y, int w, int h);
  TVirtualListBox(TControl* parent, const TPlace& at)
      : TVirtualListBox(parent, at.Name, at.Left, at.Top, at.Width, at.Height) {}
  void SetCount(int count);  // clears the selection
  // Whole rows that fit in the list's height.
  int VisibleCount() const;
  std::function<void(HDC, int index, const RECT&, bool selected, bool focused)> OnDrawItem;
  // The text of a row as a screen reader reads it.
  std::function<std::string(int index)> OnItemText;
  bool AccessibleItemName(int item, std::string& name) const override;
  // The rows moved under the scroll bar or the wheel (runs once they have).
  std::function<void()> OnScroll;
  bool HandleDrawItem(DRAWITEMSTRUCT* dis) override;

 protected:
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  void FillMadeWindow() override;
};

// A menu caption that shows every character as it is: "&" is no accelerator
// mark, and a tab (which would start the accelerator column) shows as a blank.
std::string MenuCaption(const std::string& text);

class TPopupMenu {
 public:
  TPopupMenu();
  ~TPopupMenu();
  void Clear();
  void Add(const std::string& caption, std::function<void()> onClick, bool checked = false,
           bool enabled = true);
  void AddSeparator();
  int Count() const { return static_cast<int>(items_.size()); }
  std::string Caption(int i) const { return captions_[static_cast<size_t>(i)]; }
  HMENU Handle() const { return menu_; }
  // Shows item i in bold as the menu's default item.
  void SetDefaultItem(int i);
  // Shows the menu at a screen point and runs the chosen item's action;
  // align is TPM_LEFTALIGN, TPM_CENTERALIGN or TPM_RIGHTALIGN about x.
  void Popup(HWND owner, int x, int y, UINT align = TPM_LEFTALIGN);
  void Choose(int i);  // runs item i as if clicked

 private:
  HMENU menu_;
  std::vector<std::function<void()>> items_;
  std::vector<std::string> captions_;
};

// A window timer on a hidden message window.
class TTimer {
 public:
  explicit TTimer(unsigned intervalMs);
  ~TTimer();
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  void SetInterval(unsigned ms);
  std::function<void()> OnTimer;

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  HWND hwnd_;
  unsigned interval_;
  bool enabled_ = false;
};

}  // namespace qv::win
