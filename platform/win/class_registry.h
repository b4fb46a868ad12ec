// The class registry read for the ProgIDs a caller wants: each ProgID's class (through
// CurVer), its description, whether a program of its own serves it, and whether an object
// of it is in the running object table. Reads only; nothing is started or written.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace vensa::win {

std::vector<RegisteredClass> ReadRegisteredClasses(
    const std::function<bool(std::string_view progId)>& wanted);

}  // namespace vensa::win
