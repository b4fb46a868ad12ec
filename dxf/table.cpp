#include "dxf/table.h"

#include <algorithm>
#include <cmath>

#include "core/coord_list.h"
#include "core/geometry.h"
#include "core/number_format.h"
#include "core/number_read.h"
#include "dxf/drawing_size.h"
#include "dxf/dxf_fragments.h"

namespace vensa {

TableDecimalsError::TableDecimalsError(const std::string& text)
    : VensaError("'" + text + "' は整数ではありません"), text_(text) {}

namespace {

// Decimals beyond 20 cannot be printed; fewer than 0 make no sense for a table of
// coordinates and are taken as whole numbers.
int ReadTableDecimals(const std::string& text) {
  const auto k = TryReadInteger(text);
  if (!k) throw TableDecimalsError(text);
  return std::clamp(*k, 0, 20);
}

// Decimals RoundToDigits rounds to with an exact power of ten.
constexpr int kExactlyRoundedDecimals = 10;

// Bytes enough for the whole table in the usual case, so that the text of a long table is
// allocated once: per row a rule and up to four cells, every coordinate no longer than
// the widest one (`extent` in C8) and every value text within 32 characters.
std::size_t EstimateBytes(const TableOptions& o, int rows, int columns, double extent) {
  const std::size_t number = FormatC8(extent).size() + 1;
  const std::size_t rule = 64 + o.lineLayer.size() + 3 * number;
  const std::size_t cell = 96 + o.textLayer.size() + 4 * number + 32;
  return 4096 + static_cast<std::size_t>(rows + 1) * (rule + (columns + 1) * cell);
}

// The table's rules and cells, moved by the corner when it is not the origin (at the
// origin the rules keep their literal zero ends).
class TablePen {
 public:
  TablePen(DxfBuilder& out, const TAcadPoint& corner)
      : out_(out), corner_(corner), moved_(corner.x != 0.0 || corner.y != 0.0) {}

  void HLine(std::string_view layer, double y, double x2) {
    if (!moved_) return WriteTableHLine(out_, layer, y, x2);
    Line(layer, corner_.x, corner_.y + y, corner_.x + x2, corner_.y + y);
  }
  void VLine(std::string_view layer, double x, double y2) {
    if (!moved_) return WriteTableVLine(out_, layer, x, y2);
    Line(layer, corner_.x + x, corner_.y, corner_.x + x, corner_.y + y2);
  }
  void Cell(std::string_view layer, CellAlign align, double x, double y, double height,
            std::string_view text, CellRow row) {
    if (moved_) {
      x += corner_.x;
      y += corner_.y;
    }
    WriteTableCell(out_, layer, align, x, y, height, text, row);
  }

 private:
  void Line(std::string_view layer, double x1, double y1, double x2, double y2) {
    BeginEntity(out_, "LINE", layer);
    out_.C8(10, x1);
    out_.C8(20, y1);
    out_.C8(11, x2);
    out_.C8(21, y2);
  }

  DxfBuilder& out_;
  TAcadPoint corner_;
  bool moved_;
};

}  // namespace

void BuildTable(DxfBuilder& out, const TextGrid& list, const TableOptions& options, double scale,
                TableAxes axes) {
  BuildTable(out, list, options, scale, axes, TAcadPoint{});
}

void BuildTable(DxfBuilder& out, const TextGrid& list, const TableOptions& options, double scale,
                TableAxes axes, const TAcadPoint& corner) {
  TablePen pen(out, corner);
  const double rh = DrawingSize(options.rowHeight, scale, "一行高さ (TableSize/Height)");
  const double w1 = DrawingSize(options.nameWidth, scale, "列幅(測点） (TableSize/Width1)");
  const double w2 = DrawingSize(options.coordWidth, scale, "列幅（座標値） (TableSize/Width2)");
  const double h = DrawingSize(options.textHeight, scale, "表文字 (TextSize/TBLTEXT)");
  const int columns = options.zColumn ? 3 : 2;
  const double width = w1 + columns * w2;
  const int rows = list.DataRowCount() + 1;  // the header row included
  // The table's far corner: each size may be finite while the whole is not.
  if (!std::isfinite(width) || !std::isfinite(rh * rows)) {
    throw DrawingSizeError("作表の大きさ (一行高さ × 行数, 列幅の合計) が有限の数になりません");
  }
  const std::string& lineLayer = options.lineLayer;
  const std::string& textLayer = options.textLayer;

  out.Reserve(out.Size() + EstimateBytes(options, rows, columns, std::max(width, -rh * rows)));
  WriteDxfHeader(out);
  WriteEntitiesOpener(out);

  for (int i = 0; i <= rows; ++i) pen.HLine(lineLayer, -rh * i, width);
  const double bottom = -rh * rows;
  pen.VLine(lineLayer, 0.0, bottom);
  for (int c = 0; c <= columns; ++c) pen.VLine(lineLayer, w1 + c * w2, bottom);

  static const char* const kHeaders[] = {"X座標", "Y座標", "Z座標"};
  const double headerY = -rh / 2;
  pen.Cell(textLayer, CellAlign::kCentre, w1 / 2, headerY, h, "測点", CellRow::kHeader);
  for (int c = 0; c < columns; ++c) {
    pen.Cell(textLayer, CellAlign::kCentre, w1 + c * w2 + w2 / 2, headerY, h, kHeaders[c],
             CellRow::kHeader);
  }

  const int decimals = ReadTableDecimals(options.decimals);
  std::string value;
  for (int p = 1; p < rows; ++p) {
    const double y = -rh * p - rh / 2;
    const std::string& name = list.Cell(kColName, p);
    if (!name.empty()) {
      pen.Cell(textLayer, CellAlign::kLeft, rh, y, h, name, CellRow::kData);
    }
    for (int d = 1; d <= columns; ++d) {
      // Emptiness is judged on the list column under the table column; the value may
      // come from the other coordinate column.
      if (list.Cell(d, p).empty()) continue;
      int source = d;
      if (axes == TableAxes::kYX && d <= 2) source = d == 1 ? kColY : kColX;
      double v = ReadNumberCell(list.Cell(source, p));
      if (options.divideBy1000) v /= 1000;
      value.clear();
      // Up to 10 decimals the rounding's scale is exact; beyond, the value's own digits
      // are printed (rounded once, by the formatting).
      AppendFixed(value, decimals <= kExactlyRoundedDecimals ? RoundToDigits(v, decimals) : v,
                  decimals);
      pen.Cell(textLayer, CellAlign::kRight, w1 + d * w2 - rh, y, h, value, CellRow::kData);
    }
  }

  WriteDxfClosing(out);
}

}  // namespace vensa
