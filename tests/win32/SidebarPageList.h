// The sidebar's pages, each with the tabs that lead to it and the name its
// screenshots take.
#pragma once
#include <vector>

#include "app/Sidebar.h"

namespace qv::testing {

struct TSidebarPage {
  win::TTabSheet* outer;
  win::TPageControl* inner;  // none for a page without inner tabs
  win::TTabSheet* page;
  const char* name;
};

inline std::vector<TSidebarPage> SidebarPages(app::TSidebar& s) {
  return {
      {s.ProgramOptionsTabSheet, &s.ProgramPageControl, s.ProgramOpenTabSheet, "program-open"},
      {s.ProgramOptionsTabSheet, &s.ProgramPageControl, s.ProgramGeneralTabSheet, "program-general"},
      {s.ProgramOptionsTabSheet, &s.ProgramPageControl, s.ProgramMiscTabSheet, "program-misc"},
      {s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileGeneralTabSheet, "profile-general"},
      {s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileColorsTabSheet, "profile-colors"},
      {s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileFormatTabSheet, "profile-format"},
      {s.ProfileOptionsTabSheet, &s.ProfilePageControl, s.ProfileMiscTabSheet, "profile-misc"},
      {s.ConvertMeasureTabSheet, nullptr, s.ConvertMeasureTabSheet, "convert"},
  };
}

// Brings the page to the front of the sidebar.
inline void ActivateSidebarPage(app::TSidebar& s, const TSidebarPage& p) {
  s.Container_OptionsPageControl.SetActivePage(p.outer);
  if (p.inner) p.inner->SetActivePage(p.page);
}

}  // namespace qv::testing
