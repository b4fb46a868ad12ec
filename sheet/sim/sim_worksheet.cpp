#include "sheet/sim/sim_worksheet.h"

namespace vensa {

void SimWorksheet::SetText(int row, int column, std::string text) {
  cells_[{row, column}] = SheetValue::Text(std::move(text));
}

void SimWorksheet::SetNumber(int row, int column, double number) {
  cells_[{row, column}] = SheetValue::Number(number);
}

void SimWorksheet::ClearCell(int row, int column) {
  cells_.erase({row, column});
}

SheetValue SimWorksheet::Get(int row, int column) const {
  auto it = cells_.find({row, column});
  return it == cells_.end() ? SheetValue() : it->second;
}

std::string ColumnLetters(int column) {
  std::string letters;
  while (column > 0) {
    int digit = (column - 1) % 26;
    letters.insert(letters.begin(), static_cast<char>('A' + digit));
    column = (column - 1) / 26;
  }
  return letters;
}

}  // namespace vensa
