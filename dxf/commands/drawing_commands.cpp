#include "dxf/commands/drawing_commands.h"

#include <functional>
#include <memory>
#include <optional>

#include "cad/cad_connection.h"
#include "cad/cad_model.h"
#include "cad/minimized_main_window.h"
#include "core/coord_list.h"
#include "core/file_io.h"
#include "dxf/commands/drawing_file_commands.h"
#include "dxf/commands/form_options.h"
#include "dxf/dxf_file.h"
#include "dxf/table.h"

namespace vensa {

namespace {

struct DrawingTarget {
  std::shared_ptr<CadApplication> app;
  std::shared_ptr<CadDocument> document;
  double scale = 1.0;
};

// Connect, attach, bring the CAD forward, take its drawing and its scale. Nothing, `ended`
// what the command returns, when no CAD runs or the list is not in use; the CAD is in
// front by then in the second case.
std::optional<DrawingTarget> StartDrawing(const FormState& state, Platform& platform, Ui& ui,
                                          CommandOutcome& ended) {
  const TargetCadCheck cad = ConnectTargetCad(platform, ui, state.TargetProgID);
  if (!cad) {
    ended = cad.ended;
    return std::nullopt;
  }
  DrawingTarget target;
  target.app = AttachTargetCad(platform, state.TargetProgID);
  BringCadToFront(platform, *target.app);
  target.document = target.app->ActiveDocument();
  if (state.CheckBox24.checked) target.scale = DimScaleOf(*target.document);
  if (!IsListInUse(state.StringGrid1)) {
    ended = CommandOutcome::Failed();
    return std::nullopt;
  }
  return target;
}

// The insert file's path as the CAD's command line can take it. The command line takes a
// blank as Enter, so a path holding one would end there: its short form is sent instead.
// Where the file system keeps no short form without blanks, the user is told which
// folder is at fault and nothing is sent.
std::optional<std::string> CommandLinePath(Platform& platform, const std::string& insertFile,
                                           CommandOutcome& outcome) {
  if (insertFile.find(' ') == std::string::npos) return insertFile;
  std::optional<std::string> shortPath = platform.ShortPathName(insertFile);
  if (shortPath && !shortPath->empty() && shortPath->find(' ') == std::string::npos)
    return shortPath;
  outcome = CommandOutcome::Failed(
      InsertPathBlankMessage(PathToUtf8(PathFromUtf8(insertFile).parent_path())));
  return std::nullopt;
}

CommandOutcome PlotToCad(const FormState& state, Platform& platform, Ui& ui,
                         const std::string& insertFile, PlotZMode zMode) {
  CommandOutcome outcome;
  std::optional<DrawingTarget> target = StartDrawing(state, platform, ui, outcome);
  if (!target) return outcome;
  const std::int32_t count = PlotIntoFile(state, target->scale, zMode, insertFile).entityCount;
  if (count > 0 && FileExists(insertFile)) {
    const std::optional<std::string> path = CommandLinePath(platform, insertFile, outcome);
    if (path) target->document->SendCommand(InsertCommandText(*path, "0,0,0"));
  }
  return outcome;
}

}  // namespace

CommandOutcome InsertAtPickedPoint(const FormState& state, Platform& platform, Ui& ui,
                                   const std::string& insertFile,
                                   const std::function<void(DxfBuilder&, double)>& build) {
  CommandOutcome outcome;
  std::optional<DrawingTarget> target = StartDrawing(state, platform, ui, outcome);
  if (!target) return outcome;
  // The old file goes first, so a table that fails to build never inserts a stale one.
  RemoveFileIfExists(insertFile);
  DxfFileWriter file(insertFile);
  build(file.Builder(), target->scale);
  file.Commit();
  if (!FileExists(insertFile)) return CommandOutcome::Failed();
  // Checked before the pick, so the user is never asked for a corner in vain.
  const std::optional<std::string> path = CommandLinePath(platform, insertFile, outcome);
  if (!path) return outcome;

  // Restored when the command leaves, however it leaves.
  MinimizedMainWindow window(ui, platform);
  try {
    std::shared_ptr<CadUtility> utility = target->document->Utility();
    // The point itself is not used ("@" is the CAD's last point, the one just picked),
    // but a value that is no point means nothing was picked.
    VariantToPoint(utility->GetPoint(kTablePickPrompt));
    target->document->SendCommand(InsertCommandText(*path, "@"));
  } catch (const VensaError& e) {
    // A cancelled pick, or a CAD that refused the pick or the insert: the user sees the
    // drawing unchanged, which says enough.
    outcome = CommandOutcome::FailedBecause(e.what());
  }
  return outcome;
}

namespace {

CommandOutcome TableToCad(const FormState& state, Platform& platform, Ui& ui,
                          const std::string& insertFile, TableAxes axes) {
  return InsertAtPickedPoint(state, platform, ui, insertFile, [&](DxfBuilder& out, double scale) {
    BuildTable(out, state.StringGrid1, TableOptionsFromForm(state), scale, axes);
  });
}

}  // namespace

std::string InsertFilePathFor(const std::string& programPath) {
  std::filesystem::path path = PathFromUtf8(programPath);
  path.replace_extension(".dxf");
  return PathToUtf8(path);
}

std::string InsertPathBlankMessage(const std::string& folder) {
  return "挿入ファイルのパスに空白があるため、CAD に挿入できません。\n"
         "空白を含まないフォルダにプログラムを置いてください:\n" +
         folder;
}

std::string InsertCommandText(const std::string& insertFile, const std::string& at) {
  return "-INSERT *" + insertFile + "\r" + at + " 1 0\r";
}

CommandOutcome PlotIntoCad(const FormState& state, Platform& platform, Ui& ui,
                           const std::string& insertFile) {
  return PlotToCad(state, platform, ui, insertFile, PlotZMode::kFromList);
}

CommandOutcome PlotIntoCadAtZeroZ(const FormState& state, Platform& platform, Ui& ui,
                                  const std::string& insertFile) {
  return PlotToCad(state, platform, ui, insertFile, PlotZMode::kZero);
}

CommandOutcome TableXYIntoCad(const FormState& state, Platform& platform, Ui& ui,
                              const std::string& insertFile) {
  return TableToCad(state, platform, ui, insertFile, TableAxes::kXY);
}

CommandOutcome TableYXIntoCad(const FormState& state, Platform& platform, Ui& ui,
                              const std::string& insertFile) {
  return TableToCad(state, platform, ui, insertFile, TableAxes::kYX);
}

}  // namespace vensa
