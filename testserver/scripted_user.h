// The user in front of the test server's CAD, played without a screen: point and entity
// prompts are answered by the picks of the command line in order, then by a cancel.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "cad/sim/sim_cad.h"

namespace vensa {

class ScriptedUser {
 public:
  explicit ScriptedUser(std::vector<TAcadPoint> picks) : picks_(std::move(picks)) {}

  // Called before the CAD asks for a point (GetPoint, the ID command) or an entity
  // (GetEntity): queues the user's answer in the CAD.
  void BeforePointPrompt(SimCad& cad);
  // The entity picked is the one with a defining point (start, end, centre, insertion
  // point, vertex) nearest the pick; an empty drawing cancels.
  void BeforeEntityPrompt(SimCad& cad);

 private:
  std::vector<TAcadPoint> picks_;
  std::size_t next_ = 0;
};

// The handle of the entity nearest the point, as above; empty when there is none.
std::string NearestEntityHandle(const std::vector<SimEntity>& entities, const TAcadPoint& at);

}  // namespace vensa
