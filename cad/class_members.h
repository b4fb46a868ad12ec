// Which members the CAD's entity classes answer: a member asked of an entity whose class
// lacks it fails in the CAD, so the substitute refuses it the same way.
#pragma once

#include <string_view>
#include <vector>

#include "core/acad_point.h"

namespace vensa {

// Whether an entity of the class answers the property (member name as in the object
// model: "Radius", "Coordinates", "TextString", ...).
bool ClassHasProperty(std::string_view className, std::string_view member);

// What `Normal` read with an index (0, 1, 2) answers, and `GetBulge` of a vertex;
// AutomationError for an index the entity has not.
double NormalComponentOf(const TAcadPoint& normal, int index);
double BulgeOf(const std::vector<double>& bulges, int vertex);

}  // namespace vensa
