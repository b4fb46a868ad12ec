// A running automation object as the commands take it: the platform cannot tell a CAD
// from a spreadsheet, so the object answers both object models and the caller's cast
// picks the one it needs (a CAD command on the spreadsheet fails at its first member).
#pragma once

#include <memory>

#include "platform/win/win_platform.h"
#include "wiring/automation_session.h"

namespace vensa::win {

std::shared_ptr<AutomationObject> WrapRunningObject(ComPtr<IDispatch> object);

}  // namespace vensa::win
