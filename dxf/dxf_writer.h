// The text of a DXF file while a drawing is written into it: one growing UTF-8 string of
// group-code / value line pairs, every line ended by CR LF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/acad_point.h"

namespace vensa {

// A point's three coordinates in the C8 form, as views of texts kept by a DxfPoint or a
// DxfPointList. A plot writes the point of one list row up to six times (vertex, point,
// circle, two labels); formatting it once keeps the plot of a long list fast.
struct C8Point {
  std::string_view x;
  std::string_view y;
  std::string_view z;
};

// One point formatted for writing.
class DxfPoint {
 public:
  explicit DxfPoint(const TAcadPoint& pt);
  operator C8Point() const;  // NOLINT(google-explicit-constructor): fragments take C8Point

 private:
  std::string text_;  // x, y and z texts one after the other
  std::size_t yAt_ = 0;
  std::size_t zAt_ = 0;
};

// The points of a whole plot formatted into one text, without an allocation per point.
class DxfPointList {
 public:
  void Reserve(std::size_t points);
  void Add(const TAcadPoint& pt);
  std::size_t Size() const { return starts_.size() / 3; }
  // The i-th point added; the views stay valid until the next Add.
  C8Point operator[](std::size_t i) const;
  // Characters of the i-th point's three texts together.
  std::size_t TextSize(std::size_t i) const { return End(3 * i + 2) - starts_[3 * i]; }

 private:
  std::size_t End(std::size_t k) const {
    return k + 1 < starts_.size() ? starts_[k + 1] : text_.size();
  }
  std::string text_;
  std::vector<std::size_t> starts_;  // where each coordinate's text begins
};

// Appends DXF pairs. A pair is the group-code line, right-aligned in three characters
// ("  0", " 10"), followed by the value line. The variants differ only in how the value
// line is made; each writes exactly two lines.
class DxfBuilder {
 public:
  DxfBuilder() = default;
  // Starts empty but with the capacity of a spent text (say the bytes of the last insert
  // file), so that writing a long drawing again needs no fresh memory.
  explicit DxfBuilder(std::string spare) : text_(std::move(spare)) { text_.clear(); }

  // A value that never changes ("SECTION", "0.0", "     1"), written as it is. Only for
  // literals of the writer itself: nothing is checked.
  void Literal(int code, std::string_view value);

  // A text that comes from the user (layer, point name, label). A CR or LF inside it is
  // written as a blank: a line break would split the value and shift every later pair.
  void Text(int code, std::string_view value);

  // A value already in its final form, such as one coordinate of a DxfPoint.
  void Formatted(int code, std::string_view value) { Literal(code, value); }

  // A coordinate: fixed-point with 8 decimals ("100.00000000").
  void C8(int code, double value);

  // A size (height, radius): the shortest general form, at most 15 digits ("2.5").
  void G15(int code, double value);

  // From now on the text written so far goes to `sink` whenever it has grown past
  // `chunkBytes`, always at the start of a pair (so the sink sees whole lines), and the
  // builder goes on in the same memory: a long drawing then never needs more memory
  // than one chunk. The sink may change the text it is handed (to encode it in place).
  void StreamTo(std::function<void(std::string&)> sink,
                std::size_t chunkBytes = std::size_t{1} << 20);
  // Hands what is left to the sink.
  void Flush();

  void Reserve(std::size_t bytes) { text_.reserve(bytes); }
  const std::string& Str() const { return text_; }
  std::size_t Size() const { return text_.size(); }
  // Hands the text over and leaves the builder empty.
  std::string Take();

 private:
  void AppendCode(int code);
  void EndLine() { text_.append("\r\n", 2); }

  // The same few numbers come again and again (a table row's y in every cell, the one
  // text height of all labels), and formatting costs far more than comparing. The last
  // values written are kept with their texts; equal bit patterns reuse the text.
  struct Memo {
    std::uint64_t bits = 0;
    bool used = false;
    std::string text;
  };
  static constexpr int kMemoSlots = 4;
  const std::string& Memoized(Memo (&memo)[kMemoSlots], int& next, double value, bool c8);

  std::string text_;
  std::function<void(std::string&)> sink_;
  std::size_t chunkBytes_ = std::numeric_limits<std::size_t>::max();
  Memo c8Memo_[kMemoSlots];
  Memo g15Memo_[kMemoSlots];
  int c8Next_ = 0;
  int g15Next_ = 0;
};

}  // namespace vensa
