#include "sheet/excel_updown.h"

#include "core/number_format.h"

namespace vensa {

namespace {

int Delta(UpDownArrow arrow) {
  return arrow == UpDownArrow::Up ? 1 : -1;
}

// An arrow at the end of the range leaves the letter as it is but still selects the
// column: the user asked to see it.
void ColumnArrow(FormState& form, ExcelLink& link, Platform& platform, UpDownState& upDown,
                 EditState& letter, UpDownArrow arrow) {
  StepUpDown(upDown, Delta(arrow));
  letter.text = ColumnLetter(upDown.position);
  ExcelColSelect(form, link, platform, upDown.position + 1);
}

}  // namespace

void StepNameColumn(FormState& form, ExcelLink& link, Platform& platform, UpDownArrow arrow) {
  ColumnArrow(form, link, platform, form.UpDown1, form.Edit3, arrow);
}

void StepXColumn(FormState& form, ExcelLink& link, Platform& platform, UpDownArrow arrow) {
  ColumnArrow(form, link, platform, form.UpDown2, form.Edit4, arrow);
}

void StepYColumn(FormState& form, ExcelLink& link, Platform& platform, UpDownArrow arrow) {
  ColumnArrow(form, link, platform, form.UpDown3, form.Edit5, arrow);
}

void StepZColumn(FormState& form, ExcelLink& link, Platform& platform, UpDownArrow arrow) {
  if (!form.CheckBox8.checked) return;
  ColumnArrow(form, link, platform, form.UpDown5, form.Edit21, arrow);
}

void StepStartRow(FormState& form, ExcelLink& link, Platform& platform, UpDownArrow arrow) {
  StepUpDown(form.UpDown4, Delta(arrow));
  form.Edit6.text = FormatFixed(form.UpDown4.position, 0);
  ExcelRowSelect(form, link, platform, form.UpDown4.position);
}

}  // namespace vensa
