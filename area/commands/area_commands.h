// The area tables (座標求積表) of the parcels the user chose, into the running CAD's
// drawing at a picked point and into the running spreadsheet's active worksheet.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "area/area_table.h"
#include "core/command_outcome.h"
#include "platform/platform.h"
#include "platform/ui.h"
#include "sheet/excel_link.h"
#include "sheet/excel_objects.h"
#include "state/form_state.h"

namespace vensa {

// The category, the list's unit and the direction column as the form remembers them.
AreaOptions AreaOptionsFromForm(const FormState& state);

// Which rings: every parcel of the SIMA file last read, or the coordinate list's rows in
// the plot range as one parcel named `name`.
enum class AreaSource { kSimaParcels, kList };

// The tables of the chosen rings. The list's unit applies to the list only: SIMA parcels
// are in the file's metres.
AreaTables ComputeAreaTablesFromForm(const FormState& state, AreaSource source,
                                     const std::string& name);
// The same, each table handed to `onTable` as it is made and none kept.
AreaTables StreamAreaTablesFromForm(const FormState& state, AreaSource source,
                                    const std::string& name,
                                    const std::function<void(const AreaTable&)>& onTable);

// What the computation did, for the window and vensa-cli: the count of tables in the
// summary, every refusal and warning as a note; not done when no table came out.
CommandOutcome AreaOutcome(const AreaTables& tables);

// The worksheet's first column and the worksheet columns of numbers (1 = "A").
inline constexpr int kAreaSheetFirstColumn = 1;
std::vector<int> AreaNumberSheetColumns();

// The tables into the worksheet from row `firstRow` down: the parcel's name, the header,
// the points, the totals (label, value, unit, rule), one blank row between two tables. Returns
// the row after the last one written.
int WriteAreaTablesToSheet(const std::vector<AreaTable>& tables, ExcelWorksheet& sheet,
                           int firstRow);

// Into the running spreadsheet's active worksheet from the start row of the group
// "Excel"; false when no spreadsheet with a workbook runs (nothing is written then).
bool AreaTablesToExcel(FormState& state, ExcelLink& link, Platform& platform,
                       const std::vector<AreaTable>& tables);

// Into the running target CAD at a point the user picks, as "XY 作表" inserts its table.
CommandOutcome AreaTablesToCad(const FormState& state, Platform& platform, Ui& ui,
                               const std::string& insertFile, const std::vector<AreaTable>& tables);

}  // namespace vensa
