// The texts the point-name search may name a row after, and a grid over them for drawings
// whose texts spread over the plane: a row then looks only at the few cells its window
// reaches, instead of walking down a tree.
#pragma once

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/acad_point.h"
#include "core/geometry.h"

namespace vensa {

struct TextCandidate {
  TAcadPoint at;  // in the list's system
  const std::string* name;
};

// One row's search: the candidate naming a row at p is the nearest in the plane among
// those whose position differs from p by less than the range in X and in Y, the first in
// table order on equal distance.
struct NearestTextQuery {
  TAcadPoint p;
  double range;
  double best;         // the distance of the one chosen (range * 100 before any)
  std::size_t chosen;  // its index; `none` while there is none
  std::size_t none;
  std::size_t looked = 0;  // candidates considered: the work the search did

  NearestTextQuery(const TAcadPoint& at, double r, std::size_t candidates)
      : p(at), range(r), best(r * 100.0), chosen(candidates), none(candidates) {}

  void Consider(std::size_t i, const TAcadPoint& t) {
    ++looked;
    if (!NearlyEqual2D(p, t, range)) return;
    const double dist = Distance2D(p, t);
    if (dist < best || (chosen != none && dist == best && i < chosen)) {
      best = dist;
      chosen = i;
    }
  }
};

class CandidateGrid {
 public:
  // The grid over the candidates with cells as wide as the range; nothing when it would
  // not pay: positions too far out for cells of that size, too many cells for the texts,
  // or texts crowding a few cells (a tree prunes those by distance).
  static std::unique_ptr<CandidateGrid> Over(const std::vector<TextCandidate>& candidates,
                                             double range);

  // Considers every candidate the query's window can hold.
  void Search(NearestTextQuery& q) const;

 private:
  struct Placed {
    TAcadPoint at;
    std::uint32_t index;  // in the candidates
  };

  // The cell of a coordinate along one axis, counted from the grid's origin.
  double CellOf(double v, double origin) const { return std::floor((v - origin) / cell_); }

  double cell_ = 0.0;
  double originX_ = 0.0, originY_ = 0.0;
  std::int64_t columns_ = 0, rows_ = 0;
  std::vector<std::uint32_t> cellStart_;  // into placed_, per cell row by row, plus the end
  std::vector<Placed> placed_;            // cell by cell
};

}  // namespace vensa
