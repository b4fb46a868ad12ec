// Prints what the drawing reader makes of a drawing file as JSON, for the check against
// drawings written by an outside DXF library (drawing_ezdxf_check.py).
// Usage: drawing_dump <file.dxf>; a file that cannot be read: its message, exit 1.
#include <cstdio>
#include <iostream>
#include <string>

#include "core/number_format.h"
#include "dxf/drawing_reader.h"

namespace {

using vensa::DrawingEntity;
using vensa::TAcadPoint;

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Number(double v) {
  return vensa::FormatG15(v);
}

std::string Point(const TAcadPoint& p) {
  return "[" + Number(p.x) + "," + Number(p.y) + "," + Number(p.z) + "]";
}

std::string Numbers(const std::vector<double>& values) {
  std::string out = "[";
  for (std::size_t i = 0; i < values.size(); ++i) out += (i ? "," : "") + Number(values[i]);
  return out + "]";
}

std::string EntityJson(const DrawingEntity& e) {
  std::string out = "{\"class\":" + Quoted(e.className) + ",\"layer\":" + Quoted(e.layer);
  auto field = [&out](const char* name, const std::string& value) {
    out += std::string(",\"") + name + "\":" + value;
  };
  const std::string& c = e.className;
  if (c == "AcDbLine") {
    field("start", Point(e.start));
    field("end", Point(e.end));
  } else if (c == "AcDbCircle" || c == "AcDbArc") {
    field("center", Point(e.center));
    field("radius", Number(e.radius));
    if (c == "AcDbArc") {
      field("startAngle", Number(e.startAngle));
      field("endAngle", Number(e.endAngle));
    }
  } else if (c == "AcDbEllipse") {
    field("center", Point(e.center));
    field("ratio", Number(e.radiusRatio));
  } else if (c == "AcDbPolyline" || c == "AcDb2dPolyline" || c == "AcDb3dPolyline") {
    field("coordinates", Numbers(e.coordinates));
    field("bulges", Numbers(e.bulges));
    field("closed", e.closed ? "true" : "false");
    field("elevation", Number(e.elevation));
    field("normal", Point(e.normal));
  } else if (c == "AcDbText") {
    field("text", Quoted(e.text));
    field("insertion", Point(e.insertion));
    field("alignment", Point(e.alignment));
    field("height", Number(e.height));
    field("rotation", Number(e.rotation));
    field("halign", std::to_string(e.horizontalAlignment));
    field("valign", std::to_string(e.verticalAlignment));
  } else if (c == "AcDbPoint") {
    field("coordinates", Numbers(e.coordinates));
  }
  return out + "}";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: drawing_dump <file.dxf>\n";
    return 2;
  }
  try {
    const vensa::Drawing d = vensa::ReadDrawingFile(argv[1]);
    std::string out = "{\"dimscale\":" + Number(d.dimscale) + ",\"ucsorg\":" + Point(d.ucsOrigin) +
                      ",\"ucsxdir\":" + Point(d.ucsXDir) + ",\"ucsydir\":" + Point(d.ucsYDir) +
                      ",\"layers\":[";
    for (std::size_t i = 0; i < d.layers.size(); ++i) out += (i ? "," : "") + Quoted(d.layers[i]);
    out += "],\"entities\":[";
    for (std::size_t i = 0; i < d.Size(); ++i) {
      out += (i ? ",\n" : "\n") + EntityJson(d.Entity(i));
    }
    std::cout << out << "]}\n";
    return 0;
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
}
