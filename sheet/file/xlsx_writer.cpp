#include "sheet/file/xlsx_writer.h"

#include <xlsxwriter.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <random>

#include "core/encoding.h"
#include "core/file_io.h"

namespace vensa {

namespace {

// A file name in the temporary folder that no other save, in this process or another,
// uses at the same time.
std::filesystem::path TemporaryWorkbookPath() {
  static std::atomic<unsigned> counter{0};
  static const unsigned token =
      std::random_device{}() ^
      static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
  return std::filesystem::temp_directory_path() /
         ("vensa-" + std::to_string(token) + "-" + std::to_string(counter++) + ".xlsx");
}

// Removes the temporary file however the save ends.
struct RemovedAtEnd {
  std::filesystem::path path;
  ~RemovedAtEnd() {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
};

}  // namespace

std::string XlsxBytes(const FileWorksheet& sheet, const std::string& path) {
  std::filesystem::path temporary;
  try {
    temporary = TemporaryWorkbookPath();
  } catch (const std::filesystem::filesystem_error& e) {
    throw FileCreateError(path, std::string("一時フォルダがありません: ") + e.what());
  }
  const RemovedAtEnd removed{temporary};
  std::string temporaryName = PathToUtf8(temporary);
#ifdef _WIN32
  // The library opens its file with the C runtime's narrow functions, which take the path
  // in the ANSI code page.
  if (!FitsAnsi(temporaryName))
    throw FileCreateError(path,
                          "一時フォルダのパスを ANSI コードページで表せません: " + temporaryName);
  temporaryName = Utf8ToAnsi(temporaryName);
#endif
  lxw_workbook* book = workbook_new(temporaryName.c_str());
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
  try {
    return ReadFileBytes(PathToUtf8(temporary));
  } catch (const FileReadError& e) {
    throw FileCreateError(path, e.what());
  }
}

}  // namespace vensa
