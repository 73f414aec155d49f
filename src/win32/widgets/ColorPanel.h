// A small lowered panel (a two-pixel sunken bevel) that shows one colour: its current colour (what it
// shows and what the program uses) and a default colour it can go back to. It is a tab stop, and
// shows the keyboard focus as a dotted rectangle inside its bevel.
#pragma once
#include <cstdint>

#include "widgets/Form.h"

namespace qv::win {

// The screen colour of a colour value (system colour identifiers resolved).
COLORREF DisplayColor(uint32_t color);

class TColorPanel : public TPanel {
 public:
  TColorPanel(TControl* parent, const std::string& name, int x, int y, int w = 60, int h = 14);
  // The colour as 0x00BBGGRR.
  uint32_t CurrentColor() const { return current_; }
  void SetCurrentColor(uint32_t color);
  uint32_t DefaultColor() const { return default_; }
  void SetDefaultColor(uint32_t color) { default_ = color; }

  // The panel is pressed as a button is: by the mouse (OnMouseUp) and, when it
  // has the keyboard focus, by Space and Enter (a left click) and the
  // context-menu key or Shift+F10 (a right click). Screen readers hear its
  // colour's name as its value.
  long AccessibleRole() const override;
  std::string AccessibleValue() const override;

 protected:
  bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void PaintBevel(HDC dc) const;
  uint32_t current_ = 0xFFFFFF;  // kept as given; system identifiers included
  uint32_t default_ = 0xFFFFFF;
};

}  // namespace qv::win
