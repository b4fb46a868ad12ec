// The plot's and the table's options as the main window's controls hold them.
#pragma once

#include "dxf/plot.h"
#include "dxf/table.h"
#include "state/form_state.h"

namespace vensa {

PlotOptions PlotOptionsFromForm(const FormState& state);
TableOptions TableOptionsFromForm(const FormState& state);

}  // namespace vensa
