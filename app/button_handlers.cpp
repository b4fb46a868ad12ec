// The window's handlers of its command buttons and sort items: each is one call into the
// command, whose outcome the window shows. The commands themselves serve vensa-cli as well.
#include "app/main_form.h"
#include "cad/commands/get_from_cad.h"
#include "cad/commands/text_list.h"
#include "core/list_sort.h"
#include "dxf/commands/drawing_commands.h"
#include "sheet/file/sheet_file_commands.h"
#include "sima/commands/sima_commands.h"
#include "sima/sima_reader.h"
#include "sima/sima_writer.h"

namespace vensa {

void TForm1::ShowOutcome(const CommandOutcome& outcome) {
  if (outcome.summary) state_.StatusBar1[1] = *outcome.summary;
  for (const std::string& note : outcome.notes) ui_.ShowMessage(note);
}

void TForm1::Button1Click() {
  ReadListFromSheetOrFile(state_, excel_, platform_, ui_);
}
void TForm1::Button2Click() {
  ShowOutcome(PlotOnTarget(state_, cadPlatform_, ui_, files_.insertFile, PlotZMode::kFromList));
}
void TForm1::Button3Click() {
  ShowOutcome(TableOnTarget(state_, cadPlatform_, ui_, files_.insertFile, TableAxes::kXY));
}
void TForm1::Button4Click() {
  ShowOutcome(GetFromTarget(state_, tables_, cadPlatform_, ui_).outcome);
}
void TForm1::Button5Click() {
  WriteCoordListToSheetOrFile(state_, excel_, platform_, ui_);
}
void TForm1::Button6Click() {
  ShowOutcome(GetTextsFromTarget(state_, tables_, cadPlatform_, ui_).outcome);
}
void TForm1::Button7Click() {
  WriteTextListToSheetOrFile(state_, excel_, platform_, ui_);
}
void TForm1::Button8Click() {
  ShowOutcome(TableOnTarget(state_, cadPlatform_, ui_, files_.insertFile, TableAxes::kYX));
}
void TForm1::Button9Click() {
  ShowOutcome(ReadSimaFileDialog(state_, tables_, ui_).outcome);
}
void TForm1::Button10Click() {
  BuildSimaWriteList(state_.StringGrid1, SimaWriteOptionsOf(state_), state_.StringGrid4);
}
void TForm1::Button11Click() {
  ShowOutcome(SaveSimaFileDialog(state_.StringGrid4, ui_).outcome);
}
void TForm1::Button12Click() {
  PickPointsOnTarget(state_, cadPlatform_, ui_);
}
void TForm1::Button13Click() {
  ShowOutcome(PlotOnTarget(state_, cadPlatform_, ui_, files_.insertFile, PlotZMode::kZero));
}
void TForm1::CheckBox13Click() {
  TransferSimaReadList(SimaReadOptionsOf(state_), state_.StringGrid3, state_.StringGrid1);
}
void TForm1::N10Click() {
  SortByName(state_.StringGrid1);
}
void TForm1::N13Click() {
  RemoveRepeatedRows(state_.StringGrid1);
}
void TForm1::N15Click() {
  SortByNumber(state_.StringGrid1);
}

}  // namespace vensa
