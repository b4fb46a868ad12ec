#include "sima/sima_save.h"

#include <cstddef>

#include "core/encoding.h"
#include "core/file_io.h"
#include "core/text.h"
#include "sima/sima_record.h"

namespace vensa {
namespace {

// The header text of a column without its leading blank ("測点名").
std::string_view ColumnName(int col) {
  return TrimLeftBlanks(SimaListHeaders()[static_cast<std::size_t>(col)]);
}

std::string RowMessage(int row, std::string_view what) {
  std::string message = std::to_string(row);
  message += " 行の";
  message += what;
  return message;
}

// The reason a cell cannot be written as one field of one record, or nullptr. One pass
// over the cell; only cells beyond ASCII are tried against the code page.
const char* CellFault(std::string_view text) {
  bool lineBreak = false;
  bool ascii = true;
  for (char c : text) {
    if (c == ',') return "にカンマが含まれています.";
    if (c == '\r' || c == '\n') lineBreak = true;
    if (static_cast<unsigned char>(c) >= 0x80) ascii = false;
  }
  if (lineBreak) return "に改行が含まれています.";
  if (!ascii && !FitsAnsi(text)) return "に保存できない文字が含まれています.";
  return nullptr;
}

void CheckCell(const TextGrid& list, int col, int row, std::vector<std::string>& messages) {
  if (const char* fault = CellFault(list.Cell(col, row))) {
    std::string what(ColumnName(col));
    what += fault;
    messages.push_back(RowMessage(row, what));
  }
}

}  // namespace

SimaSaveCheck CheckSimaWriteList(const TextGrid& writeList) {
  SimaSaveCheck check;
  const int rows = writeList.RowCount();
  if (rows <= 4) return check;
  if (writeList.Cell(kSimaColX, 2).empty() || writeList.Cell(kSimaColY, 2).empty()) return check;

  CheckCell(writeList, kSimaColCode, 1, check.messages);
  for (int w = 2; w <= rows - 2; ++w) {
    for (int col = 0; col < kSimaColumnCount; ++col) {
      if (col == kSimaColName && writeList.Cell(col, w).empty()) {
        check.messages.push_back(RowMessage(w, "測点名が空白です."));
        continue;
      }
      CheckCell(writeList, col, w, check.messages);
    }
  }
  CheckCell(writeList, kSimaColCode, rows - 1, check.messages);
  check.outcome =
      check.messages.empty() ? SimaSaveCheck::Outcome::kReady : SimaSaveCheck::Outcome::kRejected;
  return check;
}

std::string SimaSavePath(std::string_view chosenName) {
  const std::size_t slash = chosenName.find_last_of("/\\");
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  const bool hasExtension = chosenName.find('.', nameStart) != std::string_view::npos;
  std::string path(chosenName);
  if (!hasExtension) path += ".sim";
  return path;
}

std::optional<std::string> SimaOverwriteQuestion(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  return std::string(kSimaOverwriteQuestion);
}

namespace {

// The file's lines, each cell passed through `encode` (which appends it to the text) so
// that the UTF-8 text and the file bytes come from one layout.
template <typename Encode>
std::string BuildLines(const TextGrid& writeList, Encode encode) {
  const int last = writeList.RowCount() - 1;
  std::size_t size = kSimaHeaderRecord.size() + kSimaCommentRecord.size() + 4;
  for (int w = 1; w <= last; ++w)
    for (const std::string& cell : writeList.Row(w)) size += cell.size() + 1;
  std::string text;
  text.reserve(size + 2 * static_cast<std::size_t>(last > 0 ? last : 0));

  encode(text, kSimaHeaderRecord);
  text += "\r\n";
  encode(text, kSimaCommentRecord);
  text += "\r\n";
  for (int w = 1; w <= last; ++w) {
    const GridRow row = writeList.Row(w);
    const int fields = (w == 1 || w == last) ? 1 : kSimaColumnCount;
    for (int f = 0; f < fields; ++f) {
      if (f < static_cast<int>(row.size())) encode(text, row[static_cast<std::size_t>(f)]);
      text += ',';
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace

std::string BuildSimaFileText(const TextGrid& writeList) {
  return BuildLines(writeList, [](std::string& out, std::string_view cell) { out += cell; });
}

void SaveSimaFile(const std::string& path, const TextGrid& writeList, std::string_view moreRecords,
                  ExistingFile existing) {
  // Only cells that hold more than ASCII go through the code page conversion.
  std::string bytes = BuildLines(writeList, [](std::string& out, std::string_view cell) {
    if (IsAscii(cell))
      out += cell;
    else
      out += Utf8ToAnsi(cell);
  });
  bytes += IsAscii(moreRecords) ? std::string(moreRecords) : Utf8ToAnsi(moreRecords);
  SaveFileAtomically(path, bytes, existing);
}

}  // namespace vensa
