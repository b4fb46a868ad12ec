#include "cad/class_members.h"

#include <map>
#include <set>

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

}  // namespace vensa
