#include "sheet/file/file_worksheet.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/number_read.h"

namespace vensa {

namespace {

// What a cell's text adds to the sheet: a text shared with other cells (a workbook's
// shared string) is counted once, by the reader that keeps it.
std::size_t TextSize(const SheetValue& value) {
  return value.OwnTextBytes();
}

// One cell, one row or one column of a file worksheet. Only a cell has a value; a row or
// a column is there to be selected, which a file does not show.
class FileRange : public ExcelRange {
 public:
  FileRange(FileWorksheet* sheet, int row, int column)
      : sheet_(sheet), row_(row), column_(column) {}

  void Select() override {}
  SheetValue Value() override {
    RequireCell();
    return sheet_->Get(row_, column_);
  }
  void SetValue(const std::string& text) override {
    RequireCell();
    sheet_->Put(row_, column_, text.empty() ? SheetValue() : SheetValue::Text(text));
  }

 private:
  void RequireCell() const {
    if (row_ == 0 || column_ == 0) throw SheetLimitError("値を持つのは 1 つのセルだけです。");
  }

  FileWorksheet* sheet_;
  int row_;     // 0 = a whole column
  int column_;  // 0 = a whole row
};

}  // namespace

void FileWorksheet::CheckCell(int row, int column) {
  if (row < 1 || row > kMaxRow)
    throw SheetLimitError("行 " + std::to_string(row) + " はワークシートの範囲外です。");
  if (column < 1 || column > kMaxColumn)
    throw SheetLimitError("列 " + std::to_string(column) + " はワークシートの範囲外です。");
}

void FileWorksheet::CheckRoom(std::size_t cells, std::size_t textBytes) {
  if (cells > kMaxCells)
    throw SheetLimitError("セルが多すぎます (" + std::to_string(kMaxCells) + " セルまで)。");
  if (textBytes > kMaxTextBytes)
    throw SheetLimitError("セルの文字列が多すぎます (" + std::to_string(kMaxTextBytes >> 20) +
                          " MB まで)。");
}

FileWorksheet FileWorksheet::FromRows(std::shared_ptr<const SheetRows> rows) {
  FileWorksheet sheet;
  sheet.rows_ = std::move(rows);
  return sheet;
}

void FileWorksheet::SetReadBudget(std::uint64_t bytes, std::size_t bytesPerRow) {
  readBudget_ = bytes;
  readBytesPerRow_ = bytesPerRow;
}

void FileWorksheet::CountRead(int row, std::size_t textBytes) const {
  textBytesRead_ += textBytes;
  if (row != lastRowRead_) {
    lastRowRead_ = row;
    textBytesRead_ += readBytesPerRow_;
  }
  if (textBytesRead_ > readBudget_) {
    throw SheetLimitError(readBytesPerRow_ == 0
                              ? "セルから読み出す文字列が多すぎます (" +
                                    std::to_string(readBudget_ >> 20) + " MB まで)。"
                              : "行 " + std::to_string(row) + " までで座標リストが " +
                                    std::to_string(readBudget_ >> 20) +
                                    " MB を超えます (ファイルの大きさに比べて多すぎます)。");
  }
}

void FileWorksheet::TakeInRows() const {
  if (!rows_) return;
  // Put is not const: the rows are taken in as the cells this worksheet holds.
  auto& self = const_cast<FileWorksheet&>(*this);
  const std::shared_ptr<const SheetRows> rows = std::move(rows_);
  rows_.reset();
  cachedRow_ = 0;
  cachedCells_.clear();
  std::vector<std::string> cells;
  for (int r = 1; r <= rows->RowCount(); ++r) {
    rows->ReadRow(r, cells);
    for (std::size_t c = 0; c < cells.size(); ++c) {
      if (!cells[c].empty())
        self.Put(r, static_cast<int>(c) + 1, SheetValue::Text(std::move(cells[c])));
    }
  }
  if (!numberColumns_.empty()) self.TypeNumbers(numberColumns_);
}

namespace {

bool KeyLess(const FileWorksheet::Cell& cell, const std::pair<int, int>& key) {
  return cell.first < key;
}

// Cells put out of order this near the end are moved into place at once.
constexpr std::size_t kNearTheEnd = 64;

}  // namespace

void FileWorksheet::PutInOrder() const {
  if (ordered_) return;
  std::stable_sort(cells_.begin(), cells_.end(),
                   [](const Cell& a, const Cell& b) { return a.first < b.first; });
  // Of each run of one cell the last put counts; an empty one leaves nothing.
  std::size_t kept = 0;
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    if (i + 1 < cells_.size() && cells_[i + 1].first == cells_[i].first) continue;
    if (cells_[i].second.IsEmpty()) continue;
    if (kept != i) cells_[kept] = std::move(cells_[i]);
    ++kept;
  }
  cells_.resize(kept);
  ordered_ = true;
}

const std::vector<FileWorksheet::Cell>& FileWorksheet::Cells() const {
  TakeInRows();
  PutInOrder();
  return cells_;
}

SheetValue FileWorksheet::Get(int row, int column) const {
  CheckCell(row, column);
  if (rows_) {
    if (row > rows_->RowCount()) return SheetValue();
    if (cachedRow_ != row) {
      rows_->ReadRow(row, cachedCells_);
      cachedRow_ = row;
    }
    const std::size_t at = static_cast<std::size_t>(column) - 1;
    if (at >= cachedCells_.size() || cachedCells_[at].empty()) return SheetValue();
    const std::string& text = cachedCells_[at];
    if (std::find(numberColumns_.begin(), numberColumns_.end(), column) != numberColumns_.end()) {
      const std::optional<double> number = TryReadNumber(text);
      if (number && std::isfinite(*number)) {
        CountRead(row, 0);
        return SheetValue::Number(*number);
      }
    }
    CountRead(row, text.size());
    return SheetValue::Text(text);
  }
  PutInOrder();
  const std::pair<int, int> key{row, column};
  const auto it = std::lower_bound(cells_.begin(), cells_.end(), key, KeyLess);
  if (it == cells_.end() || it->first != key) return SheetValue();
  CountRead(row, it->second.IsText() ? it->second.AsText().size() : 0);
  return it->second;
}

void FileWorksheet::Put(int row, int column, SheetValue value) {
  CheckCell(row, column);
  TakeInRows();
  const std::pair<int, int> key{row, column};
  if (ordered_) {
    const auto it = std::lower_bound(cells_.begin(), cells_.end(), key, KeyLess);
    if (it != cells_.end() && it->first == key) {
      const std::size_t bytes = textBytes_ - TextSize(it->second) + TextSize(value);
      CheckRoom(cells_.size(), bytes);
      textBytes_ = bytes;
      if (value.IsEmpty()) {
        cells_.erase(it);
      } else {
        it->second = std::move(value);
      }
      return;
    }
    if (value.IsEmpty()) return;
  }
  // A new cell, or one whose place is pending: every cell put counts against the bounds.
  const std::size_t bytes = textBytes_ + TextSize(value);
  CheckRoom(cells_.size() + 1, bytes);
  textBytes_ = bytes;
  if (ordered_ && !cells_.empty() && key < cells_.back().first) {
    const auto it = std::lower_bound(cells_.begin(), cells_.end(), key, KeyLess);
    if (static_cast<std::size_t>(cells_.end() - it) <= kNearTheEnd) {
      cells_.insert(it, Cell{key, std::move(value)});
      return;
    }
    ordered_ = false;
  }
  cells_.emplace_back(key, std::move(value));
}

void FileWorksheet::TypeNumbers(const std::vector<int>& columns) {
  if (rows_) {
    // Typed as each cell is read.
    numberColumns_.insert(numberColumns_.end(), columns.begin(), columns.end());
    return;
  }
  PutInOrder();
  for (auto& [at, value] : cells_) {
    if (!value.IsText()) continue;
    bool listed = false;
    for (int c : columns) listed = listed || c == at.second;
    if (!listed) continue;
    const std::optional<double> number = TryReadNumber(value.AsText());
    if (!number || !std::isfinite(*number)) continue;
    textBytes_ -= value.OwnTextBytes();
    value = SheetValue::Number(*number);
  }
}

std::shared_ptr<ExcelRange> FileWorksheet::Cells(int row, int column) {
  CheckCell(row, column);
  return std::make_shared<FileRange>(this, row, column);
}

std::shared_ptr<ExcelRange> FileWorksheet::Rows(int row) {
  CheckCell(row, 1);
  return std::make_shared<FileRange>(this, row, 0);
}

std::shared_ptr<ExcelRange> FileWorksheet::Columns(int column) {
  CheckCell(1, column);
  return std::make_shared<FileRange>(this, 0, column);
}

}  // namespace vensa
