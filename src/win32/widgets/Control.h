// The base of our thin widget layer: one object per window, with bounds,
// visibility, enabled state, font, colours, a hint and events as callbacks.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "layout/Geometry.h"

namespace qv::win {

using qv::TPlace;

// ssDouble marks the second press of a double-click (it arrives as a mouse-down too).
enum TShift : unsigned {
  ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64
};
enum class TMouseButton { Left, Right, Middle };
unsigned CurrentShiftState();

struct TFontStyle {
  std::string Face = "Arial";
  int Height = 12;  // pixels of a 96-DPI screen
  bool Bold = false, Italic = false, Underline = false;
};
// The font of the style at dpi (its height scaled from 96 DPI); fonts live for the whole run.
HFONT GetCachedFont(const TFontStyle& opt, int dpi = kDesignDpi);

constexpr COLORREF kNoColor = 0xFFFFFFFF;

// When a control's window is made: at once, or, for a container of many
// controls hidden at first (the sidebar), when the container is first shown or
// MakeWindows is called. The controls made inside a container whose window
// waits wait with it. Meanwhile each keeps what is set on it (its text, place,
// shown and enabled state, items and choice) and its window starts with that.
enum class TWindowTime { AtOnce, WhenShown };

class TControl {
 public:
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  // The window; null while it waits to be made (see TWindowTime).
  HWND Handle() const { return hwnd_; }
  bool WindowWaits() const { return waiting_ != nullptr; }
  // Makes the waiting windows of this control and of every control inside it.
  void MakeWindows();
  // Runs once MakeWindows (or the first showing) made the windows: what is
  // placed from sizes only windows know (a page control's pages) is placed again.
  std::function<void()> OnWindowsMade;
  TControl* Parent() const { return parent_; }
  const std::string& Name() const { return name_; }

  // The DPI of the screen the control's window shows on. Controls are made
  // with places and fonts in pixels of a 96-DPI screen, and the widget layer
  // scales them to this DPI; bounds read and set afterwards are real pixels.
  int Dpi() const { return dpi_; }
  // The control's place at its DPI, as it was made (before any layout moved it).
  TRect PlacedBounds() const { return ScaleToDpi(design_, dpi_); }
  // The control fills its parent's client area, but for a margin (96-DPI
  // pixels) on every side, also after the parent changes its size.
  void FillParent(int margin);
  // A control that its parent or the window's layout places (a page control's
  // pages, the rich-box) keeps its bounds when the DPI changes: its placer
  // places it again.
  void SetPlacedByOwner() { placement_ = TPlacement::ByOwner; }

  // Bounds relative to the parent's client area.
  void SetBounds(int left, int top, int width, int height);
  RECT Bounds() const;
  int Left() const { return Bounds().left; }
  int Top() const { return Bounds().top; }
  int Width() const;
  int Height() const;
  int ClientWidth() const;
  int ClientHeight() const;
  POINT ClientToScreen(POINT p) const;
  // Puts the mouse pointer in the middle of the client area.
  void CenterCursor() const;

  void SetVisible(bool visible);
  bool Visible() const;
  void SetEnabled(bool enabled);
  bool Enabled() const;
  void SetFocus();
  bool Focused() const;
  void Invalidate(bool erase = true);
  // Invalidates the control and every control inside it.
  void InvalidateWithChildren();
  // Invalidates the non-client area too (the scroll bars).
  void InvalidateFrame();
  // Paints what is invalid now, without waiting for the message loop.
  void Update();
  // While a control is locked, nothing of its window is painted; null unlocks.
  static void LockPainting(const TControl* control);
  // The caret, where the control shows one; HideCaret answers whether it was shown.
  bool HideCaret();
  void ShowCaret();
  void AddStyle(DWORD style);
  void AddExStyle(DWORD exStyle);
  void RemoveExStyle(DWORD exStyle);
  // The origin of the client area in another control's client coordinates.
  POINT ClientOriginIn(const TControl& other) const;
  // Every control inside this one, the controls inside those included, parents
  // first, in the order they were made (their windows made or waiting).
  void ForEachDescendant(const std::function<void(TControl&)>& action) const;

  // The window's text, UTF-8 as every string of the program.
  void SetText(const std::string& text);
  std::string Text() const;

  void SetFont(const TFontStyle& font);
  const TFontStyle& Font() const { return font_; }
  // The control's font at its DPI.
  HFONT FontHandle() const { return GetCachedFont(font_, dpi_); }
  void SetColor(COLORREF color);  // background; kNoColor follows the parent
  COLORREF Color() const;
  void SetFontColor(COLORREF color);
  COLORREF FontColor() const { return fontColor_; }
  // The colour asked for text: the font colour, or the nearest parent's, or
  // the system's button text.
  COLORREF TextColor() const;
  // What the text stands on: the colour set here (a window over a picture sets
  // the picture's own), else the control's colour; a transparent label's text
  // stands on its parent's.
  void SetTextBackColor(COLORREF color);
  virtual COLORREF TextBackColor() const;
  // The colour text is drawn in: TextColor when it stands out from
  // TextBackColor enough to be read, otherwise black or white.
  COLORREF DrawnTextColor() const;
  // Fills the client area with the control's colour.
  void PaintBackground(HDC dc) const;

  void SetHint(const std::string& hint) { hint_ = hint; }
  const std::string& Hint() const { return hint_; }
  // The hint shown for this control: its own, or its nearest parent's.
  std::string EffectiveHint() const;

  // What a screen reader is told (widgets/Accessibility.h answers it; the
  // system's standard answers stand for whatever a control leaves empty).
  // The name: the one set here, else the control's caption where it has one
  // (a button, a check box, a label, a group), else the label in front of it on
  // its row, else the caption of the group or the page it sits in. UTF-8.
  void SetAccessibleName(const std::string& name) { accessibleName_ = name; }
  std::string AccessibleName() const;
  virtual long AccessibleRole() const { return 0; }                      // 0: the standard role
  virtual std::string AccessibleValue() const { return std::string(); }  // "": the standard value
  // The name of item `item` (from 0) where the control keeps its items' texts
  // out of the system's reach (owner-drawn lists); false: the standard answer.
  virtual bool AccessibleItemName(int item, std::string& name) const { return false; }
  // False for windows that answer screen readers themselves (the rich-box) or
  // whose standard answers are whole (top-level forms).
  virtual bool ServesAccessibility() const { return true; }

  std::function<void(unsigned shift, int x, int y)> OnMouseMove;
  std::function<void(TMouseButton, unsigned shift, int x, int y)> OnMouseDown;
  // OnMouseDown runs after the control has handled the press itself (a list
  // has selected the item, a rich-box the double-clicked word, and either has
  // taken the focus) instead of before.
  bool MouseDownAfterControl = false;
  std::function<void(TMouseButton, unsigned shift, int x, int y)> OnMouseUp;
  std::function<void(WORD& key, unsigned shift)> OnKeyDown;
  // A typed character: ASCII, or '?' for any other; 0 swallows it.
  std::function<void(char& key)> OnKeyPress;
  std::function<void()> OnEnter;
  std::function<void()> OnExit;  // the control lost the keyboard focus

  // The control that owns a window, or null.
  static TControl* FromHandle(HWND hwnd);

  // The form's DPI changed: the control takes the new DPI, its font and its
  // place at that DPI. Controls with other sizes of their own (a list's rows,
  // a page control's pages) set them in DpiChanged, which runs once every
  // control of the form has its new place.
  void ApplyDpi(int dpi);
  virtual void DpiChanged();

  // Notifications and colour requests a parent reflects to its child.
  virtual bool HandleCommand(WORD code) { return false; }
  virtual bool HandleNotify(NMHDR* hdr, LRESULT& result) { return false; }
  virtual HBRUSH HandleCtlColor(HDC dc);
  virtual bool HandleDrawItem(DRAWITEMSTRUCT* dis) { return false; }
  virtual bool HandleMeasureItem(MEASUREITEMSTRUCT* mis) { return false; }

 protected:
  // Runs between the control's own handling of a press and OnMouseDown (when
  // MouseDownAfterControl is set).
  virtual void PressHandled() {}
  TControl(TControl* parent, const std::string& name);
  // Creates the window and attaches this object to it, or keeps what it needs
  // when the window waits (see TWindowTime). A child control's bounds are in
  // 96-DPI pixels and are scaled to its DPI; a form's are real.
  void CreateHandle(const wchar_t* className, const std::string& text, DWORD style, DWORD exStyle,
                    int x, int y, int w, int h, HWND parentOverride = nullptr);
  // Every message of the window passes here first (through a subclass).
  virtual bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);
  // Lets go of the window without destroying it (the caller destroys it after
  // making a new one with CreateHandle); answers it.
  HWND DetachHandle();
  // The control's window was made (at once or after waiting): it takes the
  // state kept meanwhile. Runs with no waiting state left.
  virtual void WindowMade() {}
  // Asks for the window of the control made next to wait (before CreateHandle).
  void WaitForWindow() { waitRequested_ = true; }
  // The style the window has, or will be made with.
  DWORD Style() const;
  void SetStyle(DWORD style);
  HWND ParentHandle() const;
  // The bounds the control was made with, in 96-DPI pixels.
  const TRect& DesignBounds() const { return design_; }
  // False for a control whose text carries fonts of its own (the rich-box):
  // the widget font is not given to it again when the DPI changes.
  virtual bool TakesWidgetFont() const { return true; }
  // Controls whose caption is their name.
  virtual bool NamedByCaption() const { return false; }
  // For controls whose actions are on the mouse buttons: Space or Enter acts as
  // a click of the left button, the context-menu key or Shift+F10 as one of the
  // right button, with the Ctrl, Shift and Alt keys held beside them (OnMouseDown,
  // then OnMouseUp, at the control's middle). True when the message was such a key.
  bool KeyAsClick(UINT msg, WPARAM wp, LPARAM lp);

  HWND hwnd_ = nullptr;
  int dpi_ = kDesignDpi;

 private:
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  static LRESULT Dispatch(TControl* self, HWND, UINT, WPARAM, LPARAM);
  void Fill();
  // Its children that fill it take its new size.
  void FillChildren();
  // Makes the waiting windows this control's own needs, for what only a window can do.
  void MakeWindowNow() const;
  // What a control whose window waits keeps until it is made.
  struct TWaitingWindow {
    const wchar_t* ClassName;
    std::string Text;
    DWORD Style, ExStyle;
    RECT Bounds;  // real pixels, in the parent's client area
  };
  std::unique_ptr<TWaitingWindow> waiting_;
  // Makes the window as described and takes it as this control's.
  void MakeWindow(const TWaitingWindow& window, HWND parent);
  bool waitRequested_ = false;
  std::vector<TControl*> children_;  // in the order they were made
  enum class TPlacement { Design, Fill, ByOwner };
  TPlacement placement_ = TPlacement::Design;
  TRect design_;          // the bounds the control was made with, in 96-DPI pixels
  int fillMargin_ = 0;    // TPlacement::Fill: 96-DPI pixels on every side
  TControl* parent_;
  std::string name_;
  std::string hint_;
  std::string accessibleName_;
  TFontStyle font_;
  COLORREF color_ = kNoColor;
  COLORREF fontColor_ = kNoColor;
  COLORREF textBackColor_ = kNoColor;
  HBRUSH brush_ = nullptr;
  COLORREF brushColor_ = kNoColor;
};

// A control's device context held for a scope, with the control's font
// selected: for what is painted or measured by hand outside WM_PAINT.
class TControlDC {
 public:
  explicit TControlDC(const TControl& control);
  ~TControlDC();
  TControlDC(const TControlDC&) = delete;
  TControlDC& operator=(const TControlDC&) = delete;
  operator HDC() const { return dc_; }
  // The width and height of a text in the control's font.
  SIZE TextExtent(const std::string& text) const;
  // The height of a line of the control's font.
  int LineHeight() const;

 private:
  HWND window_;
  HDC dc_;
  HGDIOBJ oldFont_;
};

}  // namespace qv::win
