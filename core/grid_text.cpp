#include "core/grid_text.h"

#include "core/text.h"

namespace vensa {

namespace {

// A cell's text as one field: a TAB would split it and a line break end the row (a
// name typed with Alt+Enter in a spreadsheet, a quoted CSV cell), so each TAB, CR LF, CR
// or LF becomes one blank. True when the cell held one.
bool AppendField(std::string& text, const std::string& cell) {
  if (cell.find_first_of("\t\r\n") == std::string::npos) {
    text += cell;
    return false;
  }
  for (std::size_t i = 0; i < cell.size(); ++i) {
    const char c = cell[i];
    if (c == '\r' && i + 1 < cell.size() && cell[i + 1] == '\n') ++i;
    text += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
  }
  return true;
}

std::size_t AppendGridLine(std::string& text, const TextGrid& grid, const GridRect& block, int r) {
  std::size_t changed = 0;
  for (int c = block.left; c <= block.right; ++c) {
    if (c > block.left) text += '\t';
    changed += AppendField(text, grid.Cell(c, r)) ? 1 : 0;
  }
  text += "\r\n";
  return changed;
}

}  // namespace

std::string GridClipboardText(const TextGrid& grid, const GridRect& block) {
  std::string text;
  for (int r = block.top; r <= block.bottom; ++r) AppendGridLine(text, grid, block, r);
  return text;
}

std::size_t WriteGridClipboardText(const TextGrid& grid, const GridRect& block, std::ostream& out) {
  constexpr std::size_t kPiece = std::size_t{1} << 16;
  std::string piece;
  piece.reserve(kPiece + 4096);
  std::size_t changed = 0;
  for (int r = block.top; r <= block.bottom; ++r) {
    changed += AppendGridLine(piece, grid, block, r);
    if (piece.size() >= kPiece) {
      out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
      piece.clear();
    }
  }
  out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
  return changed;
}

std::vector<std::vector<std::string>> ParseGridClipboardText(std::string_view text) {
  std::vector<std::vector<std::string>> lines;
  if (FirstLineThatIsNoText(text) != 0) return lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string_view::npos;
       start = end + 2) {
    const std::string_view line = text.substr(start, end - start);
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (std::size_t tab; (tab = line.find('\t', from)) != std::string_view::npos; from = tab + 1)
      fields.emplace_back(line.substr(from, tab - from));
    fields.emplace_back(line.substr(from));
    lines.push_back(std::move(fields));
  }
  return lines;
}

}  // namespace vensa
