#include "dxf/commands/drawing_file_commands.h"

#include "core/coord_list.h"
#include "dxf/commands/form_options.h"
#include "dxf/dxf_file.h"

namespace vensa {

PlotOutcome PlotIntoFile(const FormState& state, double scale, PlotZMode zMode,
                         const std::string& path, ExistingFile existing) {
  if (!IsListInUse(state.StringGrid1)) return {CommandOutcome::FailedBecause(kListNotInUseMessage)};
  PlotOutcome plotted;
  DxfFileWriter file(path, existing);
  plotted.entityCount = BuildPlot(file.Builder(), state.StringGrid1, PlotOptionsFromForm(state),
                                  scale, zMode, PlotParcelsFromForm(state));
  file.Commit();
  return plotted;
}

CommandOutcome TableIntoFile(const FormState& state, double scale, TableAxes axes,
                             const TAcadPoint& corner, const std::string& path,
                             ExistingFile existing) {
  if (!IsListInUse(state.StringGrid1)) return CommandOutcome::FailedBecause(kListNotInUseMessage);
  DxfFileWriter file(path, existing);
  BuildTable(file.Builder(), state.StringGrid1, TableOptionsFromForm(state), scale, axes, corner);
  file.Commit();
  return {};
}

}  // namespace vensa
