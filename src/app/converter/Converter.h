// The measure converter in the window: the "Convert" page with the value to
// convert, the six unit lists (each list's selected unit is the target of the
// conversions shown over its units) and the misc memo; the short conversions
// of the number under the mouse in the hint line; the right click on the
// rich-box that opens the page.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/Sidebar.h"
#include "app/colors/Colors.h"
#include "app/screen/Screen.h"
#include "converter/ConvertMeasure.h"
#include "widgets/ColorPanel.h"
#include "widgets/Controls.h"
#include "widgets/RichEdit.h"

namespace qv::app {

struct TConverterControls {
  explicit TConverterControls(TSidebar& sidebar);
  TLabel ConvertMeasureLabel;
  TEdit ConvertMeasureEdit;
  TPageControl ConvertMeasurePageControl;
  // "Length" … "Temperature", in the order of TMeasureList, then "Misc".
  std::array<TTabSheet*, MeasureListCount> ListPages;
  TTabSheet* MiscTabSheet;
  TMemo MiscMemo;
  // LengthListBox … TemperatureListBox: the names the options file binds.
  std::array<std::unique_ptr<TListBox>, MeasureListCount> Lists;

  TListBox& List(TMeasureList list) { return *Lists[size_t(list)]; }
  TTabSheet* LengthTabSheet() const { return ListPages[size_t(TMeasureList::Length)]; }
};

class TConverter : public IConverterListsColor {
 public:
  // The lists draw their selected unit in the browser's focus colours.
  TConverter(TSidebar& sidebar, TRichEdit& richEdit, IScreen& screen,
             const TColorPanel& focusBack, const TColorPanel& focusFore);

  TConverterControls Controls;
  // The user's thousands and decimal separators, read at creation.
  TNumberSeparators Separators;

  // The number written around a rich-box position: into the edit, and its
  // short conversions into the hint line. No number there: the hint line
  // shows the rich-box's hint. False when there was no (readable) number.
  bool ShowConvertMeasure(int32_t position);
  // The memo's twelve lines for the value.
  void MiscConvertMeasure(long double value);
  // The edit's value. A text that is no number warns, gets the focus and
  // becomes "0"; the value is then 0.
  long double EditValue();

  // The mouse over the rich-box (client pixels): the number under it is looked up.
  void RichEditMouseMove(int x, int y);
  // A right click on the rich-box while the sidebar is hidden: the number
  // under the mouse is taken, and the sidebar opens at the "Convert" page
  // with the pointer in the middle of the "Length" page.
  void RichEditRightClick(int x, int y);

  // The six lists and the memo take the screen's back colour.
  void SetListsColor(COLORREF color) override;

  void ConvertMeasureTabSheetShow();
  void ConvertMeasureEditChange();
  void ConvertListBoxMouseMove(TMeasureList list, int x, int y);
  void ConvertListBoxDrawItem(TListBox& list, HDC dc, int index, const RECT& rect, bool selected);

 private:
  TSidebar& sidebar_;
  TRichEdit& richEdit_;
  IScreen& screen_;
  const TColorPanel& focusBack_;
  const TColorPanel& focusFore_;
};

}  // namespace qv::app
