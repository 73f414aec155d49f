#include "LayoutFaults.h"

#include <algorithm>

#include "widgets/ColorPanel.h"
#include "widgets/Controls.h"
#include "widgets/WindowDpi.h"

namespace qv::testing {

using namespace qv::win;

namespace {

std::vector<HWND> VisibleChildren(HWND parent) {
  std::vector<HWND> found;
  for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
    if (GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE) found.push_back(h);
  return found;
}

RECT BoundsIn(HWND window, HWND parent) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string WithoutAccelerator(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
  return text;
}

// Measures texts in a control's font at its DPI.
struct TMeasure {
  explicit TMeasure(const TControl& c) : dc(c) { GetTextMetricsA(dc, &metrics); }
  int Width(const std::string& text) const { return dc.TextExtent(text).cx; }
  int LineHeight() const { return metrics.tmHeight; }
  // The height of text wrapped at width, as a word-wrapping label draws it.
  int WrappedHeight(const std::string& text, int width) const {
    RECT r{0, 0, width, 0};
    DrawTextA(dc, text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return r.bottom;
  }
  TControlDC dc;
  TEXTMETRICA metrics{};
};

// A value that the closed box or its list cannot show whole, or "". Every
// value of a list of the program's own must fit the closed box, where it shows
// once chosen; the installed fonts' names, which no box can promise to hold,
// must fit the dropped list, and the chosen one the box.
std::string CutComboValue(TComboBox& combo, const TMeasure& m) {
  const int dpi = combo.Dpi();
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(combo.Handle(), &info);
  // The box's text area, less its text margin, with the arrow as wide as
  // Windows draws it at this DPI (wine draws it at the session's).
  const int arrowGrowth = SystemMetricForDpi(SM_CXVSCROLL, dpi) - GetSystemMetrics(SM_CXVSCROLL);
  const int room = info.rcItem.right - info.rcItem.left - arrowGrowth - ScaleToDpi(2, dpi);
  // The list as the box makes it when it drops down.
  SendMessageA(GetParent(combo.Handle()), WM_COMMAND, MAKEWPARAM(0, CBN_DROPDOWN),
               reinterpret_cast<LPARAM>(combo.Handle()));
  const int listWidth = std::max<int>(SendMessageA(combo.Handle(), CB_GETDROPPEDWIDTH, 0, 0), combo.Width());
  const int listRoom = listWidth - SystemMetricForDpi(SM_CXVSCROLL, dpi) - ScaleToDpi(4, dpi);
  const bool systemItems = combo.Name() == "FontNameComboBox";
  if (systemItems && m.Width(combo.Text()) > room) return "cuts its value \"" + combo.Text() + "\"";
  for (const std::string& item : combo.Items())
    if (m.Width(item) > (systemItems ? listRoom : room)) return "cuts the value \"" + item + "\"";
  return "";
}

// A caption, a value or a row that the control cannot show whole, or "".
std::string CutText(TControl& c, const RECT& r) {
  const int w = r.right - r.left, h = r.bottom - r.top, dpi = c.Dpi();
  const TMeasure m(c);
  if (auto* label = dynamic_cast<TLabel*>(&c)) {
    const std::string text = label->Caption();
    if (text.empty()) return "";
    const bool fits = label->WordWrap() ? m.WrappedHeight(text, w) <= h
                                        : m.Width(text) <= w && m.LineHeight() <= h;
    return fits ? "" : "cuts its caption \"" + text + "\"";
  }
  if (auto* box = dynamic_cast<TCheckBox*>(&c)) {
    const std::string text = WithoutAccelerator(box->Text());
    const int needed = m.Width(text) + SystemMetricForDpi(SM_CXMENUCHECK, dpi) + ScaleToDpi(6, dpi);
    return needed <= w && m.LineHeight() <= h ? "" : "cuts its caption \"" + text + "\"";
  }
  if (auto* button = dynamic_cast<TButton*>(&c)) {
    const std::string text = WithoutAccelerator(button->Text());
    return m.Width(text) + ScaleToDpi(8, dpi) <= w && m.LineHeight() <= h ? "" : "cuts its caption \"" + text + "\"";
  }
  if (auto* combo = dynamic_cast<TComboBox*>(&c)) return CutComboValue(*combo, m);
  if (auto* list = dynamic_cast<TListBoxBase*>(&c))
    return list->ItemHeight() >= m.LineHeight() ? "" : "has rows lower than their text";
  return "";
}

void CollectFaults(HWND container, const std::string& where, std::vector<std::string>& faults) {
  RECT client;
  GetClientRect(container, &client);
  TControl* owner = TControl::FromHandle(container);
  auto* group = dynamic_cast<TGroupBox*>(owner);
  RECT inside = client;
  RECT caption{0, 0, 0, 0};
  if (group) {
    // The etched frame takes two pixels on each side; the caption sits on its top.
    InflateRect(&inside, -2, -2);
    const TMeasure m(*group);
    const int left = ScaleToDpi(8, group->Dpi());
    caption = RECT{left, 0, left + m.Width(" " + group->Text() + " "), m.LineHeight()};
    if (caption.right > inside.right) faults.push_back(where + " cuts its caption \"" + group->Text() + "\"");
  }
  const std::vector<HWND> children = VisibleChildren(container);
  for (size_t i = 0; i < children.size(); ++i) {
    TControl* control = TControl::FromHandle(children[i]);
    if (!control) continue;
    const std::string name = where + "/" + control->Name();
    const RECT r = BoundsIn(children[i], container);
    RECT common;
    if (r.left < inside.left || r.top < inside.top || r.right > inside.right || r.bottom > inside.bottom)
      faults.push_back(name + " lies outside " + where);
    else if (IntersectRect(&common, &r, &caption))
      faults.push_back(name + " covers the caption of " + where);
    const std::string cut = CutText(*control, r);
    if (!cut.empty()) faults.push_back(name + " " + cut);
    for (size_t j = i + 1; j < children.size(); ++j) {
      const RECT other = BoundsIn(children[j], container);
      if (TControl* second = TControl::FromHandle(children[j]))
        if (IntersectRect(&common, &r, &other)) faults.push_back(name + " overlaps " + second->Name());
    }
    const bool holdsControls = dynamic_cast<TGroupBox*>(control) || dynamic_cast<TPageControl*>(control) ||
                               (dynamic_cast<TPanel*>(control) && !dynamic_cast<TColorPanel*>(control));
    if (holdsControls) CollectFaults(children[i], name, faults);
  }
}

}  // namespace

std::vector<std::string> LayoutFaults(HWND container, const std::string& where) {
  std::vector<std::string> faults;
  CollectFaults(container, where, faults);
  return faults;
}

}  // namespace qv::testing
