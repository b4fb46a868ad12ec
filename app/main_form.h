// TForm1, the main window: six tabs over one FormState. Each tab's controls and handlers
// live in their own file (tab_*.cpp); a handler copies the controls into the state, runs
// its command and shows the state again, and an error the command does not handle itself
// is shown by the general error report.
#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include <wx/frame.h>
#include <wx/notebook.h>
#include <wx/statusbr.h>

#include "app/form_binding.h"
#include "app/list_grid.h"
#include "app/wx_clipboard.h"
#include "app/wx_ui.h"
#include "cad/entity_tables.h"
#include "cad/file/drawing_target.h"
#include "core/command_outcome.h"
#include "platform/platform.h"
#include "platform/retrying_message_filter.h"
#include "sheet/excel_link.h"
#include "state/form_histories.h"
#include "state/form_state.h"
#include "state/start_up.h"

namespace vensa {

class PreviewWindow;
class TTargetCADForm;

class TForm1 : public wxFrame {
 public:
  // Start-up: reads the settings beside the program, places the window, looks up the
  // target CAD's name and registers the message filter. Contacts no other program.
  // `drawingTargetByDefault`: a drawing file is the target CAD unless the settings say
  // otherwise (a system where no CAD is reached by automation).
  TForm1(const ProgramFiles& files, Platform& platform, bool drawingTargetByDefault = false);
  ~TForm1() override;

  FormState& State() { return state_; }
  TTargetCADForm* TargetCADForm() { return targetCadForm_; }

  // `vensa DRAWING.dxf`: the drawing opened as the target CAD; a drawing that cannot be
  // read is reported and the target stays as it was.
  void OpenDrawingAtStart(const std::string& path);
  // Message boxes and the dialogs that ask the user go to `dialogs` (a program driving
  // the window); null gives them back to the screen.
  void RouteDialogsTo(Ui* dialogs) { ui_.RouteDialogsTo(dialogs); }
  // The message boxes and dialogs of the window, for the commands of its dialogs.
  Ui& Dialogs() { return ui_; }

  // Controls into the state, the command, the state shown again; an uncaught error ends
  // the command where it stands and is reported (message box, the program goes on).
  void RunCommand(const std::function<void()>& command);
  // The same as one undo step named `step` in each list the command changes.
  void RunCommand(std::string_view step, const std::function<void()>& command);
  // The undo histories of the four lists.
  FormHistories& Histories() { return histories_; }
  // The state shown by every control and grid.
  void ShowState();
  // The general error report: the error's text, the application title, a stop icon.
  void ReportError(const std::string& text);
  // The list shown on a page of PageControl1; none on the settings pages.
  ListGrid* ListOfPage(int page) const;

  // The coordinate list's pop-up menu, in order; a null caption is a separator. `step`
  // names the undo step of an item that changes the list.
  struct PopupItem {
    const char* caption;
    std::function<void()> run;
    const char* step = nullptr;
    bool enabled = true;
  };
  std::vector<PopupItem> PopupMenu1Items();
  // Runs the item of that caption as the menu does; false when there is none or it is
  // disabled.
  bool PopupMenu1Click(std::string_view caption);

  // "プレビュー": opens the preview window beside this one, or raises it (form_preview.cpp).
  void PreviewClick();
  // The preview window, null before it was first opened.
  PreviewWindow* Preview() { return preview_; }
  // Makes a data row of the coordinate list current, its cells selected, scrolled to.
  void SelectCoordListRow(int row);

 private:
  // One builder per tab (tab_*.cpp).
  wxWindow* BuildMainTab(wxNotebook* book);
  wxWindow* BuildCadSettingsTab(wxNotebook* book);
  wxWindow* BuildGetIdSettingsTab(wxNotebook* book);
  wxWindow* BuildTextTab(wxNotebook* book);
  wxWindow* BuildSimaReadTab(wxNotebook* book);
  wxWindow* BuildSimaWriteTab(wxNotebook* book);
  void BuildCoordListGrid(wxWindow* page, int x, int y, int w, int h);
  void ShowCoordListPopup();
  // "座標求積...": the dialog, then the area tables where it says (area_dialog.cpp).
  void AreaClick();
  void CoordListCurrentCellMoved();
  void UpdateRowIndicator();

  // What a command did, shown: its summary in the second status panel (none leaves the
  // panel as it was), each note in a message box.
  void ShowOutcome(const CommandOutcome& outcome);

  // The handlers of the command buttons and the list's sort items, each binding its control
  // to one command (button_handlers.cpp); RunCommand runs them.
  void Button1Click();  // "Exceｌから"
  void Button2Click();  // "CADへ"
  void Button3Click();  // "XY 作表"
  void Button4Click();  // "CADから"
  void Button5Click();  // "Excelへ" of the main tab
  void Button6Click();  // "TEXT 取得"
  void Button7Click();  // "Excelへ" of " TEXT "
  void Button8Click();  // "YX 作表"
  void Button9Click();  // "読み込み"
  void Button10Click();  // "データ作成", also "1/1000", "X-Y 反転" and "リストの測点名"
  void Button11Click();    // "保存"
  void Button12Click();    // "ID (INT)"
  void Button13Click();    // "CADへ (Z=0)"
  void CheckBox13Click();  // "×1000" and "X-Y 反転" of " SIMA/R "
  void N10Click();         // "測点名でソート"
  void N13Click();         // "同じ行データを整理"
  void N15Click();         // "測点名の番号のみでソート"

  void FormCreate(const ScreenMetrics& screen);
  void FormClose(wxCloseEvent& event);
  // Reads the target CAD list file again and shows the dialog (SpeedButton5 "編集").
  void SpeedButton5Click();

  bool drawingTargetByDefault_;
  FormState state_;
  FormHistories histories_;  // attached to state_'s lists once the window has started
  // The captions of the pop-up menu's undo and redo, naming their steps.
  std::string undoCaption_;
  std::string redoCaption_;
  ProgramFiles files_;
  DrawingTargetPlatform cadPlatform_;  // the system's platform, or the drawing as the CAD
  Platform& platform_;
  WxUi ui_;
  WxClipboard clipboard_;
  ExcelLink excel_;
  EntityTables tables_;  // the entities of the last read from the CAD
  std::shared_ptr<TMessageFilter> messageFilter_;
  FormBinding binding_;

  wxNotebook* PageControl1 = nullptr;
  ListGrid* StringGrid1 = nullptr;
  ListGrid* StringGrid2 = nullptr;
  ListGrid* StringGrid3 = nullptr;
  ListGrid* StringGrid4 = nullptr;
  wxStatusBar* StatusBar1 = nullptr;
  TTargetCADForm* targetCadForm_ = nullptr;
  PreviewWindow* preview_ = nullptr;
  // A control was changed by the user since the state last took the controls' values: the
  // preview pulls them when it looks, but never while a command runs (RunCommand pulls and
  // clears it first, and the user changes no control of the window during a command).
  bool controlsChanged_ = false;
  // Commands running (one may wait in an event loop, for a pick or a message box): the
  // controls are not pulled into the state meanwhile, which would undo what it set.
  int commandsRunning_ = 0;
};

// The faces of the main window: the font where the Japanese system font is missing falls
// back to the system's Japanese UI font.
wxFont UiFont();
wxFont CoordListFont();

}  // namespace vensa
