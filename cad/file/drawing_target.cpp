#include "cad/file/drawing_target.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "cad/cad_connection.h"
#include "cad/cad_model.h"
#include "cad/commands/get_from_cad.h"
#include "cad/commands/point_picking.h"
#include "cad/commands/text_list.h"
#include "cad/commands/view_helpers.h"
#include "core/coord_list.h"
#include "core/file_io.h"
#include "core/number_read.h"
#include "dxf/commands/drawing_commands.h"
#include "dxf/commands/drawing_file_commands.h"
#include "state/target_cad_list.h"

namespace vensa {

void DrawingTargetPlatform::Open(const std::string& path) {
  auto cad = std::make_unique<DrawingFileCad>(path);
  auto platform = std::make_unique<DrawingFilePlatform>(*cad);
  drawingPlatform_ = std::move(platform);
  cad_ = std::move(cad);
}

Platform& DrawingTargetPlatform::Active() {
  if (UsesDrawing() && drawingPlatform_) return *drawingPlatform_;
  return system_;
}

std::optional<std::string> DrawingTargetPlatform::ClassIdFromProgId(const std::string& progId) {
  // With the drawing target chosen and no drawing open, no CAD is there to attach to.
  if (UsesDrawing() && !drawingPlatform_) return std::nullopt;
  return Active().ClassIdFromProgId(progId);
}

std::shared_ptr<AutomationObject> DrawingTargetPlatform::GetActiveObject(
    const std::string& classId) {
  return Active().GetActiveObject(classId);
}

std::vector<RegisteredClass> DrawingTargetPlatform::RegisteredClasses(
    const std::function<bool(std::string_view)>& wanted) {
  return system_.RegisteredClasses(wanted);
}

std::shared_ptr<MessageFilter> DrawingTargetPlatform::SetMessageFilter(
    std::shared_ptr<MessageFilter> filter) {
  return system_.SetMessageFilter(std::move(filter));
}

WindowHandle DrawingTargetPlatform::FindTopLevelWindow(const std::string& className) {
  return system_.FindTopLevelWindow(className);  // the spreadsheet's window, never the CAD's
}

bool DrawingTargetPlatform::IsMinimized(WindowHandle window) {
  return Active().IsMinimized(window);
}

void DrawingTargetPlatform::RestoreWindow(WindowHandle window) {
  Active().RestoreWindow(window);
}

bool DrawingTargetPlatform::SetForegroundWindow(WindowHandle window) {
  return Active().SetForegroundWindow(window);
}

WindowHandle DrawingTargetPlatform::GetForegroundWindow() {
  return Active().GetForegroundWindow();
}

void DrawingTargetPlatform::SendKeyEvent(int virtualKey, bool keyUp) {
  Active().SendKeyEvent(virtualKey, keyUp);
}

void DrawingTargetPlatform::Sleep(int milliseconds) {
  Active().Sleep(milliseconds);
}

std::optional<std::string> DrawingTargetPlatform::ShortPathName(const std::string& path) {
  return system_.ShortPathName(path);
}

namespace {

std::string FileNameOf(const std::string& path) {
  return PathToUtf8(PathFromUtf8(path).filename());
}

// "<drawing>_<suffix>.dxf" beside the drawing.
std::string PathBesideDrawing(const std::string& drawing, const char* suffix) {
  const std::string name = PathToUtf8(PathFromUtf8(drawing).stem()) + suffix + ".dxf";
  return PathToUtf8(PathFromUtf8(drawing).parent_path() / PathFromUtf8(name));
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  const bool same = std::filesystem::equivalent(PathFromUtf8(a), PathFromUtf8(b), error);
  return !error && same;
}

// The drawing's scale for the plot and the table: its DIMSCALE where asked.
double DrawingScale(const FormState& state, DrawingFileCad& cad) {
  return state.CheckBox24.checked ? DimScaleOf(*cad.Application()->ActiveDocument()) : 1.0;
}

// The file a drawing command saves into: named by the user, never the drawing itself.
// Not done, with kNotIntoOpenDrawingMessage, when the user names the drawing itself.
std::optional<std::string> AskOutputFile(const DrawingFileCad& cad, Ui& ui, const char* suffix,
                                         CommandOutcome& outcome) {
  const std::optional<std::string> path =
      ui.SaveFileDialogProposing(kDrawingSaveFilter, PathBesideDrawing(cad.Path(), suffix));
  if (!path) {
    outcome = CommandOutcome::Failed();
    return std::nullopt;
  }
  if (SameFile(*path, cad.Path())) {
    outcome = CommandOutcome::Failed(kNotIntoOpenDrawingMessage);
    return std::nullopt;
  }
  return path;
}

// The list's smallest X and largest Y over the rows that hold both.
TAcadPoint ProposedTableCorner(const TextGrid& list) {
  std::optional<TAcadPoint> corner;
  for (int row = 1; row <= list.DataRowCount(); ++row) {
    if (list.Cell(kColX, row).empty() || list.Cell(kColY, row).empty()) continue;
    const double x = ReadNumberCell(list.Cell(kColX, row));
    const double y = ReadNumberCell(list.Cell(kColY, row));
    if (!corner) {
      corner = TAcadPoint{x, y, 0.0};
    } else {
      corner->x = std::min(corner->x, x);
      corner->y = std::max(corner->y, y);
    }
  }
  return corner.value_or(TAcadPoint{});
}

// Before a command that reads the drawing: the last drawing opened (asked for when there is
// none), read again when its file changed. False when the user chose none.
bool ReadyDrawingTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui) {
  DrawingFileCad* cad = target.Drawing();
  if (cad != nullptr && cad->Path() == state.TargetDrawing) {
    cad->ReloadIfChanged();
    return true;
  }
  if (!state.TargetDrawing.empty() && FileExists(state.TargetDrawing)) {
    OpenDrawingTarget(state, target, state.TargetDrawing);
    return true;
  }
  OpenDrawingClick(state, target, ui);
  return target.Drawing() != nullptr && target.Drawing()->Path() == state.TargetDrawing;
}

CommandOutcome LayerFromDrawing(FormState& state, DrawingTargetPlatform& target, Ui& ui) {
  if (!ReadyDrawingTarget(state, target, ui)) return CommandOutcome::Failed();
  std::shared_ptr<CadLayers> layers = target.Drawing()->Application()->ActiveDocument()->Layers();
  std::vector<std::string> names;
  for (int i = 0; i < layers->Count(); ++i) names.push_back(layers->Item(i)->Name());
  const std::optional<std::size_t> chosen = ui.ChooseFromList(kLayerChoicePrompt, names);
  if (!chosen || *chosen >= names.size()) return CommandOutcome::Failed();
  state.Edit29.text = names[*chosen];
  return {};
}

CommandOutcome PlotToDrawingFile(FormState& state, DrawingTargetPlatform& target, Ui& ui,
                                 PlotZMode zMode) {
  CommandOutcome outcome;
  if (!ReadyDrawingTarget(state, target, ui)) return CommandOutcome::Failed();
  DrawingFileCad& cad = *target.Drawing();
  const double scale = DrawingScale(state, cad);
  if (!IsListInUse(state.StringGrid1)) return CommandOutcome::Failed();
  const std::optional<std::string> path = AskOutputFile(cad, ui, "_plot", outcome);
  if (!path) return outcome;
  return PlotIntoFile(state, scale, zMode, *path).outcome;
}

CommandOutcome TableToDrawingFile(FormState& state, DrawingTargetPlatform& target, Ui& ui,
                                  TableAxes axes) {
  CommandOutcome outcome;
  if (!ReadyDrawingTarget(state, target, ui)) return CommandOutcome::Failed();
  DrawingFileCad& cad = *target.Drawing();
  const double scale = DrawingScale(state, cad);
  if (!IsListInUse(state.StringGrid1)) return CommandOutcome::Failed();
  const std::optional<TAcadPoint> corner =
      ui.AskPoint(kTableCornerPrompt, ProposedTableCorner(state.StringGrid1));
  if (!corner) return CommandOutcome::Failed();
  const std::optional<std::string> path = AskOutputFile(cad, ui, "_table", outcome);
  if (!path) return outcome;
  return TableIntoFile(state, scale, axes, *corner, *path);
}

}  // namespace

void ShowDrawingTarget(FormState& state) {
  const std::string name = state.TargetDrawing.empty() ? std::string(kDrawingFileTargetName)
                                                       : std::string(kDrawingFileTargetName) + " " +
                                                             FileNameOf(state.TargetDrawing);
  state.Caption = TargetCaption(name);
  state.Edit35.text = kDrawingFileTargetName;
  state.Edit36.text = state.TargetDrawing;
}

void OpenDrawingTarget(FormState& state, DrawingTargetPlatform& target, const std::string& path) {
  target.Open(path);
  state.TargetIsDrawingFile = true;
  state.TargetDrawing = path;
  ShowDrawingTarget(state);
}

void OpenDrawingClick(FormState& state, DrawingTargetPlatform& target, Ui& ui) {
  const std::optional<std::string> path = ui.OpenFileDialog(kDrawingOpenFilter);
  if (path) OpenDrawingTarget(state, target, *path);
}

CommandOutcome RefusedWithoutRunningCad() {
  return CommandOutcome::Failed(kNeedsRunningCadMessage);
}

bool PansOnCoordListMove(const FormState& state) {
  return state.CheckBox18.checked && !state.TargetIsDrawingFile;
}

bool PansOnTextListMove(const FormState& state) {
  return state.CheckBox17.checked && !state.TargetIsDrawingFile;
}

CommandOutcome AlwaysPanOnTarget(const FormState& state) {
  if (state.TargetIsDrawingFile && state.CheckBox18.checked) return RefusedWithoutRunningCad();
  return {};
}

GetFromCadOutcome GetFromTarget(FormState& state, EntityTables& tables,
                                DrawingTargetPlatform& target, Ui& ui) {
  if (state.TargetIsDrawingFile && !ReadyDrawingTarget(state, target, ui))
    return {CommandOutcome::Failed()};
  return GetFromCad(state, tables, target, ui);
}

GetTextsOutcome GetTextsFromTarget(FormState& state, EntityTables& tables,
                                   DrawingTargetPlatform& target, Ui& ui) {
  if (state.TargetIsDrawingFile && !ReadyDrawingTarget(state, target, ui))
    return {CommandOutcome::Failed()};
  return GetTextsFromCad(state, tables, target, ui);
}

CommandOutcome LayerFromTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui) {
  if (state.TargetIsDrawingFile) return LayerFromDrawing(state, target, ui);
  return LayerFromPickedText(state, target, ui);
}

double PlotScaleOnTarget(const FormState& state, DrawingTargetPlatform& target) {
  DrawingFileCad* cad = target.Drawing();
  if (!state.TargetIsDrawingFile || cad == nullptr) return 1.0;
  return DrawingScale(state, *cad);
}

CommandOutcome PlotOnTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui,
                            const std::string& insertFile, PlotZMode zMode) {
  if (state.TargetIsDrawingFile) return PlotToDrawingFile(state, target, ui, zMode);
  if (zMode == PlotZMode::kZero) return PlotIntoCadAtZeroZ(state, target, ui, insertFile);
  return PlotIntoCad(state, target, ui, insertFile);
}

CommandOutcome TableOnTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui,
                             const std::string& insertFile, TableAxes axes) {
  if (state.TargetIsDrawingFile) return TableToDrawingFile(state, target, ui, axes);
  if (axes == TableAxes::kYX) return TableYXIntoCad(state, target, ui, insertFile);
  return TableXYIntoCad(state, target, ui, insertFile);
}

PickPointsOutcome PickPointsOnTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui) {
  if (state.TargetIsDrawingFile) return {RefusedWithoutRunningCad()};
  return PickPointsWithId(state, target, ui);
}

CommandOutcome PanToTextListRowOnTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui) {
  if (state.TargetIsDrawingFile) return RefusedWithoutRunningCad();
  return PanToTextListRow(state, target, ui);
}

CommandOutcome PanToCoordListRowOnTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui) {
  if (state.TargetIsDrawingFile) return RefusedWithoutRunningCad();
  return PanToCoordListRow(state, target, ui);
}

// A drawing file has no view to pan: the list just moves.
CommandOutcome FollowTextListRowOnTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui) {
  if (!PansOnTextListMove(state)) return CommandOutcome::Failed();
  return PanToTextListRow(state, target, ui);
}

CommandOutcome FollowCoordListRowOnTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui) {
  if (!PansOnCoordListMove(state)) return CommandOutcome::Failed();
  return PanToCoordListRow(state, target, ui);
}

}  // namespace vensa
