#include "sheet/file/xlsx_writer.h"

#include <xlsxwriter.h>

#include "core/encoding.h"
#include "core/error.h"

namespace vensa {

void WriteXlsxFile(const FileWorksheet& sheet, const std::string& file, const std::string& path) {
  std::string fileName = file;
#ifdef _WIN32
  // The library opens its file with the C runtime's narrow functions, which take the path
  // in the ANSI code page.
  if (!FitsAnsi(fileName))
    throw FileCreateError(path, "保存先のパスを ANSI コードページで表せません: " + fileName);
  fileName = Utf8ToAnsi(fileName);
#endif
  lxw_workbook* book = workbook_new(fileName.c_str());
  if (!book) throw FileCreateError(path, "ブックを作成できません。");
  lxw_worksheet* out = workbook_add_worksheet(book, nullptr);
  lxw_error error = out ? LXW_NO_ERROR : LXW_ERROR_MEMORY_MALLOC_FAILED;
  for (const auto& [at, value] : sheet.Cells()) {
    if (error != LXW_NO_ERROR) break;
    const auto row = static_cast<lxw_row_t>(at.first - 1);
    const auto column = static_cast<lxw_col_t>(at.second - 1);
    if (value.IsNumber()) {
      error = worksheet_write_number(out, row, column, value.AsNumber(), nullptr);
    } else if (value.IsText()) {
      error = worksheet_write_string(out, row, column, value.AsText().c_str(), nullptr);
    }
  }
  // Closing writes the file and frees the workbook, also after a failed write.
  const lxw_error closed = workbook_close(book);
  if (error == LXW_NO_ERROR) error = closed;
  if (error != LXW_NO_ERROR) throw FileCreateError(path, lxw_strerror(error));
}

}  // namespace vensa
