// The plot and the coordinate table written into a drawing file of their own: one function
// each that every way of drawing goes through. The window passes the file its save dialog
// named (the drawing target) or the insert file (a running CAD); vensa-cli passes OUT.
#pragma once

#include <cstdint>
#include <string>

#include "core/acad_point.h"
#include "core/command_outcome.h"
#include "core/file_io.h"
#include "dxf/plot.h"
#include "dxf/table.h"
#include "state/form_state.h"

namespace vensa {

// Why nothing was drawn: the coordinate list is not in use (no X in its first row).
inline constexpr char kListNotInUseMessage[] = "座標リストが空です (1 行目に X座標がありません)";

// What the plot wrote: the entities counted as BuildPlot counts them.
struct PlotOutcome {
  CommandOutcome outcome;
  std::int32_t entityCount = 0;
};

// "CADへ" ("CADへ (Z=0)" with PlotZMode::kZero) into `path`, replaced atomically: the plot
// of the coordinate list with the form's options, plot range and parcels, its sizes times
// `scale`. A list not in use: nothing written, not done, kListNotInUseMessage as the cause.
// Errors of the file reach the caller, the file at `path` as it was.
PlotOutcome PlotIntoFile(const FormState& state, double scale, PlotZMode zMode,
                         const std::string& path, ExistingFile existing = ExistingFile::kReplace);

// "XY 作表" ("YX 作表" with TableAxes::kYX) into `path` in the same way, the table's
// top-left corner at `corner` (the origin for a table that is inserted at a picked point).
CommandOutcome TableIntoFile(const FormState& state, double scale, TableAxes axes,
                             const TAcadPoint& corner, const std::string& path,
                             ExistingFile existing = ExistingFile::kReplace);

}  // namespace vensa
