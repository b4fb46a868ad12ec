#include "dxf/dxf_fragments.h"

#include "core/encoding.h"
#include "core/number_format.h"

namespace vensa {
namespace {

void WritePlacement(DxfBuilder& out, C8Point pt) {
  out.Formatted(10, pt.x);
  out.Formatted(20, pt.y);
  out.Formatted(30, pt.z);
}

// The second alignment point of a TEXT (11/21/31).
void WriteAlignment(DxfBuilder& out, C8Point pt) {
  out.Formatted(11, pt.x);
  out.Formatted(21, pt.y);
  out.Formatted(31, pt.z);
}

}  // namespace

void WriteDxfHeader(DxfBuilder& out) {
  WriteDxfHeader(out, {});
}

void WriteDxfHeader(DxfBuilder& out, std::span<const std::string> layers) {
  out.Literal(0, "SECTION");
  out.Literal(2, "HEADER");
  out.Literal(9, "$ACADVER");
  out.Literal(1, "AC1009");
  // Readers that are not a CAD on a Japanese system would otherwise guess the code page.
  out.Literal(9, "$DWGCODEPAGE");
  out.Literal(3, AnsiCodePageName());
  out.Literal(0, "ENDSEC");
  out.Literal(0, "SECTION");
  out.Literal(2, "TABLES");
  out.Literal(0, "TABLE");
  out.Literal(2, "LTYPE");
  out.Literal(70, "  1");
  out.Literal(0, "LTYPE");
  out.Literal(2, "CONTINUOUS");
  out.Literal(70, "  0");
  out.Literal(3, "Solid line");
  out.Literal(72, " 65");
  out.Literal(73, "  0");
  out.Literal(40, "0.0");
  out.Literal(0, "ENDTAB");
  if (!layers.empty()) {
    out.Literal(0, "TABLE");
    out.Literal(2, "LAYER");
    out.Literal(70, std::to_string(layers.size()));
    for (const std::string& layer : layers) {
      out.Literal(0, "LAYER");
      out.Text(2, layer);
      out.Literal(70, "0");
      out.Literal(62, "7");
      out.Literal(6, "CONTINUOUS");
    }
    out.Literal(0, "ENDTAB");
  }
  out.Literal(0, "ENDSEC");
}

void WriteEntitiesOpener(DxfBuilder& out) {
  out.Literal(0, "SECTION");
  out.Literal(2, "ENTITIES");
}

void WriteDxfClosing(DxfBuilder& out) {
  out.Literal(0, "ENDSEC");
  out.Literal(0, "EOF");
}

void BeginEntity(DxfBuilder& out, std::string_view kind, std::string_view layer) {
  out.Literal(0, kind);
  out.Text(8, layer);
}

void WritePolylineHeader(DxfBuilder& out, std::string_view layer, std::int32_t flags) {
  BeginEntity(out, "POLYLINE", layer);
  out.Literal(66, "     1");
  out.Literal(10, "0.0");
  out.Literal(20, "0.0");
  out.Literal(30, "0.0");
  std::string value = "     ";
  AppendFixed(value, flags, 0);
  out.Literal(70, value);
}

void WriteVertex(DxfBuilder& out, std::string_view layer, C8Point pt) {
  BeginEntity(out, "VERTEX", layer);
  WritePlacement(out, pt);
}

void WriteSeqend(DxfBuilder& out) {
  out.Literal(0, "SEQEND");
}

void WritePoint(DxfBuilder& out, std::string_view layer, C8Point pt) {
  BeginEntity(out, "POINT", layer);
  WritePlacement(out, pt);
}

void WriteCircle(DxfBuilder& out, std::string_view layer, C8Point centre, double radius) {
  BeginEntity(out, "CIRCLE", layer);
  WritePlacement(out, centre);
  out.G15(40, radius);
}

void WriteNameLabel(DxfBuilder& out, std::string_view layer, C8Point pt, double height,
                    std::string_view text) {
  BeginEntity(out, "TEXT", layer);
  WritePlacement(out, pt);
  out.G15(40, height);
  out.Text(1, text);
  out.Literal(41, "1.0");
}

void WriteCoordLabel(DxfBuilder& out, std::string_view layer, C8Point pt, double height,
                     std::string_view text) {
  BeginEntity(out, "TEXT", layer);
  out.Literal(72, "0");
  out.Literal(73, "3");
  WritePlacement(out, pt);
  WriteAlignment(out, pt);
  out.G15(40, height);
  out.Text(1, text);
  out.Literal(41, "0.8");
}

void WriteTableHLine(DxfBuilder& out, std::string_view layer, double y, double x2) {
  BeginEntity(out, "LINE", layer);
  out.Literal(10, "0.0");
  out.C8(20, y);
  out.C8(11, x2);
  out.C8(21, y);
}

void WriteTableVLine(DxfBuilder& out, std::string_view layer, double x, double y2) {
  BeginEntity(out, "LINE", layer);
  out.C8(10, x);
  out.Literal(20, "0.0");
  out.C8(11, x);
  out.C8(21, y2);
}

void WriteTableCell(DxfBuilder& out, std::string_view layer, CellAlign align, double x, double y,
                    double height, std::string_view text, CellRow row) {
  static constexpr std::string_view kAlign[] = {"0", "1", "2"};
  BeginEntity(out, "TEXT", layer);
  out.Literal(72, kAlign[static_cast<int>(align)]);
  out.Literal(73, "2");
  out.C8(10, x);
  out.C8(20, y);
  out.C8(11, x);
  out.C8(21, y);
  out.G15(40, height);
  out.Text(1, text);
  out.Literal(41, row == CellRow::kHeader ? "1.0" : "0.8");
}

}  // namespace vensa
