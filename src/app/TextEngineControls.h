// The text engine's own controls: the chapters button in the "Book" group and
// the popup menu it shows, built from the enhancer's chapters menu.
#pragma once
#include <functional>
#include <memory>

#include "widgets/Controls.h"

namespace qv::app {

using namespace qv::win;

struct TSidebar;

struct TTextEngineControls {
  explicit TTextEngineControls(TSidebar& sidebar);

  TButton ChaptersButton;
  // The last chapters menu shown, and how it is shown (tests answer it themselves).
  std::unique_ptr<TPopupMenu> ChaptersPopup;
  std::function<void(TPopupMenu&, HWND owner, POINT corner)> ShowMenu;
};

}  // namespace qv::app
