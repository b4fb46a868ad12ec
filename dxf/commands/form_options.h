// The plot's and the table's options as the main window's controls hold them.
#pragma once

#include <vector>

#include "dxf/plot.h"
#include "dxf/table.h"
#include "state/form_state.h"

namespace vensa {

PlotOptions PlotOptionsFromForm(const FormState& state);
// The parcels of the last SIMA file read, when "画地を描画" is on (nothing otherwise), in
// drawing coordinates by the " SIMA/R " options as they stand.
std::vector<PlotParcel> PlotParcelsFromForm(const FormState& state);
TableOptions TableOptionsFromForm(const FormState& state);

}  // namespace vensa
