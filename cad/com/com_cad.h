// The CAD's object model over late-bound automation calls: every member of cad_model.h
// called by its name on the running CAD's objects. Failures are ComError, an
// AutomationError carrying the CAD's or the system's text.
#pragma once

#include <memory>

#include "cad/cad_model.h"
#include "platform/win/dispatch.h"

namespace vensa::win {

std::shared_ptr<CadApplication> MakeComCadApplication(Dispatch application);

}  // namespace vensa::win
