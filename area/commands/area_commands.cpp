#include "area/commands/area_commands.h"

#include "area/area_drawing.h"
#include "area/area_rings.h"
#include "dxf/commands/drawing_commands.h"
#include "dxf/commands/form_options.h"

namespace vensa {

AreaOptions AreaOptionsFromForm(const FormState& state) {
  AreaOptions options;
  options.category = state.CheckBox32.checked ? LandCategory::kOther : LandCategory::kTakuchi;
  options.unit = state.CheckBox33.checked ? CoordUnit::kMillimetre : CoordUnit::kMetre;
  options.directionColumn = state.CheckBox34.checked;
  return options;
}

AreaTables StreamAreaTablesFromForm(const FormState& state, AreaSource source,
                                    const std::string& name,
                                    const std::function<void(const AreaTable&)>& onTable) {
  AreaOptions options = AreaOptionsFromForm(state);
  if (source == AreaSource::kSimaParcels) {
    options.unit = CoordUnit::kMetre;
    const std::vector<TParcel>& parcels = state.SimaParcels;
    return StreamAreaTables(
        parcels.size(), [&](std::size_t i) { return RingOfParcel(parcels[i]); }, options, onTable);
  }
  return StreamAreaTables(
      1, [&](std::size_t) { return RingOfList(state.StringGrid1, state.Edit31.text, name); },
      options, onTable);
}

AreaTables ComputeAreaTablesFromForm(const FormState& state, AreaSource source,
                                     const std::string& name) {
  std::vector<AreaTable> tables;
  AreaTables result = StreamAreaTablesFromForm(
      state, source, name, [&](const AreaTable& table) { tables.push_back(table); });
  result.tables = std::move(tables);
  return result;
}

CommandOutcome AreaOutcome(const AreaTables& tables) {
  CommandOutcome outcome;
  outcome.done = tables.computed > 0;
  std::string summary = "座標求積: 画地 " + std::to_string(tables.computed);
  if (tables.refused > 0) summary += "、計算できない画地 " + std::to_string(tables.refused);
  outcome.summary = std::move(summary);
  outcome.notes = tables.notes;
  if (tables.computed == 0 && tables.notes.empty())
    outcome.notes.emplace_back("面積を計算する画地がありません。");
  return outcome;
}

std::vector<int> AreaNumberSheetColumns() {
  std::vector<int> columns;
  for (int c = kAreaFirstNumberColumn; c <= kAreaLastNumberColumn; ++c)
    columns.push_back(kAreaSheetFirstColumn + c);
  return columns;
}

int WriteAreaTablesToSheet(const std::vector<AreaTable>& tables, ExcelWorksheet& sheet,
                           int firstRow) {
  int row = firstRow;
  ForEachAreaSheetRow(tables, [&](std::span<const std::string> cells) {
    for (std::size_t c = 0; c < cells.size(); ++c)
      if (!cells[c].empty())
        sheet.Cells(row, kAreaSheetFirstColumn + static_cast<int>(c))->SetValue(cells[c]);
    ++row;
  });
  return row;
}

bool AreaTablesToExcel(FormState& state, ExcelLink& link, Platform& platform,
                       const std::vector<AreaTable>& tables) {
  if (!GetExcelApp(state, link, platform)) return false;
  WriteAreaTablesToSheet(tables, *link.WorkSheet, std::max(1, state.UpDown4.position));
  return true;
}

CommandOutcome AreaTablesToCad(const FormState& state, Platform& platform, Ui& ui,
                               const std::string& insertFile,
                               const std::vector<AreaTable>& tables) {
  if (tables.empty()) return CommandOutcome::Failed();
  return InsertAtPickedPoint(state, platform, ui, insertFile, [&](DxfBuilder& out, double scale) {
    BuildAreaDrawing(out, tables, TableOptionsFromForm(state), scale, TAcadPoint{});
  });
}

}  // namespace vensa
