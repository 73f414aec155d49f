#include "app/converter/Converter.h"

#include "app/SidebarPlaces.h"
#include "colors/Contrast.h"
#include "errors/Guard.h"
#include "platform/WideText.h"
#include "platform/Win32Platform.h"
#include "richbox/RichOps.h"
#include "widgets/Application.h"

namespace qv::app {

namespace {
const char* const kFile = "QuenvalisDialog";
namespace C = ConvertPage;

TNumberSeparators UserNumberSeparators() {
  TNumberSeparators s;
  s.Thousands = UserLocaleText(LOCALE_STHOUSAND, s.Thousands);
  const std::string decimal = UserLocaleText(LOCALE_SDECIMAL, s.Decimal);
  if (!decimal.empty()) s.Decimal = decimal;
  return s;
}

std::array<TTabSheet*, MeasureListCount> AddListPages(TPageControl& pages) {
  std::array<TTabSheet*, MeasureListCount> added{};
  for (int32_t i = 0; i < MeasureListCount; ++i) {
    const std::string caption = MeasureListCaption(TMeasureList(i));
    added[size_t(i)] = pages.AddPage(caption + "TabSheet", caption);
  }
  return added;
}
}  // namespace

TConverterControls::TConverterControls(TSidebar& s)
    : ConvertMeasureLabel(&s.ConvertMeasurePanel, C::ConvertMeasureLabel, "Value to be converted"),
      ConvertMeasureEdit(&s.ConvertMeasurePanel, C::ConvertMeasureEdit),
      ConvertMeasurePageControl(&s.ConvertMeasurePanel, C::ConvertMeasurePageControl, true),
      ListPages(AddListPages(ConvertMeasurePageControl)),
      MiscTabSheet(ConvertMeasurePageControl.AddPage("MiscTabSheet", "Misc")),
      MiscMemo(MiscTabSheet, C::MiscMemo, true) {
  // The pages have their final size once every tab is in.
  for (int32_t i = 0; i < MeasureListCount; ++i) {
    TTabSheet& page = *ListPages[size_t(i)];
    auto list = std::make_unique<TListBox>(&page, Named(C::ConvertListBox, MeasureListCaption(TMeasureList(i))));
    list->FillParent(C::PageMargin);
    list->SetItemHeight(list->Font().Height + 5);
    std::vector<std::string> names;
    for (const TMeasureUnit& unit : MeasureUnits(TMeasureList(i))) names.push_back(unit.Name);
    list->SetItems(names);
    list->SetItemIndex(FindMeasureUnit(TMeasureList(i), DefaultMeasureUnit(TMeasureList(i))));
    Lists[size_t(i)] = std::move(list);
  }
  MiscMemo.FillParent(C::PageMargin);
  ConvertMeasureEdit.SetHint("Value to be converted");
}

TConverter::TConverter(TSidebar& sidebar, TRichEdit& richEdit, IScreen& screen,
                       const TColorPanel& focusBack, const TColorPanel& focusFore)
    : Controls(sidebar),
      Separators(UserNumberSeparators()),
      sidebar_(sidebar),
      richEdit_(richEdit),
      screen_(screen),
      focusBack_(focusBack),
      focusFore_(focusFore) {
  TConverterControls& c = Controls;
  c.ConvertMeasureEdit.OnChange = [this] { ConvertMeasureEditChange(); };
  for (int32_t i = 0; i < MeasureListCount; ++i) {
    TListBox& list = c.List(TMeasureList(i));
    // The click selects the target unit first; the value keeps the focus.
    list.MouseDownAfterControl = true;
    list.OnMouseDown = [this](TMouseButton, unsigned, int, int) { Controls.ConvertMeasureEdit.SetFocus(); };
    list.OnMouseMove = [this, i](unsigned, int x, int y) { ConvertListBoxMouseMove(TMeasureList(i), x, y); };
    list.OnDrawItem = [this, &list](HDC dc, int index, const RECT& r, bool selected) {
      ConvertListBoxDrawItem(list, dc, index, r, selected);
    };
  }
  // Whoever else follows the sidebar's pages keeps doing so.
  TPageControl& pages = sidebar.Container_OptionsPageControl;
  pages.OnChange = [this, previous = pages.OnChange] {
    if (previous) previous();
    ConvertMeasureTabSheetShow();
  };
  c.ConvertMeasureEdit.SetText("0");
}

long double TConverter::EditValue() {
  TEdit& edit = Controls.ConvertMeasureEdit;
  long double value = 0;
  if (!ReadConvertMeasureValue(edit.Text(), Separators, value)) {
    edit.SetFocus();
    edit.SetText("0");
  }
  return value;
}

void TConverter::MiscConvertMeasure(long double value) {
  std::string text;
  for (const std::string& line : qv::MiscConvertMeasure(value, Separators))
    text += (text.empty() ? "" : "\r\n") + line;
  // Every mouse move over a number lands here: the memo is rewritten only when it changes.
  if (Controls.MiscMemo.Text() != text) Controls.MiscMemo.SetText(text);
}

bool TConverter::ShowConvertMeasure(int32_t position) {
  const char* const name = "TQuenvalisForm::ShowConvertMeasure";
  bool found = false;
  const bool ok = Guarded(
      QV_OP(kFile, name, "Failed to convert measure."),
      [&](TFunStatContext& local) {
        const std::string text = GetNumberAt(richEdit_, position, Separators);
        if (text.empty()) {
          screen_.ShowHint(richEdit_.Hint());
          return;
        }
        long double number = 0;
        if (!ReadNumberToken(text, Separators, number)) {
          // "12.05.2003": recorded, and the hint line stays as it is.
          local.Raise(kFile, name, 0, "Invalid number.", text, "", Warning, __LINE__);
          return;
        }
        // The edit's change brings the misc memo up to date.
        const std::string shown = FloatToText(number, Separators);
        if (Controls.ConvertMeasureEdit.Text() != shown) Controls.ConvertMeasureEdit.SetText(shown);
        screen_.ShowHint(ShortConvertMeasure(EditValue(), Separators));
        found = true;
      },
      false);
  if (!ok) screen_.ShowHint("Failed to convert measure.");
  return found;
}

void TConverter::RichEditMouseMove(int x, int y) {
  // A number shown in the edit brings the misc memo with it (the edit's change).
  ShowConvertMeasure(GetRichCharAtPoint(richEdit_, x, y));
}

void TConverter::RichEditRightClick(int x, int y) {
  if (sidebar_.Container_MainPanel.Visible()) return;
  ShowConvertMeasure(GetRichCharAtPoint(richEdit_, x, y));
  screen_.ShowConverterPage();
  // The lists' pages share their bounds: the pointer rests over the list shown.
  Controls.LengthTabSheet()->CenterCursor();
}

void TConverter::SetListsColor(COLORREF color) {
  for (auto& list : Controls.Lists) list->SetColor(color);
  Controls.MiscMemo.SetColor(color);
}

void TConverter::ConvertMeasureTabSheetShow() {
  // A page turned from the keyboard keeps the focus on the tabs, where the keys turn pages.
  if (sidebar_.Container_OptionsPageControl.ActivePage() == sidebar_.ConvertMeasureTabSheet &&
      !(Application().KeyboardInput() && sidebar_.Container_OptionsPageControl.Focused()))
    Controls.ConvertMeasureEdit.SetFocus();
}

void TConverter::ConvertMeasureEditChange() { MiscConvertMeasure(EditValue()); }

void TConverter::ConvertListBoxMouseMove(TMeasureList which, int x, int y) {
  TListBox& list = Controls.List(which);
  const int item = list.ItemAt(x, y);
  if (item < 0) {
    list.SetHint(" ");
  } else {
    const int target = list.ItemIndex();
    list.SetHint(FullConvertMeasure(which, list.Item(item), target < 0 ? "" : list.Item(target), EditValue(),
                                    Separators));
  }
  Application().SetHint(list.Hint());
}

void TConverter::ConvertListBoxDrawItem(TListBox& list, HDC dc, int index, const RECT& rect, bool selected) {
  Guarded(
      QV_OP(kFile, "TQuenvalisForm::ConvertListBoxDrawItem", ""),
      [&](TFunStatContext&) {
        // The rows stay readable whatever the colours chosen.
        const COLORREF fore = list.DrawnTextColor();
        const COLORREF focusBack = DisplayColor(focusBack_.CurrentColor());
        HBRUSH back = CreateSolidBrush(selected ? focusBack : list.Color());
        FillRect(dc, &rect, back);
        DeleteObject(back);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, selected ? ReadableTextColor(DisplayColor(focusFore_.CurrentColor()), focusBack) : fore);
        HGDIOBJ oldFont = SelectObject(dc, list.FontHandle());
        RECT text = rect;
        text.left += ScaleToDpi(3, list.Dpi());
        const std::wstring name = win::ToWide(list.Item(index));
        DrawTextW(dc, name.c_str(), int(name.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        SelectObject(dc, oldFont);
        // A line in the font colour along the item's bottom edge.
        HPEN pen = CreatePen(PS_SOLID, 1, fore);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        MoveToEx(dc, rect.left, rect.bottom - 1, nullptr);
        LineTo(dc, rect.right, rect.bottom - 1);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
      },
      false);
}

}  // namespace qv::app
