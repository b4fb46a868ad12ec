// The window's CAD when a drawing file may stand in for it: the target CAD dialog's entry
// "図面ファイル (DXF)" makes the last drawing opened the running CAD of every command;
// otherwise the system's own platform answers. The drawing is read when opened and read
// again at the next command after its file changed; it is never written.
#pragma once

#include <memory>
#include <string>

#include "cad/commands/get_from_cad.h"
#include "cad/commands/point_picking.h"
#include "cad/commands/text_list.h"
#include "cad/entity_tables.h"
#include "cad/file/drawing_file_cad.h"
#include "dxf/plot.h"
#include "dxf/table.h"
#include "platform/platform.h"
#include "platform/ui.h"
#include "state/form_state.h"

namespace vensa {

inline constexpr char kDrawingFileTargetName[] = "図面ファイル (DXF)";
inline constexpr char kDrawingOpenFilter[] =
    "図面ファイル (*.dxf)|*.dxf;*.DXF|すべてのファイル (*.*)|*.*";
inline constexpr char kDrawingSaveFilter[] = "図面ファイル (*.dxf)|*.dxf";
inline constexpr char kLayerChoicePrompt[] = "測点名検索画層を選択";
inline constexpr char kTableCornerPrompt[] = "作表の左上基点";
inline constexpr char kNotIntoOpenDrawingMessage[] =
    "開いている図面には保存できません。別のファイル名を指定してください";

// The drawing answers for the CAD while the form's TargetIsDrawingFile is set.
class DrawingTargetPlatform : public Platform {
 public:
  DrawingTargetPlatform(Platform& system, const FormState& form) : system_(system), form_(form) {}

  // Reads `path` as the drawing; the drawing open before stays when it cannot be read.
  void Open(const std::string& path);
  // The drawing open now, null before the first.
  DrawingFileCad* Drawing() { return cad_.get(); }

  std::optional<std::string> ClassIdFromProgId(const std::string& progId) override;
  std::shared_ptr<AutomationObject> GetActiveObject(const std::string& classId) override;
  // The system's registry, whichever CAD answers: the drawing is no registered class.
  std::vector<RegisteredClass> RegisteredClasses(
      const std::function<bool(std::string_view progId)>& wanted) override;
  // The filter belongs to the process, whichever CAD answers.
  std::shared_ptr<MessageFilter> SetMessageFilter(std::shared_ptr<MessageFilter> filter) override;
  WindowHandle FindTopLevelWindow(const std::string& className) override;
  bool IsMinimized(WindowHandle window) override;
  void RestoreWindow(WindowHandle window) override;
  bool SetForegroundWindow(WindowHandle window) override;
  WindowHandle GetForegroundWindow() override;
  void SendKeyEvent(int virtualKey, bool keyUp) override;
  void Sleep(int milliseconds) override;
  std::optional<std::string> ShortPathName(const std::string& path) override;

 private:
  Platform& Active();

  bool UsesDrawing() const { return form_.TargetIsDrawingFile; }

  Platform& system_;
  const FormState& form_;
  std::unique_ptr<DrawingFileCad> cad_;
  std::unique_ptr<DrawingFilePlatform> drawingPlatform_;
};

// The caption, "名称" and "ProgID" fields naming the drawing target and its file.
void ShowDrawingTarget(FormState& state);

// Makes `path` the drawing target: read at once (errors reach the caller, the target
// unchanged), then shown.
void OpenDrawingTarget(FormState& state, DrawingTargetPlatform& target, const std::string& path);

// "図面を開く...": a drawing chosen in the open dialog becomes the target.
void OpenDrawingClick(FormState& state, DrawingTargetPlatform& target, Ui& ui);

// With the drawing target chosen, the commands that need a user at a running CAD say so
// and do nothing: not done, kNeedsRunningCadMessage as the note.
CommandOutcome RefusedWithoutRunningCad();

// Whether a current-cell move of the coordinate list, or of the text list, pans: its
// "常にPAN" on and a running CAD the target. The window runs the Follow... command only
// then, so that a plain move costs no command.
bool PansOnCoordListMove(const FormState& state);
bool PansOnTextListMove(const FormState& state);

// "常にPAN" of the coordinate list switched: with the drawing target chosen and the box on,
// RefusedWithoutRunningCad; otherwise done, nothing to say.
CommandOutcome AlwaysPanOnTarget(const FormState& state);

// The scale the plot would take now, for a preview of it: with the drawing target, the
// drawing's DIMSCALE where asked (as "CADへ" takes it); otherwise 1, since a running CAD is
// asked for its DIMSCALE only when the plot is inserted.
double PlotScaleOnTarget(const FormState& state, DrawingTargetPlatform& target);

// The window's CAD buttons, whichever the target. With the drawing target: "CADから" and
// "TEXT 取得" read the last drawing opened (asked for when there is none, read again when
// its file changed; a drawing that cannot be read throws before anything has changed);
// "画層取得" makes Edit29 one of the drawing's layers, chosen from a list; "CADへ" and
// "CADへ (Z=0)" save the insert file's text into a DXF file the user names
// ("<drawing>_plot.dxf" proposed), DIMSCALE from the drawing where asked; "XY 作表" and
// "YX 作表" save the table with its top-left corner at a typed point (the list's smallest
// X and largest Y proposed; "<drawing>_table.dxf"); the PANs and "ID" say that they need a
// running CAD and do nothing (RefusedWithoutRunningCad), and the list's current-cell moves pan
// nothing. Otherwise each is the button's command on the running CAD. Each returns what the
// command it ran returned; not done, without a note, when the user chose no drawing or no
// layer.
GetFromCadOutcome GetFromTarget(FormState& state, EntityTables& tables,
                                DrawingTargetPlatform& target, Ui& ui);
GetTextsOutcome GetTextsFromTarget(FormState& state, EntityTables& tables,
                                   DrawingTargetPlatform& target, Ui& ui);
CommandOutcome LayerFromTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui);
// The plot and the table return what they did: not done, without a note, when the user
// cancels a dialog; kNotIntoOpenDrawingMessage as the note when the drawing itself is
// named to save into.
CommandOutcome PlotOnTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui,
                            const std::string& insertFile, PlotZMode zMode);
CommandOutcome TableOnTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui,
                             const std::string& insertFile, TableAxes axes);
PickPointsOutcome PickPointsOnTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui);
CommandOutcome PanToTextListRowOnTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui);
CommandOutcome PanToCoordListRowOnTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui);
CommandOutcome FollowTextListRowOnTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui);
CommandOutcome FollowCoordListRowOnTarget(FormState& state, DrawingTargetPlatform& target, Ui& ui);

}  // namespace vensa
