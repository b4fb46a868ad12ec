#include "sheet/excel_transfer.h"

#include <exception>
#include <string>

#include "core/coord_list.h"
#include "sheet/sheet_value.h"

namespace vensa {

std::vector<TransferField> TransferFields(const FormState& form) {
  std::vector<TransferField> fields = {
      {kColName, form.UpDown1.position + 1},
      {kColX, form.UpDown2.position + 1},
      {kColY, form.UpDown3.position + 1},
  };
  if (form.CheckBox8.checked) fields.push_back({kColZ, form.UpDown5.position + 1});
  return fields;
}

namespace {

// Reads worksheet rows into the list until a row lacks X or Y. A row joins the list
// only once all its fields are read, so a row cut short by an error is not taken.
void ReadRows(const FormState& form, ExcelWorksheet& sheet, TextGrid& list) {
  const std::vector<TransferField> fields = TransferFields(form);
  const int startRow = form.UpDown4.position;
  std::vector<std::string> cells(fields.size());
  // The worksheet's last row is read like every other; reading ends after it.
  for (int i = 0; startRow + i <= kWorksheetLastRow; ++i) {
    const int r = startRow + i;
    for (std::size_t f = 0; f < fields.size(); ++f) {
      const TransferField& field = fields[f];
      // The worksheet's cell cursor follows the reading.
      sheet.Cells(r, field.sheetColumn)->Select();
      cells[f] = SheetValueToText(sheet.Cells(r, field.sheetColumn)->Value());
      if (cells[f].empty() && (field.listColumn == kColX || field.listColumn == kColY)) {
        return;  // the list ends here; the rest of this worksheet row is not read
      }
    }
    const int listRow = i + 1;
    list.SetRowCount(listRow + 1);
    for (std::size_t f = 0; f < fields.size(); ++f) {
      if (!cells[f].empty()) list.SetCell(fields[f].listColumn, listRow, cells[f]);
    }
  }
}

}  // namespace

CommandOutcome ReadListFromSheet(FormState& form, ExcelWorksheet& sheet) {
  TextGrid& list = form.StringGrid1;
  // Down to the header row: nothing of the earlier content may survive into the new list.
  list.SetRowCount(1);
  ReadRows(form, sheet, list);
  RenumberPlotNo(list);
  form.ListDisplayGroupEnabled = false;
  CommandOutcome outcome;
  outcome.summary = std::string();
  return outcome;
}

CommandOutcome ReadListFromExcel(FormState& form, ExcelLink& link, Platform& platform) {
  if (!GetExcelApp(form, link, platform))
    return CommandOutcome::FailedBecause(kNoSpreadsheetMessage);
  try {
    return ReadListFromSheet(form, *link.WorkSheet);
  } catch (const std::exception& e) {
    // The window says nothing: the rows taken so far stay, without the finishing touches.
    return CommandOutcome::FailedBecause(e.what());
  }
}

void WriteListToSheet(const FormState& form, const TextGrid& list, ExcelWorksheet& sheet) {
  const std::vector<TransferField> fields = TransferFields(form);
  const int startRow = form.UpDown4.position;
  for (int k = 1; k <= list.DataRowCount(); ++k) {
    const int r = startRow + k - 1;
    for (const TransferField& field : fields) {
      sheet.Cells(r, field.sheetColumn)->Select();
      const std::string& text = list.Cell(field.listColumn, k);
      if (!text.empty()) sheet.Cells(r, field.sheetColumn)->SetValue(text);
    }
  }
}

namespace {

CommandOutcome WriteList(FormState& form, const TextGrid& list, ExcelLink& link,
                         Platform& platform) {
  if (!GetExcelApp(form, link, platform))
    return CommandOutcome::FailedBecause(kNoSpreadsheetMessage);
  if (list.DataRowCount() == 0) return CommandOutcome::Failed();
  WriteListToSheet(form, list, *link.WorkSheet);
  return {};
}

}  // namespace

CommandOutcome WriteCoordListToExcel(FormState& form, ExcelLink& link, Platform& platform) {
  return WriteList(form, form.StringGrid1, link, platform);
}

CommandOutcome WriteTextListToExcel(FormState& form, ExcelLink& link, Platform& platform) {
  return WriteList(form, form.StringGrid2, link, platform);
}

}  // namespace vensa
