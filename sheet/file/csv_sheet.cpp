#include "sheet/file/csv_sheet.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "core/encoding.h"
#include "core/error.h"
#include "core/number_format.h"
#include "core/text.h"

namespace vensa {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace

namespace {

// Parses the row that starts at `i` into its cells (an empty text for an empty cell) and
// returns where the next row starts. A quote left open ends the text: npos, with the
// quote's position in `openQuote`.
std::size_t ParseRow(std::string_view text, std::size_t i, std::vector<std::string>& cells,
                     std::size_t& openQuote) {
  cells.clear();
  for (;;) {
    std::string& cell = cells.emplace_back();
    if (i < text.size() && text[i] == '"') {
      const std::size_t open = i++;
      for (;;) {
        if (i >= text.size()) {
          openQuote = open;
          return std::string_view::npos;
        }
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
    const std::size_t end = std::min(text.find_first_of(",\r\n", i), text.size());
    cell.append(text.substr(i, end - i));
    i = end;
    if (i < text.size() && text[i] == ',') {
      // A comma at the very end leaves one more empty cell, which holds nothing.
      ++i;
      continue;
    }
    if (i < text.size()) i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
    return i;
  }
}

// The rows of a CSV text, each parsed again when a cell of it is asked for: the file's
// text and where each row starts is all that is held.
class CsvRows : public SheetRows {
 public:
  CsvRows(std::string text, std::vector<std::uint32_t> rowStarts)
      : text_(std::move(text)), rowStarts_(std::move(rowStarts)) {}

  int RowCount() const override { return static_cast<int>(rowStarts_.size()); }
  void ReadRow(int row, std::vector<std::string>& cells) const override {
    std::size_t openQuote = 0;
    ParseRow(text_, rowStarts_.at(static_cast<std::size_t>(row) - 1), cells, openQuote);
  }

 private:
  std::string text_;
  std::vector<std::uint32_t> rowStarts_;
};

}  // namespace

FileWorksheet ReadCsv(std::string_view bytes, const std::string& path) {
  DecodedText decoded = DecodeText(bytes);
  if (const std::size_t bad = FirstLineThatIsNoText(decoded))
    throw FileReadError(path, "CSV のテキストではありません (" + std::to_string(bad) + " 行目)。");
  if (decoded.text.size() > std::numeric_limits<std::uint32_t>::max())
    throw FileReadError(path, "ファイルが大きすぎます。");
  // Every row is parsed once here, so that what the sheet refuses is refused now, naming
  // the file; the cells are parsed again when read.
  const std::string_view text = decoded.text;
  std::vector<std::uint32_t> rowStarts;
  std::vector<std::string> cells;
  std::size_t cellCount = 0;
  std::size_t textBytes = 0;
  try {
    std::size_t rowNumber = 0;
    for (std::size_t i = 0; i < text.size();) {
      const int row =
          static_cast<int>(std::min<std::size_t>(++rowNumber, std::numeric_limits<int>::max()));
      std::size_t openQuote = 0;
      const std::size_t next = ParseRow(text, i, cells, openQuote);
      if (next == std::string_view::npos)
        throw FileReadError(path, "引用符 (\") が閉じられていません (" +
                                      std::to_string(LineOfPosition(text, openQuote)) + " 行目)。");
      int lastColumn = 0;
      for (std::size_t c = 0; c < cells.size(); ++c) {
        if (cells[c].empty()) continue;
        lastColumn = static_cast<int>(std::min<std::size_t>(c + 1, FileWorksheet::kMaxColumn + 1));
        ++cellCount;
        textBytes += cells[c].size();
      }
      if (lastColumn > 0) {
        FileWorksheet::CheckCell(row, lastColumn);
        FileWorksheet::CheckRoom(cellCount, textBytes);
      }
      // Empty rows past the worksheet's end hold nothing and need no place.
      if (row <= FileWorksheet::kMaxRow) rowStarts.push_back(static_cast<std::uint32_t>(i));
      i = next;
    }
  } catch (const SheetLimitError& e) {
    throw FileReadError(path, e.what());
  }
  rowStarts.shrink_to_fit();
  return FileWorksheet::FromRows(
      std::make_shared<CsvRows>(std::move(decoded.text), std::move(rowStarts)));
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
