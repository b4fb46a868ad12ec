#include "sheet/file/sheet_file_commands.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
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

namespace {

// What the list read from a CSV file may take: ten times the file, and at least 64 MB. A
// list row costs its cells' strings however short the file's cells are, so a file of a
// million rows of one-character cells would otherwise make a list many times its size.
constexpr std::uint64_t kListBytesPerCsvByte = 10;
constexpr std::uint64_t kMinCsvListBudget = std::uint64_t{64} << 20;

}  // namespace

CommandOutcome ReadListFromSheetFile(FormState& form, const std::string& path) {
  FileWorksheet sheet = LoadSheetFile(path);
  if (SheetFileKindOf(path) == SheetFileKind::Csv) {
    sheet.TypeNumbers(NumberSheetColumns(form));
    std::error_code error;
    const std::uintmax_t fileBytes = std::filesystem::file_size(PathFromUtf8(path), error);
    sheet.SetReadBudget(
        std::max(kListBytesPerCsvByte * (error ? 0 : fileBytes), kMinCsvListBudget),
        static_cast<std::size_t>(form.StringGrid1.ColCount()) * sizeof(std::string));
  }
  // The list stays as it was when the cells hand out more text than a list may take.
  TextGrid kept = form.StringGrid1;
  try {
    return ReadListFromSheet(form, sheet);
  } catch (const SheetLimitError& e) {
    form.StringGrid1 = std::move(kept);
    throw FileReadError(path, e.what());
  }
}

CommandOutcome ReadListFromSheetFileDialog(FormState& form, Ui& ui) {
  const std::optional<std::string> path = ui.OpenFileDialog(kSheetFileFilter);
  if (!path || path->empty()) return CommandOutcome::Failed();
  return ReadListFromSheetFile(form, *path);
}

void WriteListToSheetFile(const FormState& form, const TextGrid& list, const std::string& path,
                          ExistingFile existing) {
  const std::optional<SheetFileKind> kind = SheetFileKindOf(path);
  FileWorksheet sheet;
  try {
    WriteListToSheet(form, list, sheet);
  } catch (const SheetLimitError& e) {
    // A list longer than the worksheet.
    throw FileCreateError(path, e.what());
  }
  if (kind == SheetFileKind::Xlsx) sheet.TypeNumbers(NumberSheetColumns(form));
  SaveSheetFile(path, sheet, existing);
}

std::string SheetFileSavePath(const std::string& chosenName) {
  return PathFromUtf8(chosenName).has_extension() ? chosenName : chosenName + ".xlsx";
}

CommandOutcome WriteListToChosenSheetFile(
    const FormState& form, const TextGrid& list,
    const std::function<std::optional<SaveTarget>()>& choosePath) {
  if (list.DataRowCount() == 0) return CommandOutcome::Failed();
  const std::optional<SaveTarget> target = choosePath();
  if (!target) return CommandOutcome::Failed();
  WriteListToSheetFile(form, list, target->path, target->existing);
  return {};
}

namespace {

// The save dialog's file, kSheetFileOverwriteQuestion answered Yes when it exists.
std::optional<SaveTarget> AskSheetFile(Ui& ui) {
  const std::optional<std::string> chosen = ui.SaveFileDialog(kSheetFileFilter);
  if (!chosen || chosen->empty()) return std::nullopt;
  std::string path = SheetFileSavePath(*chosen);
  if (FileExists(path) && ui.AskYesNo(kSheetFileOverwriteQuestion, true) != MessageAnswer::Yes)
    return std::nullopt;
  return SaveTarget{path};
}

}  // namespace

CommandOutcome WriteCoordListToSheetFileDialog(FormState& form, Ui& ui) {
  return WriteListToChosenSheetFile(form, form.StringGrid1, [&ui] { return AskSheetFile(ui); });
}

CommandOutcome WriteTextListToSheetFileDialog(FormState& form, Ui& ui) {
  return WriteListToChosenSheetFile(form, form.StringGrid2, [&ui] { return AskSheetFile(ui); });
}

CommandOutcome ReadListFromSheetOrFile(FormState& form, ExcelLink& link, Platform& platform,
                                       Ui& ui) {
  if (GetExcelApp(form, link, platform)) return ReadListFromExcel(form, link, platform);
  return ReadListFromSheetFileDialog(form, ui);
}

CommandOutcome WriteCoordListToSheetOrFile(FormState& form, ExcelLink& link, Platform& platform,
                                           Ui& ui) {
  if (GetExcelApp(form, link, platform)) return WriteCoordListToExcel(form, link, platform);
  return WriteCoordListToSheetFileDialog(form, ui);
}

CommandOutcome WriteTextListToSheetOrFile(FormState& form, ExcelLink& link, Platform& platform,
                                          Ui& ui) {
  if (GetExcelApp(form, link, platform)) return WriteTextListToExcel(form, link, platform);
  return WriteTextListToSheetFileDialog(form, ui);
}

}  // namespace vensa
