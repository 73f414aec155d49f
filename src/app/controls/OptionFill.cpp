#include "app/controls/OptionFill.h"

#include "options/OptionSchema.h"
#include "widgets/Application.h"

namespace qv::app {

void FillFromOption(TComboBox& box) {
  const TOptionEntry* opt = FindOptionOfControl(box.Name());
  if (!opt) return;
  if (!opt->Items.empty()) box.SetItems(opt->Items);
  box.SetText(DefaultText(*opt));
}

void CheckFromOption(TCheckBox& box) {
  if (const TOptionEntry* opt = FindOptionOfControl(box.Name())) box.SetChecked(opt->Default != 0);
}

int32_t ReadOption(const TComboBox& box) {
  const TOptionEntry* opt = FindOptionOfControl(box.Name());
  return opt ? ReadIntOption(*opt, box.Text()) : 0;
}

void MakeReadOnlyEdit(TEdit& edit) {
  edit.SetReadOnly(true);
  edit.SetColor(GetSysColor(COLOR_BTNFACE));
}

void FocusBookAfterOption(TControl& book) {
  if (!Application().KeyboardInput()) book.SetFocus();
}

}  // namespace qv::app
