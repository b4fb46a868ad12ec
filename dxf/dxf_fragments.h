// The fixed sections of an R12 insert file and the entity fragments the plot and the
// coordinate table are made of. Each function appends whole DXF pairs to the builder; the
// comments list the pairs in the order they are written ({..} stands for a value).
// Points are written in C8, sizes in G15; points come formatted
// (DxfPoint, DxfPointList).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "dxf/dxf_writer.h"

namespace vensa {

// 0 SECTION, 2 HEADER, 9 $ACADVER, 1 AC1009, 9 $DWGCODEPAGE, 3 {the file's code page,
// "ANSI_932"}, 0 ENDSEC, then the TABLES section with an LTYPE table of one entry,
// CONTINUOUS "Solid line" (70 "  1"; 70 "  0", 3, 72 " 65", 73 "  0", 40 0.0), 0 ENDTAB,
// 0 ENDSEC. 42 lines, no handles, no LAYER table: the CAD
// creates the layers the entities name when it inserts the file.
void WriteDxfHeader(DxfBuilder& out);

// The same header for a whole drawing: after the LTYPE table a LAYER table declaring
// `layers` (each 0 LAYER, 2 {name}, 70 0, 62 7, 6 CONTINUOUS), so that empty layers and
// their order survive.
void WriteDxfHeader(DxfBuilder& out, std::span<const std::string> layers);

// 0 SECTION, 2 ENTITIES.
void WriteEntitiesOpener(DxfBuilder& out);

// 0 ENDSEC, 0 EOF.
void WriteDxfClosing(DxfBuilder& out);

// The preamble every entity starts with: 0 {kind}, 8 {layer}.
void BeginEntity(DxfBuilder& out, std::string_view kind, std::string_view layer);

// 0 POLYLINE, 8 {layer}, 66 "     1", 10/20/30 0.0, 70 "     {flags}".
// flags: 1 closed, 8 3D polyline.
void WritePolylineHeader(DxfBuilder& out, std::string_view layer, std::int32_t flags);

// 0 VERTEX, 8 {layer}, 10/20/30 {pt} in C8.
void WriteVertex(DxfBuilder& out, std::string_view layer, C8Point pt);

// 0 SEQEND: ends the polyline opened last.
void WriteSeqend(DxfBuilder& out);

// 0 POINT, 8 {layer}, 10/20/30 {pt}.
void WritePoint(DxfBuilder& out, std::string_view layer, C8Point pt);

// 0 CIRCLE, 8 {layer}, 10/20/30 {centre}, 40 {radius} in G15.
void WriteCircle(DxfBuilder& out, std::string_view layer, C8Point centre, double radius);

// The point name beside its point, starting at the point (no alignment codes):
// 0 TEXT, 8 {layer}, 10/20/30 {pt}, 40 {height}, 1 {text}, 41 1.0.
void WriteNameLabel(DxfBuilder& out, std::string_view layer, C8Point pt, double height,
                    std::string_view text);

// The coordinates hanging below and right of the point (left, top):
// 0 TEXT, 8 {layer}, 72 0, 73 3, 10/20/30 {pt}, 11/21/31 {pt}, 40 {height}, 1 {text}, 41 0.8.
void WriteCoordLabel(DxfBuilder& out, std::string_view layer, C8Point pt, double height,
                     std::string_view text);

// A horizontal table rule from (0, y) to (x2, y), no z:
// 0 LINE, 8 {layer}, 10 0.0, 20 {y}, 11 {x2}, 21 {y}.
void WriteTableHLine(DxfBuilder& out, std::string_view layer, double y, double x2);

// A vertical table rule from (x, 0) to (x, y2), no z:
// 0 LINE, 8 {layer}, 10 {x}, 20 0.0, 11 {x}, 21 {y2}.
void WriteTableVLine(DxfBuilder& out, std::string_view layer, double x, double y2);

// Horizontal alignment of a table cell's text (the 72 value).
enum class CellAlign : int { kLeft = 0, kCentre = 1, kRight = 2 };

// Header cells keep the full width (41 1.0); data cells are narrowed (41 0.8) so that
// long coordinates stay inside their column.
enum class CellRow { kHeader, kData };

// A table cell's text, middle-aligned at (x, y), no z:
// 0 TEXT, 8 {layer}, 72 {align}, 73 2, 10/20 {x, y}, 11/21 {x, y}, 40 {height}, 1 {text},
// 41 1.0 or 0.8.
void WriteTableCell(DxfBuilder& out, std::string_view layer, CellAlign align, double x, double y,
                    double height, std::string_view text, CellRow row);

// A label centred on (x, y), no z: the pairs of a centred header cell (72 1, 73 2,
// 41 1.0).
inline void WriteCentredText(DxfBuilder& out, std::string_view layer, double x, double y,
                             double height, std::string_view text) {
  WriteTableCell(out, layer, CellAlign::kCentre, x, y, height, text, CellRow::kHeader);
}

}  // namespace vensa
