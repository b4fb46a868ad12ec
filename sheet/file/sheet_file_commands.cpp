#include "sheet/file/sheet_file_commands.h"

#include <algorithm>
#include <optional>

#include "core/coord_list.h"
#include "core/error.h"
#include "core/file_io.h"
#include "sheet/excel_transfer.h"
#include "sheet/file/file_worksheet.h"
#include "sheet/file/sheet_file.h"

namespace vensa {

std::vector<int> NumberSheetColumns(const FormState& form) {
  const std::vector<TransferField> fields = TransferFields(form);
  int nameColumn = 0;
  for (const TransferField& field : fields)
    if (field.listColumn == kColName) nameColumn = field.sheetColumn;
  std::vector<int> columns;
  for (const TransferField& field : fields) {
    if (field.listColumn != kColName && field.sheetColumn != nameColumn)
      columns.push_back(field.sheetColumn);
  }
  return columns;
}

void ReadListFromSheetFile(FormState& form, const std::string& path) {
  FileWorksheet sheet = LoadSheetFile(path);
  if (SheetFileKindOf(path) == SheetFileKind::Csv) sheet.TypeNumbers(NumberSheetColumns(form));
  ReadListFromSheet(form, sheet);
}

void ReadListFromSheetFileDialog(FormState& form, Ui& ui) {
  const std::optional<std::string> path = ui.OpenFileDialog(kSheetFileFilter);
  if (!path || path->empty()) return;
  ReadListFromSheetFile(form, *path);
}

void WriteListToSheetFile(const FormState& form, const TextGrid& list, const std::string& path) {
  const std::optional<SheetFileKind> kind = SheetFileKindOf(path);
  FileWorksheet sheet;
  try {
    WriteListToSheet(form, list, sheet);
  } catch (const SheetLimitError& e) {
    // A list longer than the worksheet.
    throw FileCreateError(path, e.what());
  }
  if (kind == SheetFileKind::Xlsx) sheet.TypeNumbers(NumberSheetColumns(form));
  SaveSheetFile(path, sheet);
}

std::string SheetFileSavePath(const std::string& chosenName) {
  return PathFromUtf8(chosenName).has_extension() ? chosenName : chosenName + ".xlsx";
}

namespace {

void WriteListToChosenFile(const FormState& form, const TextGrid& list, Ui& ui) {
  if (list.DataRowCount() == 0) return;
  const std::optional<std::string> chosen = ui.SaveFileDialog(kSheetFileFilter);
  if (!chosen || chosen->empty()) return;
  const std::string path = SheetFileSavePath(*chosen);
  if (FileExists(path) && ui.AskYesNo(kSheetFileOverwriteQuestion, true) != MessageAnswer::Yes)
    return;
  WriteListToSheetFile(form, list, path);
}

}  // namespace

void WriteCoordListToSheetFileDialog(FormState& form, Ui& ui) {
  WriteListToChosenFile(form, form.StringGrid1, ui);
}

void WriteTextListToSheetFileDialog(FormState& form, Ui& ui) {
  WriteListToChosenFile(form, form.StringGrid2, ui);
}

void ReadListFromSheetOrFile(FormState& form, ExcelLink& link, Platform& platform, Ui& ui) {
  if (GetExcelApp(form, link, platform)) return ReadListFromExcel(form, link, platform);
  ReadListFromSheetFileDialog(form, ui);
}

void WriteCoordListToSheetOrFile(FormState& form, ExcelLink& link, Platform& platform, Ui& ui) {
  if (GetExcelApp(form, link, platform)) return WriteCoordListToExcel(form, link, platform);
  WriteCoordListToSheetFileDialog(form, ui);
}

void WriteTextListToSheetOrFile(FormState& form, ExcelLink& link, Platform& platform, Ui& ui) {
  if (GetExcelApp(form, link, platform)) return WriteTextListToExcel(form, link, platform);
  WriteTextListToSheetFileDialog(form, ui);
}

}  // namespace vensa
