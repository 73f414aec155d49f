// The base of our thin widget layer: one object per window, with bounds,
// visibility, enabled state, font, colours, a hint and events as callbacks.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qv::win {

// ssDouble marks the second press of a double-click (it arrives as a mouse-down too).
enum TShift : unsigned {
  ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64
};
enum class TMouseButton { Left, Right, Middle };
unsigned CurrentShiftState();

struct TFontStyle {
  std::string Face = "Arial";
  int Height = 12;  // pixels
  bool Bold = false, Italic = false, Underline = false;
};
HFONT GetCachedFont(const TFontStyle& opt);

constexpr COLORREF kNoColor = 0xFFFFFFFF;

// One row of a page's control table: the control's name and its bounds in its
// parent's client area. Pages keep their rows together, so every position of a
// page can be read (and mended) in one place.
struct TPlace {
  std::string Name;
  int Left, Top, Width, Height;
};

class TControl {
 public:
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  HWND Handle() const { return hwnd_; }
  TControl* Parent() const { return parent_; }
  const std::string& Name() const { return name_; }

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

  void SetText(const std::string& text);
  std::string Text() const;
  // The text as UTF-8 with every character the control holds (what is typed
  // to search a book's text, which the core holds as UTF-8).
  std::string TextUtf8() const;

  void SetFont(const TFontStyle& font);
  const TFontStyle& Font() const { return font_; }
  void SetColor(COLORREF color);  // background; kNoColor follows the parent
  COLORREF Color() const;
  void SetFontColor(COLORREF color);
  COLORREF FontColor() const { return fontColor_; }
  // The colour text is drawn in: the font colour, or the system's button text.
  COLORREF TextColor() const {
    return fontColor_ == kNoColor ? GetSysColor(COLOR_BTNTEXT) : fontColor_;
  }
  // Fills the client area with the control's colour.
  void PaintBackground(HDC dc) const;

  void SetHint(const std::string& hint) { hint_ = hint; }
  const std::string& Hint() const { return hint_; }
  // The hint shown for this control: its own, or its nearest parent's.
  std::string EffectiveHint() const;

  std::function<void(unsigned shift, int x, int y)> OnMouseMove;
  std::function<void(TMouseButton, unsigned shift, int x, int y)> OnMouseDown;
  // OnMouseDown runs after the control has handled the press itself (a list
  // has selected the item, a rich-box the double-clicked word, and either has
  // taken the focus) instead of before.
  bool MouseDownAfterControl = false;
  std::function<void(TMouseButton, unsigned shift, int x, int y)> OnMouseUp;
  std::function<void(WORD& key, unsigned shift)> OnKeyDown;
  std::function<void(char& key)> OnKeyPress;
  std::function<void()> OnEnter;
  std::function<void()> OnExit;  // the control lost the keyboard focus

  // The control that owns a window, or null.
  static TControl* FromHandle(HWND hwnd);

  // Notifications and colour requests a parent reflects to its child.
  virtual bool HandleCommand(WORD code) { return false; }
  virtual bool HandleNotify(NMHDR* hdr, LRESULT& result) { return false; }
  virtual HBRUSH HandleCtlColor(HDC dc);
  virtual bool HandleDrawItem(DRAWITEMSTRUCT* dis) { return false; }
  virtual bool HandleMeasureItem(MEASUREITEMSTRUCT* mis) { return false; }

 protected:
  TControl(TControl* parent, const std::string& name);
  // Creates the window and attaches this object to it.
  void CreateHandle(const char* className, const std::string& text, DWORD style, DWORD exStyle,
                    int x, int y, int w, int h, HWND parentOverride = nullptr);
  // Every message of the window passes here first (through a subclass).
  virtual bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);
  // Lets go of the window without destroying it (the caller destroys it after
  // making a new one with CreateHandle); answers it.
  HWND DetachHandle();
  HWND ParentHandle() const;

  HWND hwnd_ = nullptr;

 private:
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  static LRESULT Dispatch(TControl* self, HWND, UINT, WPARAM, LPARAM);
  TControl* parent_;
  std::string name_;
  std::string hint_;
  TFontStyle font_;
  COLORREF color_ = kNoColor;
  COLORREF fontColor_ = kNoColor;
  HBRUSH brush_ = nullptr;
  COLORREF brushColor_ = kNoColor;
};

}  // namespace qv::win
