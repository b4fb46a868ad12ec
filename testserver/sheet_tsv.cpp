#include "testserver/sheet_tsv.h"

#include <optional>

#include "core/encoding.h"
#include "core/file_io.h"
#include "core/number_read.h"

namespace vensa {

void LoadSheetTsv(SimWorksheet& sheet, const std::string& text) {
  int row = 1;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    int column = 1;
    for (std::size_t from = 0;; ++column) {
      const std::size_t tab = line.find('\t', from);
      const std::string_view cell =
          line.substr(from, tab == std::string_view::npos ? tab : tab - from);
      if (!cell.empty()) {
        if (std::optional<double> number = TryReadNumber(cell)) {
          sheet.SetNumber(row, column, *number);
        } else {
          sheet.SetText(row, column, std::string(cell));
        }
      }
      if (tab == std::string_view::npos) break;
      from = tab + 1;
    }
    ++row;
    start = end + 1;
  }
}

std::string SheetTsvText(const SimWorksheet& sheet) {
  std::string text;
  int row = 1;
  int column = 1;
  for (const auto& [at, value] : sheet.Cells()) {
    const std::string cell = SheetValueToText(value);
    if (cell.empty()) continue;
    for (; row < at.first; ++row, column = 1) text += "\r\n";
    for (; column < at.second; ++column) text += '\t';
    text += cell;
  }
  if (!text.empty()) text += "\r\n";
  return text;
}

void LoadSheetTsvFile(SimWorksheet& sheet, const std::string& path) {
  LoadSheetTsv(sheet, DecodeText(ReadFileBytes(path)).text);
}

void SaveSheetTsvFile(const SimWorksheet& sheet, const std::string& path) {
  SaveFileAtomically(path, SheetTsvText(sheet));
}

}  // namespace vensa
