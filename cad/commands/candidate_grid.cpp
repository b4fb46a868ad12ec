#include "cad/commands/candidate_grid.h"

#include <algorithm>
#include <limits>

namespace vensa {

namespace {

// Cells a grid may have: a few per text (the rest stay empty), and never so many that
// the cell table outweighs the texts.
constexpr double kCellsPerCandidate = 4.0;
constexpr double kFewCells = 4096.0;
// Texts per occupied cell beyond which a grid would look at too many in each window.
constexpr double kMostPerCell = 4.0;

// A bound below (side -1) or above (side +1) every coordinate whose floating-point
// difference from v is less than the range: the difference is rounded by at most a part
// in 2^53 of itself, the bound's own arithmetic by less than the margin taken.
double WindowBound(double v, double range, double side) {
  const double bound = v + side * (range * (1.0 + 0x1p-50));
  return bound + side * (std::fabs(bound) * 0x1p-50 + std::numeric_limits<double>::denorm_min());
}

}  // namespace

std::unique_ptr<CandidateGrid> CandidateGrid::Over(const std::vector<TextCandidate>& candidates,
                                                   double range) {
  if (candidates.empty() || candidates.size() >= std::numeric_limits<std::uint32_t>::max() ||
      !std::isnormal(range) || !std::isfinite(range * 4.0)) {
    return nullptr;
  }
  auto grid = std::unique_ptr<CandidateGrid>(new CandidateGrid());
  grid->cell_ = range;
  double minX = 0, minY = 0, maxX = 0, maxY = 0;
  bool any = false;
  for (const TextCandidate& c : candidates) {
    // A text at no finite position is inside no window: it has no cell.
    if (!std::isfinite(c.at.x) || !std::isfinite(c.at.y)) continue;
    minX = any ? std::min(minX, c.at.x) : c.at.x;
    minY = any ? std::min(minY, c.at.y) : c.at.y;
    maxX = any ? std::max(maxX, c.at.x) : c.at.x;
    maxY = any ? std::max(maxY, c.at.y) : c.at.y;
    any = true;
  }
  if (!any) return nullptr;
  grid->originX_ = minX;
  grid->originY_ = minY;
  const double columns = grid->CellOf(maxX, minX) + 1.0;
  const double rows = grid->CellOf(maxY, minY) + 1.0;
  const double allowed =
      std::max(kFewCells, kCellsPerCandidate * static_cast<double>(candidates.size()));
  if (!(columns >= 1.0 && rows >= 1.0 && columns * rows <= allowed && columns * rows < 0x1p31)) {
    return nullptr;
  }
  grid->columns_ = static_cast<std::int64_t>(columns);
  grid->rows_ = static_cast<std::int64_t>(rows);

  // Counting sort of the candidates by cell; within a cell they stay in table order.
  const std::size_t cells = static_cast<std::size_t>(grid->columns_ * grid->rows_);
  std::vector<std::uint32_t> cellOf(candidates.size(), std::numeric_limits<std::uint32_t>::max());
  std::vector<std::uint32_t> start(cells + 1, 0);
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const TAcadPoint& at = candidates[i].at;
    if (!std::isfinite(at.x) || !std::isfinite(at.y)) continue;
    const auto cx = static_cast<std::int64_t>(grid->CellOf(at.x, minX));
    const auto cy = static_cast<std::int64_t>(grid->CellOf(at.y, minY));
    cellOf[i] = static_cast<std::uint32_t>(cy * grid->columns_ + cx);
    ++start[cellOf[i] + 1];
  }
  std::size_t occupied = 0;
  std::size_t placedCount = 0;
  for (std::size_t k = 1; k <= cells; ++k) {
    occupied += start[k] != 0 ? 1 : 0;
    placedCount += start[k];
  }
  if (static_cast<double>(placedCount) > kMostPerCell * static_cast<double>(occupied)) {
    return nullptr;
  }
  for (std::size_t k = 1; k <= cells; ++k) start[k] += start[k - 1];
  grid->placed_.resize(placedCount);
  std::vector<std::uint32_t> next(start.begin(), start.end() - 1);
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (cellOf[i] == std::numeric_limits<std::uint32_t>::max()) continue;
    grid->placed_[next[cellOf[i]]++] = Placed{candidates[i].at, static_cast<std::uint32_t>(i)};
  }
  grid->cellStart_ = std::move(start);
  return grid;
}

void CandidateGrid::Search(NearestTextQuery& q) const {
  // Subtracting the origin and dividing by the cell size never reverse the order of two
  // coordinates, so the cells between those of the window's bounds hold every text the
  // window test can admit.
  const double x0 = CellOf(WindowBound(q.p.x, q.range, -1.0), originX_);
  const double x1 = CellOf(WindowBound(q.p.x, q.range, 1.0), originX_);
  const double y0 = CellOf(WindowBound(q.p.y, q.range, -1.0), originY_);
  const double y1 = CellOf(WindowBound(q.p.y, q.range, 1.0), originY_);
  // NaN bounds (a point at no finite position) fail these tests too.
  if (!(x1 >= 0.0 && y1 >= 0.0 && x0 < static_cast<double>(columns_) &&
        y0 < static_cast<double>(rows_))) {
    return;
  }
  const std::int64_t cx0 = static_cast<std::int64_t>(std::max(x0, 0.0));
  const std::int64_t cx1 =
      static_cast<std::int64_t>(std::min(x1, static_cast<double>(columns_ - 1)));
  const std::int64_t cy0 = static_cast<std::int64_t>(std::max(y0, 0.0));
  const std::int64_t cy1 = static_cast<std::int64_t>(std::min(y1, static_cast<double>(rows_ - 1)));
  for (std::int64_t cy = cy0; cy <= cy1; ++cy) {
    // The cells of one row of the window follow each other.
    const auto first = static_cast<std::size_t>(cy * columns_ + cx0);
    const auto last = static_cast<std::size_t>(cy * columns_ + cx1);
    for (std::uint32_t k = cellStart_[first]; k < cellStart_[last + 1]; ++k) {
      q.Consider(placed_[k].index, placed_[k].at);
    }
  }
}

}  // namespace vensa
