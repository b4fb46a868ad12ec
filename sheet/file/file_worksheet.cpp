#include "sheet/file/file_worksheet.h"

#include <algorithm>
#include <cmath>

#include "core/number_read.h"

namespace vensa {

namespace {

void CheckCell(int row, int column) {
  if (row < 1 || row > FileWorksheet::kMaxRow)
    throw SheetLimitError("行 " + std::to_string(row) + " はワークシートの範囲外です。");
  if (column < 1 || column > FileWorksheet::kMaxColumn)
    throw SheetLimitError("列 " + std::to_string(column) + " はワークシートの範囲外です。");
}

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
  PutInOrder();
  return cells_;
}

SheetValue FileWorksheet::Get(int row, int column) const {
  CheckCell(row, column);
  PutInOrder();
  const std::pair<int, int> key{row, column};
  const auto it = std::lower_bound(cells_.begin(), cells_.end(), key, KeyLess);
  if (it == cells_.end() || it->first != key) return SheetValue();
  if (it->second.IsText()) {
    textBytesRead_ += it->second.AsText().size();
    if (textBytesRead_ > kMaxTextBytesRead)
      throw SheetLimitError("セルから読み出す文字列が多すぎます (" +
                            std::to_string(kMaxTextBytesRead >> 20) + " MB まで)。");
  }
  return it->second;
}

void FileWorksheet::Put(int row, int column, SheetValue value) {
  CheckCell(row, column);
  const std::pair<int, int> key{row, column};
  if (ordered_) {
    const auto it = std::lower_bound(cells_.begin(), cells_.end(), key, KeyLess);
    if (it != cells_.end() && it->first == key) {
      const std::size_t bytes = textBytes_ - TextSize(it->second) + TextSize(value);
      if (bytes > kMaxTextBytes)
        throw SheetLimitError("セルの文字列が多すぎます (" + std::to_string(kMaxTextBytes >> 20) +
                              " MB まで)。");
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
  if (cells_.size() >= kMaxCells)
    throw SheetLimitError("セルが多すぎます (" + std::to_string(kMaxCells) + " セルまで)。");
  const std::size_t bytes = textBytes_ + TextSize(value);
  if (bytes > kMaxTextBytes)
    throw SheetLimitError("セルの文字列が多すぎます (" + std::to_string(kMaxTextBytes >> 20) +
                          " MB まで)。");
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
