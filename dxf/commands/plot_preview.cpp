#include "dxf/commands/plot_preview.h"

#include "core/coord_list.h"
#include "dxf/commands/drawing_file_commands.h"
#include "dxf/commands/form_options.h"
#include "dxf/drawing_size.h"

namespace vensa {

PlotPreviewInput PlotPreviewInputFromForm(const FormState& state, double scale) {
  return {state.StringGrid1.Revision(), PlotOptionsFromForm(state), PlotParcelsFromForm(state),
          scale};
}

PlotScene PlotPreviewScene(const FormState& state, const PlotPreviewInput& input) {
  PlotScene empty;
  const TextGrid& list = state.StringGrid1;
  if (!IsListInUse(list)) {
    empty.note = kListNotInUseMessage;
    return empty;
  }
  if (input.options.reorder && list.DataRowCount() > kPreviewReorderRowLimit) {
    empty.note = kPreviewReorderTooLongMessage;
    return empty;
  }
  try {
    return BuildPlotScene(list, input.options, input.scale, PlotZMode::kFromList, input.parcels);
  } catch (const DrawingSizeError& error) {
    empty.note = error.what();
    return empty;
  }
}

}  // namespace vensa
