#include "cad/commands/point_picking.h"

#include <cstdint>

#include "cad/cad_connection.h"
#include "cad/minimized_main_window.h"
#include "core/coord_list.h"
#include "core/error.h"
#include "core/geometry.h"
#include "core/number_format.h"
#include "core/number_read.h"
#include "core/point_name.h"

namespace vensa {

namespace {

constexpr double kDefaultLabelHeight = 2.5;

// The highest data row whose X cell is filled; 0 when none is.
int LastFilledRow(const TextGrid& list) {
  for (int r = list.DataRowCount(); r >= 1; --r) {
    if (!list.Cell(kColX, r).empty()) return r;
  }
  return 0;
}

// The running name: the number counts on from the one in Edit33 (0 when it has none or
// it does not fit 32 bits). Held in 64 bits so that counting past the 32-bit limit goes
// on instead of wrapping.
class RunningName {
 public:
  explicit RunningName(const std::string& next) : parts_(SplitNameNumber(next)) {
    number_ = TryReadInteger(parts_.number).value_or(0);
  }
  std::string Current() const { return parts_.prefix + std::to_string(number_) + parts_.suffix; }
  void Advance() { ++number_; }

 private:
  NameNumber parts_;
  std::int64_t number_ = 0;
};

double LabelHeight(const FormState& state, CadDocument& document) {
  const double height = TryReadNumber(state.Edit34.text).value_or(kDefaultLabelHeight);
  return state.CheckBox20.checked ? height * DimScaleOf(document) : height;
}

}  // namespace

void PickPointsWithId(FormState& state, Platform& platform, Ui& ui) {
  if (!ConnectTargetCad(platform, ui, state.TargetProgID)) return;
  std::shared_ptr<CadApplication> app = AttachTargetCad(platform, state.TargetProgID);
  BringCadToFront(platform, *app);
  std::shared_ptr<CadDocument> document = app->ActiveDocument();

  const bool intersection = state.CheckBox16.checked;
  const int digits = state.UpDown7.position;
  const bool labels = state.CheckBox19.checked;
  const double height = labels ? LabelHeight(state, *document) : 0.0;

  TextGrid& list = state.StringGrid1;
  const int last = LastFilledRow(list);
  int row = 0;
  if (last > 0) {
    switch (ui.AskYesNoCancel(kAppendOrRestartQuestion)) {
      case MessageAnswer::Yes:
        row = last;
        break;
      case MessageAnswer::No:
        row = 0;
        break;
      default:
        return;
    }
  }

  MinimizedMainWindow window(ui, platform);
  ActivateCadWindow(platform, *app);
  RunningName name(state.Edit33.text);
  const std::string layer = state.Edit9.text;
  EnsureLayer(*app, layer);

  for (;;) {
    const TAcadPoint before = VariantToPoint(document->GetVariable("LASTPOINT"));
    TAcadPoint after;
    bool moved = false;
    try {
      document->SendCommand(intersection ? "_ID\r_int\r" : "_ID\r");
      WaitForCadIdle(state.TargetProgID, *app, platform, kIdlePollIntervalMs);
      after = VariantToPoint(document->GetVariable("LASTPOINT"));
      // A cancelled ID leaves LASTPOINT where it was; so does a repeated pick.
      moved = Distance2D(before, after) > kPickMoveThreshold;
    } catch (const VensaError&) {
      // A failed pick ends the picking like a cancelled one.
    }
    if (!moved) break;

    ++row;
    if (list.DataRowCount() < row) list.SetRowCount(row + 1);
    list.SetCell(kColName, row, name.Current());
    list.SetCell(kColX, row, FormatFixed(after.x, digits));
    list.SetCell(kColY, row, FormatFixed(after.y, digits));
    list.SetCell(kColZ, row, FormatFixed(after.z, digits));
    list.SetCell(kColPlotNo, row, std::to_string(row));
    if (labels) {
      try {
        // The label stands where the listed (rounded) coordinates say.
        const TAcadPoint at = ReadRowPoint(list, row);
        std::shared_ptr<CadText> text = document->ModelSpace()->AddText(name.Current(), at, height);
        text->SetLayer(layer);
        text->Update();
      } catch (const VensaError&) {
        // The point stays listed without its label.
      }
    }
    name.Advance();
    state.Edit33.text = name.Current();
    state.ListDisplayGroupEnabled = false;
    state.StatusBar1[1].clear();
  }

  platform.Sleep(kMinimizePauseMs);
  window.Restore();
  ui.BringMainWindowForward();
  if (row == 0) {
    list.SetRowCount(2);
    for (int c = kColName; c <= kColPlotNo; ++c) list.SetCell(c, 1, std::string());
  } else {
    list.SetRowCount(row + 1);
    RenumberPlotNo(list);
  }
}

}  // namespace vensa
