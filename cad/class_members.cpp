#include "cad/class_members.h"

#include <map>
#include <set>

#include "platform/automation_error.h"

namespace vensa {

bool ClassHasProperty(std::string_view className, std::string_view member) {
  // Members every entity answers.
  static const std::set<std::string_view> kCommon = {"EntityName", "Layer", "Handle", "color",
                                                     "Update"};
  static const std::map<std::string_view, std::set<std::string_view>> kByClass = {
      {"AcDbLine", {"StartPoint", "endpoint", "Thickness", "Normal"}},
      {"AcDbCircle", {"center", "Radius", "Thickness", "Normal"}},
      {"AcDbArc",
       {"center", "Radius", "Thickness", "Normal", "StartAngle", "EndAngle", "StartPoint",
        "endpoint"}},
      {"AcDbEllipse", {"center", "RadiusRatio", "endpoint", "Normal", "StartAngle", "EndAngle"}},
      {"AcDbPolyline", {"Coordinates", "Normal", "Elevation", "Thickness", "Closed", "GetBulge"}},
      {"AcDb2dPolyline", {"Coordinates", "Normal", "Elevation", "Thickness", "Closed", "GetBulge"}},
      {"AcDb3dPolyline", {"Coordinates", "Closed"}},
      {"AcDbText",
       {"InsertionPoint", "TextAlignmentPoint", "TextString", "Height", "ScaleFactor", "Rotation",
        "HorizontalAlignment", "VerticalAlignment", "Normal", "Thickness"}},
      {"AcDbPoint", {"Coordinates", "Normal", "Thickness"}},
  };
  if (kCommon.count(member) != 0) return true;
  auto it = kByClass.find(className);
  return it != kByClass.end() && it->second.count(member) != 0;
}

double NormalComponentOf(const TAcadPoint& normal, int index) {
  switch (index) {
    case 0:
      return normal.x;
    case 1:
      return normal.y;
    case 2:
      return normal.z;
    default:
      throw AutomationError("Normal", "無効なインデックスです");
  }
}

double BulgeOf(const std::vector<double>& bulges, int vertex) {
  if (vertex < 0 || static_cast<std::size_t>(vertex) >= bulges.size()) {
    throw AutomationError("GetBulge", "無効な頂点番号です");
  }
  return bulges[static_cast<std::size_t>(vertex)];
}

}  // namespace vensa
