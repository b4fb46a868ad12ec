#include "core/text_grid.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace vensa {

namespace {

template <typename Cells>
void AssignCells(std::string* row, std::size_t count, const Cells& cells) {
  std::size_t i = 0;
  for (auto it = cells.begin(); it != cells.end() && i < count; ++it, ++i) row[i] = *it;
  for (; i < count; ++i) row[i].clear();
}

void PrefetchRow(const std::string* row, std::size_t cols) {
  const char* begin = reinterpret_cast<const char*>(row);
  const char* end = reinterpret_cast<const char*>(row + cols);
  for (const char* p = begin; p < end; p += 64) PrefetchForWrite(p);
}

}  // namespace

void TextGrid::Changing() {
  TellObserver();
  static std::atomic<std::uint64_t> lastRevision{0};
  revision_ = lastRevision.fetch_add(1, std::memory_order_relaxed) + 1;
}

TextGrid::TextGrid(const TextGrid& other)
    : current(other.current),
      selection(other.selection),
      colCount_(other.colCount_),
      rowCount_(other.rowCount_),
      revision_(other.revision_),
      cells_(other.cells_) {}

TextGrid::TextGrid(TextGrid&& other) {
  TakeCells(other);
}

TextGrid& TextGrid::operator=(const TextGrid& other) {
  if (this == &other) return *this;
  TellObserver();
  GridCells cells(other.cells_);
  cells_.swap(cells);
  colCount_ = other.colCount_;
  rowCount_ = other.rowCount_;
  revision_ = other.revision_;
  current = other.current;
  selection = other.selection;
  return *this;
}

TextGrid& TextGrid::operator=(TextGrid&& other) {
  if (this == &other) return *this;
  TellObserver();
  TakeCells(other);
  return *this;
}

void TextGrid::TakeCells(TextGrid& other) {
  // The grid moved from changes too (it is left empty): its observer must see the cells
  // before they go, and its stamp is renewed, while this grid takes the stamp of the cells.
  const std::uint64_t revision = other.revision_;
  other.Changing();
  cells_ = std::move(other.cells_);
  other.cells_.clear();
  colCount_ = std::exchange(other.colCount_, 0);
  rowCount_ = std::exchange(other.rowCount_, 0);
  revision_ = revision;
  current = std::exchange(other.current, {});
  selection = std::exchange(other.selection, {});
}

std::size_t CheckedCell(std::size_t i, std::size_t count) {
  if (i >= count) {
    throw std::out_of_range("grid cell " + std::to_string(i) + " is outside a row of " +
                            std::to_string(count) + " cells");
  }
  return i;
}

bool operator==(const GridRow& row, const std::vector<std::string>& cells) {
  return std::equal(row.begin(), row.end(), cells.begin(), cells.end());
}

MutableGridRow& MutableGridRow::operator=(const std::vector<std::string>& cells) {
  AssignCells(cells_, count_, cells);
  return *this;
}

MutableGridRow& MutableGridRow::operator=(std::initializer_list<std::string> cells) {
  AssignCells(cells_, count_, cells);
  return *this;
}

TextGrid::TextGrid(int colCount, int rowCount) : colCount_(std::max(colCount, 0)) {
  SetRowCount(rowCount);
}

TextGrid TextGrid::WithHeaders(const std::vector<std::string>& headers, int dataRows) {
  TextGrid grid(static_cast<int>(headers.size()), 1 + std::max(dataRows, 0));
  grid.MutableRow(0) = headers;
  return grid;
}

void TextGrid::SetRowCount(int rowCount) {
  Changing();
  rowCount_ = std::max(rowCount, 0);
  cells_.resize(At(0, rowCount_));
  ClampCursor();
}

void TextGrid::SetColCount(int colCount) {
  Changing();
  colCount = std::max(colCount, 0);
  if (colCount != colCount_) {
    decltype(cells_) cells(static_cast<std::size_t>(rowCount_) *
                           static_cast<std::size_t>(colCount));
    const int kept = std::min(colCount, colCount_);
    for (int r = 0; r < rowCount_; ++r) {
      for (int c = 0; c < kept; ++c) {
        cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(colCount) +
              static_cast<std::size_t>(c)] = std::move(cells_[At(c, r)]);
      }
    }
    cells_ = std::move(cells);
    colCount_ = colCount;
  }
  ClampCursor();
}

const std::string& TextGrid::Cell(int col, int row) const {
  static const std::string kEmpty;
  if (row < 0 || row >= rowCount_ || col < 0 || col >= colCount_) return kEmpty;
  return cells_[At(col, row)];
}

void TextGrid::SetCell(int col, int row, std::string text) {
  if (row < 0 || row >= rowCount_ || col < 0 || col >= colCount_)
    throw std::out_of_range("grid cell (" + std::to_string(col) + ", " + std::to_string(row) +
                            ") is outside a grid of " + std::to_string(colCount_) + " x " +
                            std::to_string(rowCount_));
  Changing();
  cells_[At(col, row)] = std::move(text);
}

int TextGrid::CheckedRow(int row) const {
  if (row < 0 || row >= rowCount_) {
    throw std::out_of_range("grid row " + std::to_string(row) + " is outside a grid of " +
                            std::to_string(rowCount_) + " rows");
  }
  return row;
}

GridRow TextGrid::Row(int row) const {
  return GridRow(cells_.data() + At(0, CheckedRow(row)), static_cast<std::size_t>(colCount_));
}

MutableGridRow TextGrid::MutableRow(int row) {
  CheckedRow(row);
  Changing();
  return MutableGridRow(cells_.data() + At(0, CheckedRow(row)),
                        static_cast<std::size_t>(colCount_));
}

void TextGrid::SwapRows(int a, int b) {
  if (CheckedRow(a) == CheckedRow(b)) return;
  Changing();
  std::swap_ranges(RowBegin(a), RowBegin(a + 1), RowBegin(b));
}

void TextGrid::MoveRow(int from, int to) {
  if (from == to) return;
  MutableGridRow source = MutableRow(from);
  MutableGridRow target = MutableRow(to);
  for (std::size_t c = 0; c < source.size(); ++c) {
    target[c] = std::move(source[c]);
    source[c].clear();
  }
}

void TextGrid::ReorderDataRows(std::vector<int> from) {
  Changing();
  if (from.size() != static_cast<std::size_t>(DataRowCount())) {
    throw std::invalid_argument("a reordering of " + std::to_string(from.size()) +
                                " rows for a grid of " + std::to_string(DataRowCount()));
  }
  const std::size_t cols = static_cast<std::size_t>(colCount_);
  std::vector<std::string> held(cols);
  auto cells = [&](std::size_t index) { return RowBegin(static_cast<int>(index) + 1); };
  for (std::size_t start = 0; start < from.size(); ++start) {
    if (from[start] == 0) continue;
    if (static_cast<std::size_t>(from[start]) == start + 1) {
      from[start] = 0;
      continue;
    }
    // The cycle through `start`: its first row is held aside, each row then takes the
    // one it comes from, and the last takes the row held.
    std::move(cells(start), cells(start) + static_cast<std::ptrdiff_t>(cols), held.begin());
    std::size_t at = start;
    for (;;) {
      const std::size_t source = static_cast<std::size_t>(from[at]) - 1;
      from[at] = 0;
      if (source == start) {
        std::move(held.begin(), held.end(), cells(at));
        break;
      }
      // The rows of a long list lie far apart in memory: the ones moved a few steps later
      // are fetched while this one moves.
      std::size_t ahead = source;
      for (int step = 0; step < 3 && from[ahead] != 0; ++step) {
        ahead = static_cast<std::size_t>(from[ahead]) - 1;
      }
      if (ahead != source) PrefetchRow(&*cells(ahead), cols);
      std::move(cells(source), cells(source) + static_cast<std::ptrdiff_t>(cols), cells(at));
      at = source;
    }
  }
}

void TextGrid::EraseRows(int from, int to) {
  from = std::max(from, 0);
  to = std::min(to, rowCount_ - 1);
  if (from > to) return;
  Changing();
  cells_.erase(RowBegin(from), RowBegin(to + 1));
  rowCount_ -= to - from + 1;
  ClampCursor();
}

void TextGrid::InsertRows(int at, int count) {
  if (count <= 0) return;
  at = std::clamp(at, 0, rowCount_);
  Changing();
  cells_.insert(RowBegin(at), static_cast<std::size_t>(count) * static_cast<std::size_t>(colCount_),
                std::string());
  rowCount_ += count;
}

void TextGrid::ExchangeRows(int first, int count, GridRows& rows) {
  if (first < 0 || count < 0 || first > rowCount_ - count) {
    throw std::out_of_range("grid rows " + std::to_string(first) + " to " +
                            std::to_string(first + count - 1) + " are outside a grid of " +
                            std::to_string(rowCount_) + " rows");
  }
  const bool everyRow = first == 0 && count == rowCount_;
  if (rows.rowCount < 0 || rows.colCount < 0 ||
      rows.cells.size() !=
          static_cast<std::size_t>(rows.rowCount) * static_cast<std::size_t>(rows.colCount) ||
      (rows.colCount != colCount_ && !everyRow)) {
    throw std::invalid_argument("rows of " + std::to_string(rows.colCount) +
                                " cells do not fit a grid of " + std::to_string(colCount_) +
                                " columns");
  }
  Changing();
  if (everyRow) {
    cells_.swap(rows.cells);
    std::swap(colCount_, rows.colCount);
    std::swap(rowCount_, rows.rowCount);
    ClampCursor();
    return;
  }
  const int common = std::min(count, rows.rowCount);
  const auto held = [&](int row) {
    return rows.cells.begin() + static_cast<std::ptrdiff_t>(row) * colCount_;
  };
  std::swap_ranges(RowBegin(first), RowBegin(first + common), rows.cells.begin());
  if (rows.rowCount > count) {
    // The rest of the rows held go into the grid after the ones exchanged.
    cells_.insert(RowBegin(first + common), std::make_move_iterator(held(common)),
                  std::make_move_iterator(rows.cells.end()));
    rows.cells.erase(held(common), rows.cells.end());
  } else if (count > rows.rowCount) {
    rows.cells.reserve(At(0, count));
    rows.cells.insert(rows.cells.end(), std::make_move_iterator(RowBegin(first + common)),
                      std::make_move_iterator(RowBegin(first + count)));
    cells_.erase(RowBegin(first + common), RowBegin(first + count));
  }
  rowCount_ += rows.rowCount - count;
  rows.rowCount = count;
  ClampCursor();
}

void TextGrid::ClampCursor() {
  const int lastRow = std::max(rowCount_ - 1, 0);
  const int lastCol = std::max(colCount_ - 1, 0);
  current.row = std::clamp(current.row, 0, lastRow);
  current.col = std::clamp(current.col, 0, lastCol);
  selection.top = std::clamp(selection.top, 0, lastRow);
  selection.bottom = std::clamp(selection.bottom, 0, lastRow);
  selection.left = std::clamp(selection.left, 0, lastCol);
  selection.right = std::clamp(selection.right, 0, lastCol);
}

}  // namespace vensa
