#include "sheet/file/csv_sheet.h"

#include <algorithm>

#include "core/encoding.h"
#include "core/error.h"
#include "core/number_format.h"
#include "core/text.h"

namespace vensa {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

}  // namespace

FileWorksheet ReadCsv(std::string_view bytes, const std::string& path) {
  const DecodedText decoded = DecodeText(bytes);
  if (const std::size_t bad = FirstLineThatIsNoText(decoded))
    throw FileReadError(path, "CSV のテキストではありません (" + std::to_string(bad) + " 行目)。");
  const std::string_view text = decoded.text;
  FileWorksheet sheet;
  int row = 1;
  int column = 1;
  std::size_t i = 0;
  std::string cell;
  try {
    while (i < text.size()) {
      cell.clear();
      if (text[i] == '"') {
        const std::size_t open = i++;
        for (;;) {
          if (i >= text.size())
            throw FileReadError(path, "引用符 (\") が閉じられていません (" +
                                          std::to_string(LineOfPosition(text, open)) + " 行目)。");
          if (text[i] == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"') {
              cell += '"';
              i += 2;
              continue;
            }
            ++i;
            break;
          }
          cell += text[i++];
        }
      }
      // Unquoted text, or what follows a closing quote before the comma (kept, as the
      // spreadsheet application keeps it).
      while (i < text.size() && text[i] != ',' && !IsLineEnd(text[i])) cell += text[i++];
      if (!cell.empty()) sheet.Put(row, column, SheetValue::Text(cell));
      if (i < text.size() && text[i] == ',') {
        ++i;
        ++column;
        // A comma at the very end leaves one more empty cell, which holds nothing.
        continue;
      }
      if (i < text.size()) {
        i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
        if (i < text.size()) {
          ++row;
          column = 1;
        }
      }
    }
  } catch (const SheetLimitError& e) {
    throw FileReadError(path, e.what());
  }
  return sheet;
}

void AppendCsvCell(std::string& out, std::string_view text) {
  const bool quoted = text.find_first_of(",\"\r\n") != std::string::npos ||
                      (!text.empty() && (IsBlank(text.front()) || IsBlank(text.back())));
  if (!quoted) {
    out += text;
    return;
  }
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string CsvBytes(const FileWorksheet& sheet) {
  std::string out(kUtf8Bom);
  int row = 1;
  int column = 1;
  for (const auto& [at, value] : sheet.Cells()) {
    for (; row < at.first; ++row, column = 1) out += "\r\n";
    for (; column < at.second; ++column) out += ',';
    AppendCsvCell(out, SheetValueToText(value));
  }
  if (!sheet.Cells().empty()) out += "\r\n";
  return out;
}

}  // namespace vensa
