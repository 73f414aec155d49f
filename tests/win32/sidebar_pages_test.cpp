// Every sidebar page: its controls fit their groups without overlapping and
// show their captions whole; a screenshot of each page is saved for people.
#include <gtest/gtest.h>

#include <vector>

#include "ScreenCapture.h"
#include "WineTestSupport.h"
#include "widgets/Application.h"

namespace qv::testing {
namespace {

using namespace qv::win;

std::vector<HWND> Children(HWND parent) {
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

// The width a control's caption needs in its own font; a check box adds its box.
int CaptionWidth(TControl& control, bool checkBox) {
  const std::string text = control.Text();
  HDC dc = GetDC(control.Handle());
  HGDIOBJ old = SelectObject(dc, GetCachedFont(control.Font()));
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control.Handle(), dc);
  return size.cx + (checkBox ? GetSystemMetrics(SM_CXMENUCHECK) + 6 : 0);
}

// Every fault of the controls inside one group box, as readable lines.
void CheckGroup(TGroupBox& group, std::vector<std::string>& faults) {
  RECT client;
  GetClientRect(group.Handle(), &client);
  const std::vector<HWND> children = Children(group.Handle());
  for (size_t i = 0; i < children.size(); ++i) {
    TControl* control = TControl::FromHandle(children[i]);
    if (!control) continue;
    const RECT r = BoundsIn(children[i], group.Handle());
    // Inside the etched frame, which takes two pixels on each side.
    if (r.left < 2 || r.right > client.right - 2 || r.bottom > client.bottom - 2)
      faults.push_back(control->Name() + " lies on the frame of " + group.Name());
    const bool checkBox = dynamic_cast<TCheckBox*>(control) != nullptr;
    if ((checkBox || dynamic_cast<TLabel*>(control)) && !(GetWindowLongA(children[i], GWL_STYLE) & ES_MULTILINE)) {
      const bool wraps = dynamic_cast<TLabel*>(control) && r.bottom - r.top >= 2 * control->Font().Height;
      if (!wraps && CaptionWidth(*control, checkBox) > r.right - r.left)
        faults.push_back(control->Name() + " cuts its caption \"" + control->Text() + "\"");
    }
    for (size_t j = i + 1; j < children.size(); ++j) {
      RECT other = BoundsIn(children[j], group.Handle()), common;
      TControl* second = TControl::FromHandle(children[j]);
      if (second && IntersectRect(&common, &r, &other))
        faults.push_back(control->Name() + " overlaps " + second->Name());
    }
  }
}

TEST(SidebarPages, ControlsFitTheirGroupsAndEveryPageIsPhotographed) {
  ProgramForms forms;
  app::TQuenvalisForm& f = *forms.main;
  PumpUntil([&] { return !f.Book.BookFileName.empty() && !f.RichEdit.InBurst(); }, 5000);
  app::TSidebar& s = f.Sidebar;
  const struct {
    TTabSheet* outer;
    TPageControl* inner;
    TTabSheet* page;
    const char* name;
  } pages[] = {
      {s.ProgramOptionsTabSheet, &s.ProgramPageControl, s.ProgramOpenTabSheet, "program-open"},
      {s.ProgramOptionsTabSheet, &s.ProgramPageControl, s.ProgramGeneralTabSheet, "program-general"},
      {s.ProgramOptionsTabSheet, &s.ProgramPageControl, s.ProgramMiscTabSheet, "program-misc"},
      {s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileGeneralTabSheet, "profile-general"},
      {s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileColorsTabSheet, "profile-colors"},
      {s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileFormatTabSheet, "profile-format"},
      {s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileMiscTabSheet, "profile-misc"},
      {s.ConvertMeasureTabSheet, nullptr, s.ConvertMeasureTabSheet, "convert"},
  };
  std::vector<std::string> faults;
  f.Screen.SkipNextSidebarChange = false;
  f.Screen.HideSidebar(false);
  for (const auto& p : pages) {
    s.Container_OptionsPageControl.SetActivePage(p.outer);
    if (p.inner) p.inner->SetActivePage(p.page);
    s.Container_MainPanel.SetVisible(true);
    RedrawWindow(s.Container_MainPanel.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(150);
    EXPECT_TRUE(SaveScreenshot(s.Container_MainPanel.Handle(), p.name)) << p.name;
    for (HWND child : Children(p.page->Handle()))
      if (auto* group = dynamic_cast<TGroupBox*>(TControl::FromHandle(child))) CheckGroup(*group, faults);
  }
  SaveScreenshot(f.Handle(), "window-with-sidebar");
  for (const std::string& fault : faults) ADD_FAILURE() << fault;
}

}  // namespace
}  // namespace qv::testing
