// A small lowered panel (a two-pixel sunken bevel) that shows one colour: its current colour (what it
// shows and what the program uses) and a default colour it can go back to.
#pragma once
#include <cstdint>

#include "widgets/Form.h"

namespace qv::win {

// The screen colour of a colour value (system colour identifiers resolved).
COLORREF DisplayColor(uint32_t color);

// A panel pressed as a button is: by the mouse (OnMouseDown, OnMouseUp) and,
// when it has the keyboard focus, by Space and Enter (a left click) and the
// context-menu key or Shift+F10 (a right click). It is a tab stop, which a
// dialog's Tab stops at, keeps the arrows for OnKeyDown, and shows the focus as
// a dotted rectangle over its face.
class TButtonPanel : public TPanel {
 public:
  TButtonPanel(TControl* parent, const std::string& name, int x, int y, int w, int h);
  long AccessibleRole() const override;

 protected:
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  // Paints what the panel shows over its colour; the focus rectangle goes inside focusInset.
  virtual void PaintFace(HDC dc) const {}
  int focusInset_ = 1;
};

// Screen readers hear the colour's name as the panel's value.
class TColorPanel : public TButtonPanel {
 public:
  TColorPanel(TControl* parent, const std::string& name, int x, int y, int w = 60, int h = 14);
  // The colour as 0x00BBGGRR.
  uint32_t CurrentColor() const { return current_; }
  void SetCurrentColor(uint32_t color);
  uint32_t DefaultColor() const { return default_; }
  void SetDefaultColor(uint32_t color) { default_ = color; }

  std::string AccessibleValue() const override;

 protected:
  void PaintFace(HDC dc) const override;  // the bevel
  uint32_t current_ = 0xFFFFFF;  // kept as given; system identifiers included
  uint32_t default_ = 0xFFFFFF;
};

}  // namespace qv::win
