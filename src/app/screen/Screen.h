// The reading screen: the information and hint lines, the clock, the sidebar's
// showing and hiding, the rich-box frame and the quiet update around
// whole-text changes. The window's layout places these controls; the
// subsystems reach the screen through IScreen.
#pragma once
#include <string>

#include "app/Sidebar.h"
#include "widgets/Controls.h"
#include "widgets/RichEdit.h"

namespace qv::app {

// What the subsystems ask of the screen.
class IScreen {
 public:
  virtual ~IScreen() = default;
  // Brackets whole-text changes: the rich-box is hidden and the window does not
  // repaint until the end, which gives the rich-box the visibility it is given.
  virtual bool BeginRichBoxUpdate() = 0;
  virtual void EndRichBoxUpdate(bool visible) = 0;
  virtual void RefreshScreen() = 0;   // the window, the rich-box and the frame
  virtual void RefreshRichBox() = 0;  // the rich-box and the frame
  virtual void ShowHint(const std::string& text) = 0;  // the hint line, painted at once
  virtual void SetHint(const std::string& text) = 0;   // the hint line, painted with the window
  // During a whole-text change (painting locked): the information and hint
  // lines and the clock are brought up to date and painted now.
  virtual void PaintProgress() = 0;
  virtual void ShowBookInfo(const std::string& text) = 0;
  virtual void ShowTitle(const std::string& title) = 0;  // the program's title and caption
  virtual void ShowOpenPage() = 0;
  virtual void ShowConverterPage() = 0;
  virtual void CenterCursorOnHint() = 0;
  // While a book loads: no ticks, the about button and the option pages disabled.
  virtual void SetBusy(bool busy) = 0;
  // The window that owns menus, dialogs and what the shell opens.
  virtual HWND Window() const = 0;
};

// A quiet update of the rich-box for the life of the object.
class TQuietRichBoxUpdate {
 public:
  explicit TQuietRichBoxUpdate(IScreen& screen) : screen_(screen), visible_(screen.BeginRichBoxUpdate()) {}
  ~TQuietRichBoxUpdate() { screen_.EndRichBoxUpdate(visible_); }
  TQuietRichBoxUpdate(const TQuietRichBoxUpdate&) = delete;
  TQuietRichBoxUpdate& operator=(const TQuietRichBoxUpdate&) = delete;

 private:
  IScreen& screen_;
  bool visible_;
};

class TScreen : public IScreen {
 public:
  TScreen(TForm& window, TLabel& fileInfo, TLabel& hint, TLabel& clock, TRichEdit& richEdit,
          TSidebar& sidebar, TTimer& ticks);

  bool BeginRichBoxUpdate() override;
  void EndRichBoxUpdate(bool visible) override;
  void RefreshScreen() override;
  void RefreshRichBox() override;
  void ShowHint(const std::string& text) override;
  void SetHint(const std::string& text) override;
  void PaintProgress() override;
  void ShowBookInfo(const std::string& text) override;
  void ShowTitle(const std::string& title) override;
  void ShowOpenPage() override;
  void ShowConverterPage() override;
  void CenterCursorOnHint() override;
  void SetBusy(bool busy) override;
  HWND Window() const override { return window_.Handle(); }

  // The sidebar: shown or hidden, unless the next change is to be skipped or
  // another program is active.
  void HideSidebar(bool hide);
  // The mouse over the window itself: left of the rich-box shows the sidebar.
  void WindowMouseMove(int x);
  // The mouse over the rich-box or the lines around it hides the sidebar.
  void BookMouseMove();
  // The keyboard works in the sidebar: until the pointer really moves, the
  // moves the system makes up for a still pointer (when a control lets the
  // mouse go, or windows change under it) leave the sidebar as it is.
  void KeyboardInSidebar();
  bool SkipNextSidebarChange = false;
  // The control that takes the focus when the sidebar comes up at the converter page.
  void SetConverterFocus(TControl* control) { converterFocus_ = control; }

  // The frame: one pixel (at 96 DPI) outside the rich-box (its client area and
  // its scroll bar), in the window's font colour.
  TCheckBox ShowFrameCheckBox;
  void PaintRichBoxFrame(HDC dc);
  void ShowFrameCheckBoxClick();

  // The clock in the system's short time format, with ":" between hours and minutes;
  // a format wider than the clock grows it to the left.
  void UpdateClock();

 private:
  void FitClockLabel();
  // False for a move of a pointer that stands where it stood when the keyboard took over.
  bool PointerMoved();
  TForm& window_;
  TLabel& fileInfo_;
  TLabel& hint_;
  TLabel& clock_;
  TRichEdit& richEdit_;
  TSidebar& sidebar_;
  TTimer& ticks_;
  TControl* converterFocus_ = nullptr;
  bool keyboardInSidebar_ = false;
  POINT keyboardPointer_{0, 0};
  bool locked_ = false;  // painting of the window is locked for a whole-text change
};

}  // namespace qv::app
