#include "sheet/file/sheet_file.h"

#include <filesystem>

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
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(PathFromUtf8(path), error);
  if (!error && size > kMaxSheetFileBytes)
    throw FileReadError(path, "表計算のファイルとしては大きすぎます (" +
                                  std::to_string(kMaxSheetFileBytes >> 20) + " MB まで)。");
  const std::string bytes = ReadFileBytes(path);
  return *kind == SheetFileKind::Csv ? ReadCsv(bytes, path) : ReadXlsx(bytes, path);
}

void SaveSheetFile(const std::string& path, const FileWorksheet& sheet) {
  const std::optional<SheetFileKind> kind = SheetFileKindOf(path);
  if (!kind) throw FileCreateError(path, kKindMessage);
  SaveFileAtomically(path, *kind == SheetFileKind::Csv ? CsvBytes(sheet) : XlsxBytes(sheet, path));
}

}  // namespace vensa
