#include "core/text_grid.h"

#include <algorithm>
#include <stdexcept>

namespace vensa {

TextGrid::TextGrid(int colCount, int rowCount) : colCount_(std::max(colCount, 0)) {
  rows_.assign(static_cast<std::size_t>(std::max(rowCount, 0)),
               std::vector<std::string>(static_cast<std::size_t>(colCount_)));
}

TextGrid TextGrid::WithHeaders(const std::vector<std::string>& headers, int dataRows) {
  TextGrid grid(static_cast<int>(headers.size()), 1 + std::max(dataRows, 0));
  grid.rows_[0] = headers;
  return grid;
}

void TextGrid::SetRowCount(int rowCount) {
  rowCount = std::max(rowCount, 0);
  rows_.resize(static_cast<std::size_t>(rowCount),
               std::vector<std::string>(static_cast<std::size_t>(colCount_)));
  ClampCursor();
}

void TextGrid::SetColCount(int colCount) {
  colCount_ = std::max(colCount, 0);
  for (auto& row : rows_) row.resize(static_cast<std::size_t>(colCount_));
  ClampCursor();
}

const std::string& TextGrid::Cell(int col, int row) const {
  static const std::string kEmpty;
  if (row < 0 || row >= RowCount() || col < 0 || col >= colCount_) return kEmpty;
  return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void TextGrid::SetCell(int col, int row, std::string text) {
  if (row < 0 || row >= RowCount() || col < 0 || col >= colCount_)
    throw std::out_of_range("grid cell (" + std::to_string(col) + ", " + std::to_string(row) +
                            ") is outside a grid of " + std::to_string(colCount_) + " x " +
                            std::to_string(RowCount()));
  rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = std::move(text);
}

void TextGrid::SwapRows(int a, int b) {
  rows_.at(a).swap(rows_.at(b));
}

void TextGrid::EraseRows(int from, int to) {
  from = std::max(from, 0);
  to = std::min(to, RowCount() - 1);
  if (from > to) return;
  rows_.erase(rows_.begin() + from, rows_.begin() + to + 1);
  ClampCursor();
}

void TextGrid::InsertRows(int at, int count) {
  if (count <= 0) return;
  at = std::clamp(at, 0, RowCount());
  rows_.insert(rows_.begin() + at, static_cast<std::size_t>(count),
               std::vector<std::string>(static_cast<std::size_t>(colCount_)));
}

void TextGrid::ClampCursor() {
  const int lastRow = std::max(RowCount() - 1, 0);
  const int lastCol = std::max(colCount_ - 1, 0);
  current.row = std::clamp(current.row, 0, lastRow);
  current.col = std::clamp(current.col, 0, lastCol);
  selection.top = std::clamp(selection.top, 0, lastRow);
  selection.bottom = std::clamp(selection.bottom, 0, lastRow);
  selection.left = std::clamp(selection.left, 0, lastCol);
  selection.right = std::clamp(selection.right, 0, lastCol);
}

}  // namespace vensa
