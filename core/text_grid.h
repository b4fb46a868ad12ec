// A list grid as the system holds it: a table of text cells, row 0 the fixed header
// row, data rows from 1. Rows a grid gains start empty; rows cut off are gone with their
// cells. The window shows a TextGrid through a model; it never keeps a second copy.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vensa {

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

class TextGrid {
 public:
  TextGrid() = default;
  // colCount columns, rowCount rows in all (header row included), every cell empty.
  TextGrid(int colCount, int rowCount);
  // A grid whose row 0 holds the given header texts and that has dataRows empty rows.
  static TextGrid WithHeaders(const std::vector<std::string>& headers, int dataRows);

  int ColCount() const { return colCount_; }
  int RowCount() const { return static_cast<int>(rows_.size()); }
  int DataRowCount() const { return RowCount() > 0 ? RowCount() - 1 : 0; }

  // Grows with empty rows or cuts rows off the end; the current cell and the selection
  // are kept inside the grid.
  void SetRowCount(int rowCount);
  void SetColCount(int colCount);

  // Reading outside the grid gives the empty text; writing outside throws std::out_of_range.
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::string text);

  const std::vector<std::string>& Row(int row) const { return rows_.at(row); }
  std::vector<std::string>& MutableRow(int row) { return rows_.at(row); }
  void SwapRows(int a, int b);
  // Removes the rows from..to (inclusive); later rows move up.
  void EraseRows(int from, int to);
  // Inserts count empty rows before row `at`.
  void InsertRows(int at, int count);

  GridCoord current;
  GridRect selection;

 private:
  void ClampCursor();

  int colCount_ = 0;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace vensa
