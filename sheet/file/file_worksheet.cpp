#include "sheet/file/file_worksheet.h"

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

SheetValue FileWorksheet::Get(int row, int column) const {
  CheckCell(row, column);
  auto it = cells_.find({row, column});
  if (it == cells_.end()) return SheetValue();
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
  auto it = cells_.find({row, column});
  const std::size_t old = it == cells_.end() ? 0 : TextSize(it->second);
  if (value.IsEmpty()) {
    if (it != cells_.end()) cells_.erase(it);
    textBytes_ -= old;
    return;
  }
  if (it == cells_.end() && cells_.size() >= kMaxCells)
    throw SheetLimitError("セルが多すぎます (" + std::to_string(kMaxCells) + " セルまで)。");
  const std::size_t bytes = textBytes_ - old + TextSize(value);
  if (bytes > kMaxTextBytes)
    throw SheetLimitError("セルの文字列が多すぎます (" + std::to_string(kMaxTextBytes >> 20) +
                          " MB まで)。");
  textBytes_ = bytes;
  if (it == cells_.end()) {
    cells_.emplace(std::pair{row, column}, std::move(value));
  } else {
    it->second = std::move(value);
  }
}

void FileWorksheet::TypeNumbers(const std::vector<int>& columns) {
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
