// Timing of undo and redo in the window on a long list (needs a display: xvfb-run -a
// undo_bench): a paste of 100,000 rows and a sort of them, each undone and redone through
// the pop-up menu and painted (best of five); what recording a step adds to the paste and
// to "CADから" of a drawing of 100,000 points (the copy of the list before its first
// change and the comparison after); and the memory a step of a clear of the 100,000 rows
// keeps.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/main_form.h"
#include "bench/best_of.h"
#include "bench/window_run.h"
#include "cad/file/drawing_target.h"
#include "core/file_io.h"
#include "core/list_headers.h"
#include "core/number_format.h"
#include "platform/none/no_com_platform.h"
#include "platform/sim/sim_clipboard.h"
#include "platform/sim/sim_ui.h"
#include "state/grid_edit.h"

namespace {

using namespace vensa;
using namespace vensa::bench;
using vensa::bench::BestOf;

constexpr int kRows = 100'000;

std::string PastedRows() {
  std::string text;
  for (int i = kRows; i >= 1; --i) {
    text += "P" + std::to_string(i) + "\t";
    AppendFixed(text, -39525.623 + i * 0.137, 3);
    text += "\t";
    AppendFixed(text, 60295.494 - i * 0.071, 3);
    text += "\t12.500\r\n";
  }
  return text;
}

std::string PointDrawing() {
  std::string text = "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n";
  for (int i = 0; i < kRows; ++i) {
    text += "  0\r\nPOINT\r\n  8\r\n0\r\n 10\r\n";
    AppendFixed(text, -34567.891 + i * 1.237, 3);
    text += "\r\n 20\r\n";
    AppendFixed(text, 12345.678 + (i % 997) * 0.731, 3);
    text += "\r\n 30\r\n10.0\r\n";
  }
  return text + "  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
}

// The time in milliseconds of `run` followed by painting the window.
double ShownMs(TForm1& form, const std::function<void()>& run) {
  return 1000.0 * BestOf(1, [&] {
           run();
           form.Update();
         });
}

// The undo (or redo) of the coordinate list's last step as the pop-up menu runs it.
void MenuUndo(TForm1& form, bool redo) {
  const auto items = form.PopupMenu1Items();
  form.PopupMenu1Click(items[redo ? 1 : 0].caption);
}

// Undo and redo in turn, five times: the best time of each.
void ReportUndoRedo(TForm1& form, const char* what) {
  double undo = 1e300;
  double redo = 1e300;
  for (int run = 0; run < 5; ++run) {
    undo = std::min(undo, ShownMs(form, [&] { MenuUndo(form, false); }));
    redo = std::min(redo, ShownMs(form, [&] { MenuUndo(form, true); }));
  }
  std::printf("%s: undo shown %.1f ms, redo shown %.1f ms (%s, %d rows)\n", what, undo, redo,
              form.PopupMenu1Items()[0].caption, form.State().StringGrid1.DataRowCount());
}

// The time of `run` with the coordinate list recorded and with its observer detached.
void ReportRecordingCost(TForm1& form, const char* what, const std::function<void()>& run) {
  TextGrid& list = form.State().StringGrid1;
  const double recorded = 1000.0 * BestOf(3, run);
  GridObserver* history = list.Observer();
  list.SetObserver(nullptr);
  const double unrecorded = 1000.0 * BestOf(3, run);
  list.SetObserver(history);
  std::printf("%s: %.1f ms recorded, %.1f ms without the history (+%.1f ms)\n", what, recorded,
              unrecorded, recorded - unrecorded);
}

}  // namespace

int main(int argc, char** argv) {
  return RunWithMainWindow(
      argc, argv, "vensa_undo_bench",
      [](TForm1& window, const std::filesystem::path& dir, NoComPlatform& platform) {
        TForm1* form = &window;
        SimUi dialogs;
        form->RouteDialogsTo(&dialogs);
        FormState& s = form->State();
        SimClipboard clipboard;
        clipboard.SetText(PastedRows());

        auto paste = [&] {
          form->RunCommand("貼り付け", [&] {
            ClearShownData(s.StringGrid1);
            PasteAtFirstCell(s.StringGrid1, clipboard);
          });
        };
        ReportRecordingCost(*form, "clear and paste of 100,000 rows", paste);
        paste();
        form->Update();
        ReportUndoRedo(*form, "paste of 100,000 rows");

        form->PopupMenu1Click("測点名でソート");
        form->Update();
        ReportUndoRedo(*form, "sort of 100,000 rows");
        const TextGrid listBefore = s.StringGrid1;  // 100,000 rows other than the drawing's

        const std::size_t keptBefore = form->Histories().List(0).KeptBytes();
        form->PopupMenu1Click("表示データをすべてクリア");
        std::printf("a clear of 100,000 rows: its step keeps %.1f MB (every step kept: %.1f MB)\n",
                    (form->Histories().List(0).KeptBytes() - keptBefore) / 1048576.0,
                    form->Histories().Budget().Used() / 1048576.0);
        Settle();

        // "CADから" outside the window, whose status panel repaints for every entity read: the
        // command on the form's state, its step closed as the window closes it.
        const std::string drawing = (dir / "points.dxf").string();
        SaveFileAtomically(drawing, PointDrawing());
        FormState state = InitialFormState();
        DrawingTargetPlatform target(platform, state);
        OpenDrawingTarget(state, target, drawing);
        EntityTables tables;
        FormHistories histories;
        // Best of three, each replacing a list of 100,000 other rows (so that each makes a step).
        auto getFromCad = [&] {
          double best = 1e300;
          for (int run = 0; run < 3; ++run) {
            state.StringGrid1 = listBefore;
            histories.CloseStepsBetweenHandlers();
            best = std::min(best, 1000.0 * BestOf(1, [&] {
                                    ListStep step(histories, "CADから");
                                    GetFromTarget(state, tables, target, dialogs);
                                  }));
          }
          return best;
        };
        const double unrecorded = getFromCad();
        histories.Attach(state);
        const double recorded = getFromCad();
        std::printf(
            "CADから of a drawing of %d points: %.1f ms recorded, %.1f ms without the history "
            "(+%.1f ms)\n",
            state.StringGrid1.DataRowCount(), recorded, unrecorded, recorded - unrecorded);
        // The same through the window's button: the status panel's count and the window's
        // messages shown as the entities are read, the list shown.
        form->OpenDrawingAtStart(drawing);
        const double inWindow = 1000.0 * BestOf(1, [&] {
                                  wxWindow* button = wxWindow::FindWindowByName("Button4", form);
                                  wxCommandEvent click(wxEVT_BUTTON, button->GetId());
                                  click.SetEventObject(button);
                                  button->ProcessWindowEvent(click);
                                  form->Update();
                                });
        std::printf("CADから of the drawing in the window, shown: %.1f ms (%d rows)\n", inWindow,
                    s.StringGrid1.DataRowCount());

        form->RouteDialogsTo(nullptr);
      });
}
