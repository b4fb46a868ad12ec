// The up-downs of the group "Excel": each arrow moves its position (no wrapping), shows
// the new letter or row number, and selects that worksheet column or row so the user
// sees which one is meant.
#pragma once

#include "platform/platform.h"
#include "sheet/excel_link.h"
#include "state/form_state.h"

namespace vensa {

enum class UpDownArrow { Up, Down };

// "測点名", "X座標", "Y座標": the letter field follows, then ExcelColSelect(position + 1).
void StepNameColumn(FormState& form, ExcelLink& link, Platform& platform, UpDownArrow arrow);
void StepXColumn(FormState& form, ExcelLink& link, Platform& platform, UpDownArrow arrow);
void StepYColumn(FormState& form, ExcelLink& link, Platform& platform, UpDownArrow arrow);
// The Z column: only while "Z座標" is on.
void StepZColumn(FormState& form, ExcelLink& link, Platform& platform, UpDownArrow arrow);
// "開始行": the row field follows, then ExcelRowSelect(position).
void StepStartRow(FormState& form, ExcelLink& link, Platform& platform, UpDownArrow arrow);

}  // namespace vensa
