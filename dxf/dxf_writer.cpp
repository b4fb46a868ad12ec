#include "dxf/dxf_writer.h"

#include <bit>
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

void DxfBuilder::AppendCode(int code) {
  // The code line is a three-character field; this runs for every pair of a large plot,
  // so the usual codes (0 to 999) are laid out digit by digit here.
  if (code >= 0 && code <= 999) {
    char field[5] = {' ', ' ', static_cast<char>('0' + code % 10), '\r', '\n'};
    if (code >= 10) field[1] = static_cast<char>('0' + code / 10 % 10);
    if (code >= 100) field[0] = static_cast<char>('0' + code / 100);
    text_.append(field, sizeof field);
    return;
  }
  AppendFixed(text_, code, 0);
  EndLine();
}

void DxfBuilder::Literal(int code, std::string_view value) {
  AppendCode(code);
  text_.append(value);
  EndLine();
}

void DxfBuilder::Text(int code, std::string_view value) {
  AppendCode(code);
  const std::size_t start = text_.size();
  text_.append(value);
  for (std::size_t i = start; i < text_.size(); ++i) {
    if (text_[i] == '\r' || text_[i] == '\n') text_[i] = ' ';
  }
  EndLine();
}

void DxfBuilder::AppendMemoized(Memo (&memo)[kMemoSlots], int& next, double value, bool c8) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  for (const Memo& m : memo) {
    if (m.used && m.bits == bits) {
      text_.append(m.text);
      return;
    }
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
  text_.append(slot.text);
}

void DxfBuilder::C8(int code, double value) {
  AppendCode(code);
  AppendMemoized(c8Memo_, c8Next_, value, true);
  EndLine();
}

void DxfBuilder::G15(int code, double value) {
  AppendCode(code);
  AppendMemoized(g15Memo_, g15Next_, value, false);
  EndLine();
}

std::string DxfBuilder::Take() {
  std::string out = std::move(text_);
  text_.clear();
  return out;
}

}  // namespace vensa
