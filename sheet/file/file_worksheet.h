// A worksheet held in memory, standing in for the running spreadsheet's active sheet when
// the list goes to or comes from a spreadsheet file (CSV or XLSX). It answers the same
// object model, so the transfers read and write the very same cells at the same rows and
// columns as on a live worksheet; selecting does nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/error.h"
#include "sheet/excel_objects.h"
#include "sheet/sheet_value.h"

namespace vensa {

// A cell outside the worksheet, or a file that would need more cells or text than a
// worksheet in memory is allowed to hold. The readers put the file's name in front.
class SheetLimitError : public VensaError {
 public:
  using VensaError::VensaError;
};

// The ranges it hands out point into it: they live for one call, as the transfers use them.
class FileWorksheet : public ExcelWorksheet {
 public:
  // The worksheet's size, as the spreadsheet application has it.
  static constexpr int kMaxRow = kWorksheetLastRow;
  static constexpr int kMaxColumn = 16384;
  // What one sheet may hold in memory: more cells than a list of a million points needs
  // in four columns, and a bound on what a small hostile file can make us allocate
  // (a shared text repeated in every cell of a compressed sheet, above all).
  static constexpr std::size_t kMaxCells = 5'000'000;
  static constexpr std::size_t kMaxTextBytes = 256u << 20;
  // The text the cells may hand out to a list, all reads together: a shared text named by
  // a million cells is held once here, but each list row the transfer fills keeps a copy.
  static constexpr std::uint64_t kMaxTextBytesRead = std::uint64_t{128} << 20;

  explicit FileWorksheet(std::string name = "Sheet1") : name_(std::move(name)) {}

  // The cell's value; empty where nothing was put. Throws SheetLimitError outside the
  // worksheet, and once the texts read from the cells pass kMaxTextBytesRead.
  SheetValue Get(int row, int column) const;
  // Puts a value into the cell (an empty value empties it). Throws SheetLimitError outside
  // the worksheet and beyond kMaxCells or kMaxTextBytes.
  void Put(int row, int column, SheetValue value);
  // One cell holding something: (row, column) and its value.
  using Cell = std::pair<std::pair<int, int>, SheetValue>;
  // The cells holding something, by (row, column), rows first.
  const std::vector<Cell>& Cells() const;

  // Every text cell in the given columns whose text reads as a finite number becomes that
  // number, as the spreadsheet types what is entered into a cell.
  void TypeNumbers(const std::vector<int>& columns);

  // The object model.
  std::string Name() override { return name_; }
  std::shared_ptr<ExcelRange> Cells(int row, int column) override;
  std::shared_ptr<ExcelRange> Rows(int row) override;
  std::shared_ptr<ExcelRange> Columns(int column) override;

 private:
  // Cells put after a later one (a file listing them out of order) are appended and put
  // in order when next looked at: a few bytes a cell in one array, and no file can make
  // the putting quadratic. Of cells put twice the last one counts; an empty value put
  // where the order is pending stays as a mark until then.
  void PutInOrder() const;

  std::string name_;
  mutable std::vector<Cell> cells_;
  mutable bool ordered_ = true;
  std::size_t textBytes_ = 0;
  mutable std::uint64_t textBytesRead_ = 0;
};

}  // namespace vensa
