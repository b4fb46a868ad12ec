// What a command line may set: the checks made on each --set before it is applied, so
// that a value the window's control could not hold is refused instead of silently held
// within the control's limits (the wrong row read, the wrong decimals).
#pragma once

#include <string>

namespace vensa::cli {

// A number or a check box must be an integer; an up-down's value must lie within the
// control's range ("Excel/RowS" 1 to 10000), a check box's be 0 or 1. Throws BadArguments
// naming the key, the value and what it may be. Text keys and keys the settings file does
// not name pass (the caller refuses the latter).
void CheckSettingValue(const std::string& sectionSlashKey, const std::string& value);

}  // namespace vensa::cli
