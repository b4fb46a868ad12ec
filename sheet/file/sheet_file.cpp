#include "sheet/file/sheet_file.h"

#include "core/error.h"
#include "core/file_io.h"
#include "core/text.h"
#include "sheet/file/csv_sheet.h"
#include "sheet/file/xlsx_reader.h"
#include "sheet/file/xlsx_writer.h"

namespace vensa {

namespace {

constexpr const char* kKindMessage = "CSV (.csv) か Excel ブック (.xlsx) ではありません。";

}  // namespace

std::optional<SheetFileKind> SheetFileKindOf(const std::string& path) {
  if (EndsWithIgnoringAsciiCase(path, ".csv")) return SheetFileKind::Csv;
  if (EndsWithIgnoringAsciiCase(path, ".xlsx")) return SheetFileKind::Xlsx;
  return std::nullopt;
}

FileWorksheet LoadSheetFile(const std::string& path) {
  const std::optional<SheetFileKind> kind = SheetFileKindOf(path);
  if (!kind) throw FileReadError(path, kKindMessage);
  const std::string bytes = ReadFileBytes(path, {kMaxSheetFileBytes, "表計算のファイル"});
  return *kind == SheetFileKind::Csv ? ReadCsv(bytes, path) : ReadXlsx(bytes, path);
}

void SaveSheetFile(const std::string& path, const FileWorksheet& sheet, ExistingFile existing) {
  const std::optional<SheetFileKind> kind = SheetFileKindOf(path);
  if (!kind) throw FileCreateError(path, kKindMessage);
  if (*kind == SheetFileKind::Csv) return SaveFileAtomically(path, CsvBytes(sheet), existing);
  AtomicFileWriter file(path, existing);
  WriteXlsxFile(sheet, file.HandOverTemporaryFile(), path);
  file.Commit();
}

}  // namespace vensa
