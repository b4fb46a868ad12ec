#include "dxf/dxf_writer.h"

#include <bit>
#include <cstring>
#include <utility>

#include "core/number_format.h"

namespace vensa {

DxfPoint::DxfPoint(const TAcadPoint& pt) {
  AppendFixed(text_, pt.x, 8);
  yAt_ = static_cast<std::uint32_t>(text_.size());
  AppendFixed(text_, pt.y, 8);
  zAt_ = static_cast<std::uint32_t>(text_.size());
  AppendFixed(text_, pt.z, 8);
}

namespace {

// Longest value that is put together with its code line on the stack; longer ones (rare
// long names) are appended piece by piece.
constexpr std::size_t kShortValue = 120;

// The code line "  0" .. "999" with its CR LF; false for codes outside that field.
bool LayOutCode(int code, char* field) {
  if (code < 0 || code > 999) return false;
  field[0] = code >= 100 ? static_cast<char>('0' + code / 100) : ' ';
  field[1] = code >= 10 ? static_cast<char>('0' + code / 10 % 10) : ' ';
  field[2] = static_cast<char>('0' + code % 10);
  field[3] = '\r';
  field[4] = '\n';
  return true;
}

}  // namespace

void DxfBuilder::AppendCode(int code) {
  char field[5];
  if (LayOutCode(code, field)) {
    text_.append(field, sizeof field);
    return;
  }
  AppendFixed(text_, code, 0);
  EndLine();
}

void DxfBuilder::Literal(int code, std::string_view value) {
  // A pair is written with one append: this runs some forty times for every row of a plot.
  char pair[5 + kShortValue + 2];
  if (value.size() <= kShortValue && LayOutCode(code, pair)) {
    std::memcpy(pair + 5, value.data(), value.size());
    pair[5 + value.size()] = '\r';
    pair[6 + value.size()] = '\n';
    text_.append(pair, value.size() + 7);
    return;
  }
  AppendCode(code);
  text_.append(value);
  EndLine();
}

void DxfBuilder::Text(int code, std::string_view value) {
  Literal(code, value);
  // The value stands just before the line's CR LF.
  char* const end = text_.data() + text_.size() - 2;
  for (char* p = end - value.size(); p < end; ++p) {
    if (*p == '\r' || *p == '\n') *p = ' ';
  }
}

const std::string& DxfBuilder::Memoized(Memo (&memo)[kMemoSlots], int& next, double value,
                                         bool c8) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  for (const Memo& m : memo) {
    if (m.used && m.bits == bits) return m.text;
  }
  Memo& slot = memo[next];
  next = (next + 1) % kMemoSlots;
  slot.bits = bits;
  slot.used = true;
  slot.text.clear();
  if (c8) {
    AppendFixed(slot.text, value, 8);
  } else {
    AppendG15(slot.text, value);
  }
  return slot.text;
}

void DxfBuilder::C8(int code, double value) {
  Literal(code, Memoized(c8Memo_, c8Next_, value, true));
}

void DxfBuilder::G15(int code, double value) {
  Literal(code, Memoized(g15Memo_, g15Next_, value, false));
}

std::string DxfBuilder::Take() {
  std::string out = std::move(text_);
  text_.clear();
  return out;
}

}  // namespace vensa
