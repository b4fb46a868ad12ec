// One worksheet of the substitute spreadsheet as tests script and inspect it. Calls made
// here are the test's own and are not recorded.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "sheet/sheet_value.h"

namespace vensa {

class SimWorksheet {
 public:
  // The worksheet's size, as the spreadsheet's automation interface checks it.
  static constexpr int kMaxRow = 1048576;
  static constexpr int kMaxColumn = 16384;

  explicit SimWorksheet(std::string name) : name_(std::move(name)) {}

  const std::string& Name() const { return name_; }

  void SetText(int row, int column, std::string text);
  void SetNumber(int row, int column, double number);
  void ClearCell(int row, int column);
  // Empty outside the cells that hold something.
  SheetValue Get(int row, int column) const;
  // The cells holding something, by (row, column).
  const std::map<std::pair<int, int>, SheetValue>& Cells() const { return cells_; }

  // The selection as an address: "B3", "5:5", "B:B"; "A1" before anything was selected.
  const std::string& Selection() const { return selection_; }
  void SetSelection(std::string address) { selection_ = std::move(address); }

 private:
  std::string name_;
  std::map<std::pair<int, int>, SheetValue> cells_;
  std::string selection_ = "A1";
};

// Column letters of a worksheet column: 1 -> "A", 26 -> "Z", 27 -> "AA".
std::string ColumnLetters(int column);

}  // namespace vensa
