// The common base of every object that crosses the automation boundary: what the
// platform hands out as the running object of a class. Object models (the CAD's, the
// spreadsheet's) derive their application classes from it, so a running object can be
// turned into the model it belongs to.
#pragma once

namespace vensa {

class AutomationObject {
 public:
  virtual ~AutomationObject() = default;
};

}  // namespace vensa
