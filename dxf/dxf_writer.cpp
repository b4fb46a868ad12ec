#include "dxf/dxf_writer.h"

#include <bit>
#include <cstring>
#include <utility>

#include "core/number_format.h"

namespace vensa {

DxfPoint::DxfPoint(const TAcadPoint& pt) {
  AppendFixed(text_, pt.x, 8);
  yAt_ = text_.size();
  AppendFixed(text_, pt.y, 8);
  zAt_ = text_.size();
  AppendFixed(text_, pt.z, 8);
}

DxfPoint::operator C8Point() const {
  const std::string_view t(text_);
  return C8Point{t.substr(0, yAt_), t.substr(yAt_, zAt_ - yAt_), t.substr(zAt_)};
}

void DxfPointList::Reserve(std::size_t points) {
  starts_.reserve(3 * points);
  text_.reserve(3 * 16 * points);
}

void DxfPointList::Add(const TAcadPoint& pt) {
  for (const double v : {pt.x, pt.y, pt.z}) {
    starts_.push_back(text_.size());
    AppendFixed(text_, v, 8);
  }
}

C8Point DxfPointList::operator[](std::size_t i) const {
  const std::string_view t(text_);
  const std::size_t k = 3 * i;
  return C8Point{t.substr(starts_[k], starts_[k + 1] - starts_[k]),
                 t.substr(starts_[k + 1], starts_[k + 2] - starts_[k + 1]),
                 t.substr(starts_[k + 2], End(k + 2) - starts_[k + 2])};
}

namespace {

// The code lines "  0" .. "999" with their CR LF, laid out once: a large plot writes
// millions of them, each now a single copy from memory that never changes.
struct CodeLines {
  char line[1000][5];
  constexpr CodeLines() : line() {
    for (int code = 0; code < 1000; ++code) {
      line[code][0] = code >= 100 ? static_cast<char>('0' + code / 100) : ' ';
      line[code][1] = code >= 10 ? static_cast<char>('0' + code / 10 % 10) : ' ';
      line[code][2] = static_cast<char>('0' + code % 10);
      line[code][3] = '\r';
      line[code][4] = '\n';
    }
  }
};
constexpr CodeLines kCodeLines;

}  // namespace

void DxfBuilder::StreamTo(std::function<void(std::string&)> sink, std::size_t chunkBytes) {
  sink_ = std::move(sink);
  chunkBytes_ = chunkBytes;
  text_.reserve(chunkBytes + 4096);
}

void DxfBuilder::Flush() {
  if (!sink_ || text_.empty()) return;
  sink_(text_);
  text_.clear();
}

void DxfBuilder::AppendCode(int code) {
  if (text_.size() >= chunkBytes_) Flush();
  if (code >= 0 && code < 1000) {
    text_.append(kCodeLines.line[code], 5);
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
