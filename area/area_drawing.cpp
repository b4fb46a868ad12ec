#include "area/area_drawing.h"

#include "core/number_read.h"
#include "dxf/dxf_fragments.h"

namespace vensa {
namespace {

class Pen {
 public:
  Pen(DxfBuilder& out, const TableOptions& o, const TAcadPoint& corner)
      : out_(out), options_(o), corner_(corner) {}

  void Line(double x1, double y1, double x2, double y2) {
    BeginEntity(out_, "LINE", options_.lineLayer);
    out_.C8(10, corner_.x + x1);
    out_.C8(20, corner_.y + y1);
    out_.C8(11, corner_.x + x2);
    out_.C8(21, corner_.y + y2);
  }
  void Cell(CellAlign align, double x, double y, double height, std::string_view text,
            CellRow row) {
    if (text.empty()) return;
    WriteTableCell(out_, options_.textLayer, align, corner_.x + x, corner_.y + y, height, text,
                   row);
  }

 private:
  DxfBuilder& out_;
  const TableOptions& options_;
  TAcadPoint corner_;
};

}  // namespace

void BuildAreaDrawing(DxfBuilder& out, const std::vector<AreaTable>& tables,
                      const TableOptions& options, double scale, const TAcadPoint& corner) {
  const double rh = ReadNumberCell(options.rowHeight) * scale;
  const double w1 = ReadNumberCell(options.nameWidth) * scale;
  const double w2 = ReadNumberCell(options.coordWidth) * scale;
  const double h = ReadNumberCell(options.textHeight) * scale;
  WriteDxfHeader(out);
  WriteEntitiesOpener(out);
  Pen pen(out, options, corner);
  double top = 0.0;
  for (const AreaTable& table : tables) {
    const int columns = static_cast<int>(table.header.size());  // the name column included
    const double width = w1 + (columns - 1) * w2;
    auto left = [&](int c) { return c == 0 ? 0.0 : w1 + (c - 1) * w2; };
    auto right = [&](int c) { return w1 + c * w2; };
    auto middle = [&](int row) { return top - rh * row - rh / 2; };

    // The parcel's name on a row of its own above the rules.
    pen.Cell(CellAlign::kLeft, rh, middle(0), h, table.name, CellRow::kHeader);
    const double tableTop = top - rh;
    const int rows = 1 + static_cast<int>(table.points.size()) + 3;
    for (int i = 0; i <= rows; ++i) pen.Line(0.0, tableTop - rh * i, width, tableTop - rh * i);
    const double pointsBottom = tableTop - rh * (rows - 3);
    const double bottom = tableTop - rh * rows;
    // The columns are ruled down the points; the totals share the width after their label.
    for (int c = 0; c <= columns; ++c) {
      const double x = c == 0 ? 0.0 : right(c - 1);
      const bool full = c == 0 || c == 1 || c == columns;
      pen.Line(x, tableTop, x, full ? bottom : pointsBottom);
    }
    for (int c = 0; c < columns; ++c)
      pen.Cell(CellAlign::kCentre, (left(c) + (c == 0 ? w1 : right(c))) / 2, middle(1), h,
               table.header[static_cast<std::size_t>(c)], CellRow::kHeader);
    int row = 2;
    for (const auto& cells : table.points) {
      pen.Cell(CellAlign::kLeft, rh, middle(row), h, cells[0], CellRow::kData);
      for (int c = 1; c < columns; ++c)
        pen.Cell(CellAlign::kRight, right(c) - rh, middle(row), h,
                 cells[static_cast<std::size_t>(c)], CellRow::kData);
      ++row;
    }
    for (const AreaTotal& total : table.totals) {
      pen.Cell(CellAlign::kLeft, rh, middle(row), h, total.label, CellRow::kData);
      pen.Cell(CellAlign::kRight, right(kAreaProductColumn) - rh, middle(row), h, total.value,
               CellRow::kData);
      pen.Cell(CellAlign::kLeft, right(kAreaProductColumn) + rh, middle(row), h, total.unit,
               CellRow::kData);
      ++row;
    }
    // The truncation rule of 地積 below the table, on a row of its own.
    pen.Cell(CellAlign::kLeft, rh, middle(row), h, table.totals.back().rule, CellRow::kData);
    top = bottom - 2 * rh;
  }
  WriteDxfClosing(out);
}

}  // namespace vensa
