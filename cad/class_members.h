// Which members the CAD's entity classes answer: a member asked of an entity whose class
// lacks it fails in the CAD, so the substitute refuses it the same way.
#pragma once

#include <string_view>

namespace vensa {

// Whether an entity of the class answers the property (member name as in the object
// model: "Radius", "Coordinates", "TextString", ...).
bool ClassHasProperty(std::string_view className, std::string_view member);

}  // namespace vensa
