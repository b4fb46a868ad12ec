// The value of one worksheet cell as the link reads it: empty, text or number.
#pragma once

#include <string>
#include <variant>

namespace vensa {

struct SheetValue {
  // monostate = an empty cell.
  std::variant<std::monostate, std::string, double> value;

  SheetValue() = default;
  static SheetValue Text(std::string text) { return SheetValue{std::move(text)}; }
  static SheetValue Number(double number) { return SheetValue{number}; }

  bool IsEmpty() const { return std::holds_alternative<std::monostate>(value); }
  bool IsText() const { return std::holds_alternative<std::string>(value); }
  bool IsNumber() const { return std::holds_alternative<double>(value); }
  const std::string& AsText() const { return std::get<std::string>(value); }
  double AsNumber() const { return std::get<double>(value); }

  friend bool operator==(const SheetValue&, const SheetValue&) = default;

 private:
  explicit SheetValue(std::string text) : value(std::move(text)) {}
  explicit SheetValue(double number) : value(number) {}
};

// The text a list cell receives for a cell value: text unchanged, a number in the general
// form with at most 15 significant digits (the cell's display format plays no part), an
// empty cell as the empty text.
std::string SheetValueToText(const SheetValue& value);

}  // namespace vensa
