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

// The rows of a file whose cells are read only when asked for (a CSV file's text): a file
// of millions of small cells then costs about its own size, not a record for every cell.
class SheetRows {
 public:
  virtual ~SheetRows() = default;
  // The number of rows; rows after it are empty.
  virtual int RowCount() const = 0;
  // The cells of row `row` (from 1) from column A on, an empty text for an empty cell.
  virtual void ReadRow(int row, std::vector<std::string>& cells) const = 0;
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
  // A worksheet reading its cells from `rows` when asked. The reader has checked the rows
  // against the bounds above. Putting a cell or listing them all first takes every cell in.
  static FileWorksheet FromRows(std::shared_ptr<const SheetRows> rows);

  // Refuses a cell outside the worksheet, and a file of more cells or text than a sheet may
  // hold, as Put does (SheetLimitError).
  static void CheckCell(int row, int column);
  static void CheckRoom(std::size_t cells, std::size_t textBytes);

  // The budget of what the reads may hand out to a list, instead of kMaxTextBytesRead: the
  // texts' bytes, and `bytesPerRow` for each row read (what a list row costs however short
  // its texts are).
  void SetReadBudget(std::uint64_t bytes, std::size_t bytesPerRow);

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
  // Takes every cell of the rows read when asked into the cells held one by one.
  void TakeInRows() const;
  // Counts a read of `textBytes` from `row` against the read budget.
  void CountRead(int row, std::size_t textBytes) const;

  std::string name_;
  mutable std::vector<Cell> cells_;
  mutable bool ordered_ = true;
  std::size_t textBytes_ = 0;
  mutable std::uint64_t textBytesRead_ = 0;
  std::uint64_t readBudget_ = kMaxTextBytesRead;
  std::size_t readBytesPerRow_ = 0;
  mutable int lastRowRead_ = 0;
  // Cells read when asked (until taken in): the rows, the columns typed as numbers, and
  // the row last read, kept for the next cell of the same row.
  mutable std::shared_ptr<const SheetRows> rows_;
  std::vector<int> numberColumns_;
  mutable int cachedRow_ = 0;
  mutable std::vector<std::string> cachedCells_;
};

}  // namespace vensa
