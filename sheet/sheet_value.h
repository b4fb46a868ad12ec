// The value of one worksheet cell as the link reads it: empty, text or number.
#pragma once

#include <memory>
#include <string>
#include <variant>

namespace vensa {

struct SheetValue {
  using SharedString = std::shared_ptr<const std::string>;
  // monostate = an empty cell. A text is held by the cell, or shared with other cells (a
  // workbook's shared string, which a million cells may name).
  std::variant<std::monostate, std::string, double, SharedString> value;

  SheetValue() = default;
  static SheetValue Text(std::string text) { return SheetValue{std::move(text)}; }
  static SheetValue Text(SharedString text) { return SheetValue{std::move(text)}; }
  static SheetValue Number(double number) { return SheetValue{number}; }

  bool IsEmpty() const { return std::holds_alternative<std::monostate>(value); }
  bool IsText() const {
    return std::holds_alternative<std::string>(value) ||
           std::holds_alternative<SharedString>(value);
  }
  bool IsNumber() const { return std::holds_alternative<double>(value); }
  const std::string& AsText() const {
    if (const SharedString* shared = std::get_if<SharedString>(&value)) return **shared;
    return std::get<std::string>(value);
  }
  double AsNumber() const { return std::get<double>(value); }
  // The bytes the cell itself holds: a shared text is counted where it is kept.
  std::size_t OwnTextBytes() const {
    const std::string* own = std::get_if<std::string>(&value);
    return own ? own->size() : 0;
  }

  // Equal kind and equal content, however the text is held.
  friend bool operator==(const SheetValue& a, const SheetValue& b) {
    if (a.IsText() || b.IsText()) return a.IsText() && b.IsText() && a.AsText() == b.AsText();
    return a.value == b.value;
  }

 private:
  explicit SheetValue(std::string text) : value(std::move(text)) {}
  explicit SheetValue(SharedString text) : value(std::move(text)) {}
  explicit SheetValue(double number) : value(number) {}
};

// The text a list cell receives for a cell value: text unchanged, a number in the general
// form with at most 15 significant digits (the cell's display format plays no part), an
// empty cell as the empty text.
std::string SheetValueToText(const SheetValue& value);

}  // namespace vensa
