// A list grid as the system holds it: a table of text cells, row 0 the fixed header
// row, data rows from 1. Rows a grid gains start empty; rows cut off are gone with their
// cells. The window shows a TextGrid through a model; it never keeps a second copy. The
// cells are held row after row in one array (a drawing lists 100,000s of rows). A grid may
// have an observer that every change passes first, whichever member makes it (the
// window's lists record their undo steps there).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/large_block.h"

namespace vensa {

// `i` when a row of `count` cells has it; std::out_of_range otherwise.
std::size_t CheckedCell(std::size_t i, std::size_t count);

// The cells of one row, as the grid holds them (valid until the grid's rows change).
class GridRow {
 public:
  using value_type = std::string;
  using iterator = const std::string*;
  using const_iterator = const std::string*;

  GridRow(const std::string* cells, std::size_t count) : cells_(cells), count_(count) {}

  const std::string* begin() const { return cells_; }
  const std::string* end() const { return cells_ + count_; }
  std::size_t size() const { return count_; }
  const std::string& operator[](std::size_t i) const { return cells_[i]; }
  const std::string& at(std::size_t i) const { return cells_[CheckedCell(i, count_)]; }
  operator std::vector<std::string>() const { return {begin(), end()}; }

  friend bool operator==(const GridRow& row, const std::vector<std::string>& cells);

 private:
  const std::string* cells_;
  std::size_t count_;
};

// The same, to change the cells in place.
class MutableGridRow {
 public:
  using value_type = std::string;
  using iterator = std::string*;
  using const_iterator = const std::string*;

  MutableGridRow(std::string* cells, std::size_t count) : cells_(cells), count_(count) {}
  MutableGridRow(const MutableGridRow&) = default;
  // Assigning cells fills the row from its first cell: cells beyond the row are dropped,
  // cells of the row beyond them become empty. (A row is never rebound.)
  MutableGridRow& operator=(const MutableGridRow&) = delete;
  MutableGridRow& operator=(const std::vector<std::string>& cells);
  MutableGridRow& operator=(std::initializer_list<std::string> cells);

  std::string* begin() const { return cells_; }
  std::string* end() const { return cells_ + count_; }
  std::size_t size() const { return count_; }
  std::string& operator[](std::size_t i) const { return cells_[i]; }
  std::string& at(std::size_t i) const { return cells_[CheckedCell(i, count_)]; }
  operator GridRow() const { return {cells_, count_}; }
  operator std::vector<std::string>() const { return {begin(), end()}; }

 private:
  std::string* cells_;
  std::size_t count_;
};

struct GridCoord {
  int col = 0;
  int row = 0;
  friend bool operator==(const GridCoord&, const GridCoord&) = default;
};

// Inclusive cell rectangle, as a grid selection is.
struct GridRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const GridRect&, const GridRect&) = default;
};

// The cells of whole rows, row after row, as a grid holds them.
using GridCells = std::vector<std::string, LargeBlockAllocator<std::string>>;

// Whole rows held apart from a grid: rowCount rows of colCount cells each.
struct GridRows {
  int colCount = 0;
  int rowCount = 0;
  GridCells cells;
};

class TextGrid;

// Told before each change of the grid it observes, while the grid still holds what it held.
class GridObserver {
 public:
  virtual void BeforeChange(const TextGrid& grid) = 0;

 protected:
  ~GridObserver() = default;
};

class TextGrid {
 public:
  TextGrid() = default;
  // A copy has the same cells, stamp, current cell and selection, and no observer.
  TextGrid(const TextGrid& other);
  // The grid moved from is left empty; when it has an observer, the observer is told first.
  TextGrid(TextGrid&& other);
  // Assigning a grid is a change like any other: the observer is told first and stays, and
  // the grid takes the other grid's stamp along with its cells.
  TextGrid& operator=(const TextGrid& other);
  TextGrid& operator=(TextGrid&& other);
  ~TextGrid() = default;
  // colCount columns, rowCount rows in all (header row included), every cell empty.
  TextGrid(int colCount, int rowCount);
  // A grid whose row 0 holds the given header texts and that has dataRows empty rows.
  static TextGrid WithHeaders(const std::vector<std::string>& headers, int dataRows);

  int ColCount() const { return colCount_; }
  int RowCount() const { return rowCount_; }
  int DataRowCount() const { return RowCount() > 0 ? RowCount() - 1 : 0; }

  // Grows with empty rows or cuts rows off the end; the current cell and the selection
  // are kept inside the grid.
  void SetRowCount(int rowCount);
  void SetColCount(int colCount);

  // Reading outside the grid gives the empty text; writing outside throws std::out_of_range.
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::string text);

  // std::out_of_range for a row outside the grid.
  GridRow Row(int row) const;
  MutableGridRow MutableRow(int row);
  void SwapRows(int a, int b);
  // Row `to` takes the cells of row `from`, which are left empty.
  void MoveRow(int from, int to);
  // Data row i + 1 takes the cells data row from[i] had; `from` is a permutation of
  // 1..DataRowCount(). The rows move along the permutation's cycles, so no second copy
  // of the rows is held.
  void ReorderDataRows(std::vector<int> from);
  // Removes the rows from..to (inclusive); later rows move up.
  void EraseRows(int from, int to);
  // Inserts count empty rows before row `at`.
  void InsertRows(int at, int count);
  // Rows first..first+count-1 exchanged with `rows`: the grid takes the rows held there
  // and `rows` receives the ones they replace, so the row count changes by the difference.
  // Cells are moved, never copied. Rows of another column count replace every row (first
  // 0, count RowCount()) and bring their column count. std::out_of_range for a range
  // outside the grid, std::invalid_argument for rows that do not fit.
  void ExchangeRows(int first, int count, GridRows& rows);

  // The observer told of every change (null: none). It must outlive its observing.
  void SetObserver(GridObserver* observer) { observer_ = observer; }
  GridObserver* Observer() const { return observer_; }

  // A stamp that every change of the cells or of the grid's size renews (the current cell
  // and the selection are no change). Stamps are unique in the process, so a view that
  // remembers one knows without comparing cells whether the grid changed since, even when
  // the grid was replaced by another one. A grid copied keeps the stamp: same cells.
  std::uint64_t Revision() const { return revision_; }

  GridCoord current;
  GridRect selection;

 private:
  // Called first by every member that changes cells or the size: the observer is told,
  // the stamp renewed.
  void Changing();
  void TellObserver() {
    if (observer_) observer_->BeforeChange(*this);
  }
  // The other grid's cells and size taken; it is left empty.
  void TakeCells(TextGrid& other);
  void ClampCursor();

  std::size_t At(int col, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(colCount_) +
           static_cast<std::size_t>(col);
  }
  // The first cell of a row (of the end of the grid for RowCount()).
  auto RowBegin(int row) { return cells_.begin() + static_cast<std::ptrdiff_t>(At(0, row)); }
  // `row` when the grid has it; std::out_of_range otherwise.
  int CheckedRow(int row) const;

  int colCount_ = 0;
  int rowCount_ = 0;
  std::uint64_t revision_ = 0;
  GridCells cells_;  // row after row
  GridObserver* observer_ = nullptr;
};

}  // namespace vensa
