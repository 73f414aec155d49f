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
  // Form-level events. OnCloseQuery may clear canClose.
  std::function<void(bool& canClose)> OnCloseQuery;
  std::function<void()> OnDestroy;
  std::function<void()> OnResize;
  std::function<void(HDC)> OnPaint;
  std::function<void()> OnShow;
  std::function<void()> OnActivateForm;
  // Any other message, before the default handling; answer true when handled.
  std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> OnMessage;

  void Close();  // asks OnCloseQuery, then destroys (main form) or hides (dialog)
  int ShowModal();
  void SetModalResult(int r) { modalResult_ = r; }
  int ModalResult() const { return modalResult_; }
  bool Modal() const { return modal_; }
  void CenterOn(TControl* other);
  void ShowMaximizedOnMonitor();
  void SetActiveControl(TControl* c) { activeControl_ = c; }
  void SetCancelControl(std::function<void()> onCancel) { onCancel_ = std::move(onCancel); }

 protected:
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  int modalResult_ = mrNone;
  bool modal_ = false;
  TControl* activeControl_ = nullptr;
  std::function<void()> onCancel_;
};

// A plain child container (panel, tab sheet) painted in its colour.
class TPanel : public TControl {
 public:
  TPanel(TControl* parent, const std::string& name, int x, int y, int w, int h);
  TPanel(TControl* parent, const TPlace& at)
      : TPanel(parent, at.Name, at.Left, at.Top, at.Width, at.Height) {}

 protected:
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

// The window class our forms and panels use.
const char* ContainerClassName();

}  // namespace qv::win
