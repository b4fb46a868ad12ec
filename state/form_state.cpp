#include "state/form_state.h"

#include <algorithm>

#include "core/coord_list.h"
#include "core/number_format.h"
#include "core/number_read.h"
#include "core/text.h"

namespace vensa {
namespace {

// Column up-downs count spreadsheet columns from "A".
constexpr int kLastColumnPosition = 25;

std::string IntegerText(int value) {
  return FormatFixed(static_cast<double>(value), 0);
}

}  // namespace

FormState InitialFormState() {
  FormState state;
  state.StringGrid1 = MakeCoordList();
  state.StringGrid2 = TextGrid::WithHeaders(TextListHeaders(), 4);
  state.StringGrid3 = TextGrid::WithHeaders(SimaListHeaders(), 4);
  state.StringGrid4 = TextGrid::WithHeaders(SimaListHeaders(), 4);
  ApplyDependentStates(state);
  return state;
}

int ClampPosition(const UpDownState& upDown, int position) {
  // A malformed up-down (min above max) keeps min, rather than making std::clamp undefined.
  if (upDown.max < upDown.min) return upDown.min;
  return std::clamp(position, upDown.min, upDown.max);
}

void SetPosition(UpDownState& upDown, int position) {
  upDown.position = ClampPosition(upDown, position);
}

bool StepUpDown(UpDownState& upDown, int delta) {
  const int before = upDown.position;
  // Widened so that a step from the ends of the int range cannot overflow.
  const long long wanted = static_cast<long long>(before) + delta;
  const long long bounded =
      std::clamp<long long>(wanted, upDown.min, std::max(upDown.min, upDown.max));
  upDown.position = static_cast<int>(bounded);
  return upDown.position != before;
}

std::string ColumnLetter(int position) {
  const int p = std::clamp(position, 0, kLastColumnPosition);
  return std::string(1, static_cast<char>('A' + p));
}

int DxfWaitTimeFromEdit26(const FormState& state) {
  const auto value = TryReadInteger(TrimBlanks(state.Edit26.text));
  if (!value) return kDefaultDxfWaitTime;
  // The wait is a sleep of that many milliseconds; a negative one would be taken by the
  // platform as an almost endless wait.
  return std::max(*value, 0);
}

void ToggleIntOption(FormState& state) {
  state.CheckBox16.checked = !state.CheckBox16.checked;
  state.Button12Caption = state.CheckBox16.checked ? "ID (INT)" : "ID";
}

void ChangePage(FormState& state, int page) {
  state.ActivePage = page;
  state.DxfWaitTime = DxfWaitTimeFromEdit26(state);
}

void ApplyDependentStates(FormState& s) {
  for (UpDownState* u :
       {&s.UpDown1, &s.UpDown2, &s.UpDown3, &s.UpDown4, &s.UpDown5, &s.UpDown6, &s.UpDown7}) {
    SetPosition(*u, u->position);
  }
  s.Edit3.text = ColumnLetter(s.UpDown1.position);
  s.Edit4.text = ColumnLetter(s.UpDown2.position);
  s.Edit5.text = ColumnLetter(s.UpDown3.position);
  s.Edit21.text = ColumnLetter(s.UpDown5.position);
  s.Edit6.text = IntegerText(s.UpDown4.position);
  s.Edit27.text = IntegerText(s.UpDown6.position);
  s.Edit32.text = IntegerText(s.UpDown7.position);

  s.Edit21.enabled = s.CheckBox8.checked;
  s.UpDown5.enabled = s.CheckBox8.checked;
  s.CheckBox11.enabled = s.CheckBox4.checked;
  s.CheckBox28.enabled = s.CheckBox21.checked;
  s.CheckBox5.enabled = s.CheckBox21.checked;
  s.CheckBox7.enabled = s.CheckBox21.checked;
  s.Button12Caption = s.CheckBox16.checked ? "ID (INT)" : "ID";
  s.Edit26.text = IntegerText(s.DxfWaitTime);
}

}  // namespace vensa
