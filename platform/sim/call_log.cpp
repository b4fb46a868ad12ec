#include "platform/sim/call_log.h"

#include <algorithm>

namespace vensa {

int CallLog::Count(const std::string& line) const {
  return static_cast<int>(std::count(lines_.begin(), lines_.end(), line));
}

int CallLog::CountPrefix(const std::string& prefix) const {
  return static_cast<int>(std::count_if(lines_.begin(), lines_.end(), [&](const std::string& l) {
    return l.compare(0, prefix.size(), prefix) == 0;
  }));
}

}  // namespace vensa
