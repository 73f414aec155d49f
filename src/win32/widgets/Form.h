// Top-level windows: the main window and the modal dialogs.
#pragma once
#include <functional>

#include "widgets/Control.h"

namespace qv::win {

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

class TForm : public TControl {
 public:
  struct TStyle {
    bool Borderless = false;   // popup window without caption or border
    bool Dialog = false;       // fixed single border, caption, no min/max
    bool ToolWindowOwned = false;
  };
  TForm(const std::string& name, const std::string& caption, int clientWidth, int clientHeight,
        TStyle style, TForm* owner = nullptr);

  bool KeyPreview = false;
  // The window navigates as a dialog does: Tab and Shift+Tab between its
  // controls, the arrow keys within a radio group, Alt and an underlined letter
  // to a control. A modal form always does; this asks it of a main form too.
  bool DialogNavigation = false;
  // Form-level events. OnCloseQuery may clear canClose.
  std::function<void(bool& canClose)> OnCloseQuery;
  std::function<void()> OnDestroy;
  std::function<void()> OnResize;
  std::function<void(HDC)> OnPaint;
  std::function<void()> OnShow;
  std::function<void()> OnActivateForm;
  // Any other message, before the default handling; answer true when handled.
  std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> OnMessage;
  // The form moved to a screen of another DPI, or the screen's scale changed:
  // its controls have their places and fonts at the new DPI. Runs instead of
  // OnResize for the size change that comes with it.
  std::function<void()> OnDpiChanged;

  void Close();  // asks OnCloseQuery, then destroys (main form) or hides (dialog)
  int ShowModal();
  void SetModalResult(int r) { modalResult_ = r; }
  int ModalResult() const { return modalResult_; }
  bool Modal() const { return modal_; }
  void CenterOn(TControl* other);
  void ShowMaximizedOnMonitor();
  // Brings the form to the front and gives it the keyboard.
  void BringToFront();
  // Files dropped on the form arrive as WM_DROPFILES.
  void AcceptDroppedFiles(bool accept);
  // Asks the form to close once the messages before have been handled.
  void PostClose();
  // Takes a new DPI as WM_DPICHANGED gives it: every control's place and font
  // at that DPI, the form in the rectangle the system suggests (a form that
  // is not maximised: its own client size at the new DPI, at the suggestion's
  // top left), then OnDpiChanged.
  void ChangeDpi(int dpi, const RECT* suggested);
  void SetActiveControl(TControl* c) { activeControl_ = c; }
  void SetCancelControl(std::function<void()> onCancel) { onCancel_ = std::move(onCancel); }
  // A window's standard answer (its caption) is whole.
  bool ServesAccessibility() const override { return false; }

 protected:
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  int designClientWidth_, designClientHeight_;  // 96-DPI pixels
  bool changingDpi_ = false;
  int modalResult_ = mrNone;
  bool modal_ = false;
  TControl* activeControl_ = nullptr;
  // The control that had the keyboard focus when the window was last deactivated.
  HWND lastFocus_ = nullptr;
  std::function<void()> onCancel_;
};

// A plain child container (panel, tab sheet) painted in its colour.
class TPanel : public TControl {
 public:
  TPanel(TControl* parent, const std::string& name, int x, int y, int w, int h,
         TWindowTime windowTime = TWindowTime::AtOnce);
  TPanel(TControl* parent, const TPlace& at, TWindowTime windowTime = TWindowTime::AtOnce)
      : TPanel(parent, at.Name, at.Left, at.Top, at.Width, at.Height, windowTime) {}

 protected:
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

// Puts a top-level window in the middle of another (of the work area when
// over is null or hidden), kept on the screen.
void CenterWindowOver(HWND window, HWND over);

// The window class our forms and panels use.
const wchar_t* ContainerClassName();

}  // namespace qv::win
