#include "sheet/com/com_excel.h"

#include <utility>

#include "platform/win/com_error.h"

namespace vensa::win {

namespace {

std::vector<Variant> Numbers(std::initializer_list<int> numbers) {
  std::vector<Variant> args;
  for (int n : numbers) args.push_back(Variant(static_cast<std::int32_t>(n)));
  return args;
}

class ComRange final : public ExcelRange {
 public:
  explicit ComRange(Dispatch d) : d_(std::move(d)) {}
  void Select() override { d_.Call("Select"); }
  SheetValue Value() override {
    const Variant value = d_.Call("Value");
    switch (value.Type()) {
      case VT_EMPTY:
      case VT_NULL:
        return SheetValue();
      case VT_BSTR:
        return SheetValue::Text(AsText(value, "Value"));
      case VT_R8:
      case VT_R4:
      case VT_I2:
      case VT_I4:
      case VT_UI1:
      case VT_CY:
      case VT_DECIMAL:
        return SheetValue::Number(AsDouble(value, "Value"));
      default:
        // Dates, truth values and error values: the text the cell would give as a value.
        return SheetValue::Text(AsText(value, "Value"));
    }
  }
  void SetValue(const std::string& text) override { d_.Put("Value", Variant(text)); }

 private:
  Dispatch d_;
};

class ComWorksheet final : public ExcelWorksheet {
 public:
  explicit ComWorksheet(Dispatch d) : d_(std::move(d)) {}
  std::string Name() override { return AsText(d_.Call("Name"), "Name"); }
  std::shared_ptr<ExcelRange> Cells(int row, int column) override {
    return Range("Cells", Numbers({row, column}));
  }
  std::shared_ptr<ExcelRange> Rows(int row) override { return Range("Rows", Numbers({row})); }
  std::shared_ptr<ExcelRange> Columns(int column) override {
    return Range("Columns", Numbers({column}));
  }

 private:
  // The spreadsheet takes the row and column as arguments of the property itself, as
  // late-bound callers have always passed them.
  std::shared_ptr<ExcelRange> Range(std::string_view member, std::vector<Variant> args) {
    return std::make_shared<ComRange>(d_.Object(member, std::move(args)));
  }

  Dispatch d_;
};

class ComWorkbook final : public ExcelWorkbook {
 public:
  explicit ComWorkbook(Dispatch d) : d_(std::move(d)) {}
  std::string Name() override { return AsText(d_.Call("Name"), "Name"); }
  std::shared_ptr<ExcelWorksheet> ActiveSheet() override {
    return std::make_shared<ComWorksheet>(d_.Object("ActiveSheet"));
  }

 private:
  Dispatch d_;
};

class ComExcel final : public ExcelApplication {
 public:
  explicit ComExcel(Dispatch d) : d_(std::move(d)) {}
  std::shared_ptr<ExcelWorkbook> ActiveWorkBook() override {
    // Without an open workbook the property answers "nothing": Object() throws for it.
    return std::make_shared<ComWorkbook>(d_.Object("ActiveWorkBook"));
  }

 private:
  Dispatch d_;
};

}  // namespace

std::shared_ptr<ExcelApplication> MakeComExcelApplication(Dispatch application) {
  return std::make_shared<ComExcel>(std::move(application));
}

}  // namespace vensa::win
