#include "cad/commands/point_name_search.h"

#include <cmath>
#include <cstdint>
#include <unordered_map>

#include "core/coord_list.h"
#include "core/geometry.h"
#include "core/number_read.h"
#include "core/text.h"

namespace vensa {

namespace {

struct Candidate {
  TAcadPoint at;
  const std::string* name;
};

// Texts that may name a row, in table order, at their positions in the list's system.
std::vector<Candidate> Candidates(const std::vector<TTextBlk>& texts,
                                  const PointNameSearch& search) {
  std::vector<Candidate> out;
  out.reserve(texts.size());
  const std::string wanted = AsciiUpper(search.layer);
  for (const TTextBlk& t : texts) {
    if (!wanted.empty() && AsciiUpper(t.layer) != wanted) continue;
    // A comma would split the name in the files the list goes to: such a text is passed
    // over and does not hide a farther one.
    if (t.str.find(',') != std::string::npos) continue;
    TAcadPoint at = TextPosition(t);
    if (search.ucs) at = WcsToUcs(at, search.ucs->xAxis, search.ucs->yAxis, search.ucs->origin);
    out.push_back(Candidate{at, &t.str});
  }
  return out;
}

// Squares of the range's size hold the candidates, so a row looks at the few squares its
// window touches instead of every text. The window test and the distance are those of
// the plain scan, and ties go to the lower table index, so the names come out the same.
class CandidateGrid {
 public:
  // Cells farther from the origin than this are no longer exact integers.
  static constexpr double kMaxCell = 1e15;

  static bool Usable(const std::vector<Candidate>& candidates, double range) {
    if (!std::isfinite(range)) return false;
    for (const Candidate& c : candidates) {
      if (!(std::fabs(c.at.x / range) < kMaxCell && std::fabs(c.at.y / range) < kMaxCell)) {
        return false;
      }
    }
    return true;
  }

  CandidateGrid(const std::vector<Candidate>& candidates, double range) : range_(range) {
    cells_.reserve(candidates.size());
    for (std::size_t i = 0; i < candidates.size(); ++i) {
      cells_[Key(Cell(candidates[i].at.x), Cell(candidates[i].at.y))].push_back(i);
    }
  }

  // Calls visit(i) for every candidate that may lie inside the window around p. The
  // window spans at most three cells per axis; one more on each side absorbs the rounding
  // of the division.
  template <typename Visit>
  void ForEachNear(const TAcadPoint& p, Visit visit) const {
    if (!(std::fabs(p.x / range_) < kMaxCell && std::fabs(p.y / range_) < kMaxCell)) return;
    const std::int64_t cx = Cell(p.x);
    const std::int64_t cy = Cell(p.y);
    for (std::int64_t x = cx - 2; x <= cx + 2; ++x) {
      for (std::int64_t y = cy - 2; y <= cy + 2; ++y) {
        auto it = cells_.find(Key(x, y));
        if (it == cells_.end()) continue;
        for (std::size_t i : it->second) visit(i);
      }
    }
  }

 private:
  std::int64_t Cell(double v) const { return static_cast<std::int64_t>(std::floor(v / range_)); }
  static std::uint64_t Key(std::int64_t x, std::int64_t y) {
    return static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ull ^ static_cast<std::uint64_t>(y);
  }

  double range_;
  // Cells may share a key; the exact window test sorts that out.
  std::unordered_map<std::uint64_t, std::vector<std::size_t>> cells_;
};

}  // namespace

TAcadPoint TextPosition(const TTextBlk& text) {
  const bool onBaseLine = text.code72 == 0 || text.code72 == 3 || text.code72 == 5;
  return onBaseLine && text.code73 == 0 ? text.pt10 : text.pt11;
}

void NameRowsAfterTexts(TextGrid& list, int rows, const std::vector<TTextBlk>& texts,
                        const PointNameSearch& search) {
  // A window of no size (or an unreadable range) admits no text.
  if (!(search.range > 0.0)) return;
  const std::vector<Candidate> candidates = Candidates(texts, search);
  if (candidates.empty()) return;
  const bool indexed = CandidateGrid::Usable(candidates, search.range);
  std::optional<CandidateGrid> grid;
  if (indexed) grid.emplace(candidates, search.range);

  for (int r = 1; r <= rows; ++r) {
    if (list.Cell(kColX, r).empty() || list.Cell(kColY, r).empty()) continue;
    const TAcadPoint p{ReadNumberCell(list.Cell(kColX, r)), ReadNumberCell(list.Cell(kColY, r)),
                       0.0};
    double best = search.range * 100.0;
    std::size_t chosen = candidates.size();
    auto consider = [&](std::size_t i) {
      const TAcadPoint& t = candidates[i].at;
      if (!NearlyEqual2D(p, t, search.range)) return;
      const double dist = Distance2D(p, t);
      if (dist < best || (dist == best && i < chosen)) {
        best = dist;
        chosen = i;
      }
    };
    if (indexed) {
      grid->ForEachNear(p, consider);
    } else {
      for (std::size_t i = 0; i < candidates.size(); ++i) consider(i);
    }
    if (chosen < candidates.size()) list.SetCell(kColName, r, *candidates[chosen].name);
  }
}

}  // namespace vensa
