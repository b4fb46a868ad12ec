#include "cad/commands/point_name_search.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "cad/commands/candidate_grid.h"
#include "core/coord_list.h"
#include "core/geometry.h"
#include "core/number_read.h"
#include "core/text.h"

namespace vensa {

namespace {

// Texts that may name a row, in table order, at their positions in the list's system.
std::vector<TextCandidate> TextCandidates(std::span<const TTextBlk> texts,
                                          const PointNameSearch& search) {
  std::vector<TextCandidate> out;
  out.reserve(texts.size());
  const std::string wanted = AsciiUpper(search.layer);
  for (const TTextBlk& t : texts) {
    if (!wanted.empty() && AsciiUpper(t.layer) != wanted) continue;
    // A comma would split the name in the files the list goes to: such a text is passed
    // over and does not hide a farther one.
    if (t.str.find(',') != std::string::npos) continue;
    TAcadPoint at = TextPosition(t);
    if (search.ucs) at = WcsToUcs(at, search.ucs->xAxis, search.ucs->yAxis, search.ucs->origin);
    out.push_back(TextCandidate{at, &t.str});
  }
  return out;
}

// A k-d tree over the candidates: a row visits only the parts of the plane that can still
// hold a text inside its window and nearer than the best found so far, whatever the
// coordinates and the range (a text far out, a range of 1e-12 or 1e300). The window
// test, the distance and the tie rule are those of the plain scan: the floating-point
// differences, products, sums and square root only grow with the true distance, so a
// part's nearest corner bounds every text in it, and the names come out the same.
class CandidateTree {
 public:
  explicit CandidateTree(const std::vector<TextCandidate>& candidates) : candidates_(candidates) {
    for (std::size_t i = 0; i < candidates.size(); ++i) {
      const TAcadPoint& at = candidates[i].at;
      // A text at no finite position is inside no window.
      if (std::isfinite(at.x) && std::isfinite(at.y)) order_.push_back(i);
    }
    if (!order_.empty()) Build(0, order_.size(), 0);
  }

  // Considers every candidate that may still be the one the query names the row after.
  void Search(NearestTextQuery& q) const {
    if (!nodes_.empty()) Visit(0, q);
  }

 private:
  static constexpr std::size_t kLeafSize = 8;

  struct Node {
    double minX, minY, maxX, maxY;
    std::size_t begin, end;           // the node's candidates in order_
    std::size_t left = 0, right = 0;  // children; 0 for a leaf (node 0 is the root)
    std::size_t first = 0;            // the earliest of its candidates in table order
  };

  std::size_t Build(std::size_t begin, std::size_t end, int depth) {
    const std::size_t index = nodes_.size();
    nodes_.push_back(Node{0, 0, 0, 0, begin, end});
    Node box = nodes_[index];
    const TAcadPoint& first = candidates_[order_[begin]].at;
    box.minX = box.maxX = first.x;
    box.minY = box.maxY = first.y;
    box.first = order_[begin];
    for (std::size_t k = begin; k < end; ++k) {
      const TAcadPoint& at = candidates_[order_[k]].at;
      box.first = std::min(box.first, order_[k]);
      box.minX = std::min(box.minX, at.x);
      box.maxX = std::max(box.maxX, at.x);
      box.minY = std::min(box.minY, at.y);
      box.maxY = std::max(box.maxY, at.y);
    }
    if (end - begin > kLeafSize) {
      const std::size_t middle = begin + (end - begin) / 2;
      const bool byX = depth % 2 == 0;
      std::nth_element(order_.begin() + static_cast<std::ptrdiff_t>(begin),
                       order_.begin() + static_cast<std::ptrdiff_t>(middle),
                       order_.begin() + static_cast<std::ptrdiff_t>(end),
                       [&](std::size_t a, std::size_t b) {
                         const TAcadPoint& pa = candidates_[a].at;
                         const TAcadPoint& pb = candidates_[b].at;
                         return byX ? pa.x < pb.x : pa.y < pb.y;
                       });
      box.left = Build(begin, middle, depth + 1);
      box.right = Build(middle, end, depth + 1);
    }
    nodes_[index] = box;
    return index;
  }

  static double SquaredDistance(const TAcadPoint& a, const TAcadPoint& b) {
    const double dx = a.x - b.x;
    const double dy = a.y - b.y;
    return dx * dx + dy * dy;
  }

  // The point of the node's box nearest to p.
  static TAcadPoint Closest(const Node& n, const TAcadPoint& p) {
    return {std::clamp(p.x, n.minX, n.maxX), std::clamp(p.y, n.minY, n.maxY), 0.0};
  }

  // Whether a text in the node may still be inside the window and not farther than the
  // best: on equal distance only a text earlier in the table than the one chosen wins, so
  // a part whose texts all come later is passed over (texts piled on one spot would keep
  // every part open otherwise, and each row would look at all of them).
  static bool MayHold(const Node& n, const NearestTextQuery& q) {
    const TAcadPoint c = Closest(n, q.p);
    if (!NearlyEqual2D(q.p, c, q.range)) return false;
    const double d = Distance2D(q.p, c);
    if (d > q.best) return false;
    return !(d == q.best && q.chosen != q.none && n.first > q.chosen);
  }

  void Visit(std::size_t index, NearestTextQuery& q) const {
    const Node& n = nodes_[index];
    if (!MayHold(n, q)) return;
    if (n.left == 0) {
      for (std::size_t k = n.begin; k < n.end; ++k)
        q.Consider(order_[k], candidates_[order_[k]].at);
      return;
    }
    // The nearer half first, so the best is small when the farther one is looked at (an
    // order only: squared distances do); of two as near, the one with the earlier text.
    const double toLeft = SquaredDistance(q.p, Closest(nodes_[n.left], q.p));
    const double toRight = SquaredDistance(q.p, Closest(nodes_[n.right], q.p));
    const bool leftFirst =
        toLeft < toRight || (!(toRight < toLeft) && nodes_[n.left].first <= nodes_[n.right].first);
    Visit(leftFirst ? n.left : n.right, q);
    Visit(leftFirst ? n.right : n.left, q);
  }

  const std::vector<TextCandidate>& candidates_;
  std::vector<std::size_t> order_;
  std::vector<Node> nodes_;
};

// One text names every row it is nearest to, each row holding a copy: a text of megabytes
// beside thousands of points would take gigabytes. The names together may take what the
// texts themselves take, several times over, and at least kNameBytesAlways.
void RequireNamesWithinBudget(const std::vector<std::size_t>& chosen,
                              const std::vector<TextCandidate>& candidates) {
  std::uint64_t texts = 0;
  for (const TextCandidate& c : candidates) texts += c.name->size();
  const std::uint64_t allowed = kNameBytesAlways + kNameBytesPerTextByte * texts;
  std::uint64_t names = 0;
  for (std::size_t c : chosen) {
    if (c != candidates.size()) names += candidates[c].name->size();
  }
  if (names > allowed) {
    throw PointNameBudgetError("測点名検索: 長い TEXT が多くの点の名前になり、名前が合わせて " +
                               std::to_string(names >> 20) + " MB になります (" +
                               std::to_string(allowed >> 20) + " MB まで)。");
  }
}

}  // namespace

TAcadPoint TextPosition(const TTextBlk& text) {
  return StandsAtInsertionPoint(text) ? text.pt10 : text.pt11;
}

std::size_t NameRowsAfterTexts(TextGrid& list, int rows, std::span<const TTextBlk> texts,
                               const PointNameSearch& search) {
  // A window of no size (or an unreadable range) admits no text.
  if (!(search.range > 0.0)) return 0;
  const std::vector<TextCandidate> candidates = TextCandidates(texts, search);
  if (candidates.empty()) return 0;
  // A grid where the texts spread over the plane (a survey's names beside their points),
  // the tree where they crowd or lie far apart.
  const std::unique_ptr<CandidateGrid> grid = CandidateGrid::Over(candidates, search.range);
  std::optional<CandidateTree> tree;
  if (!grid) tree.emplace(candidates);

  rows = std::clamp(rows, 0, list.DataRowCount());
  std::vector<std::size_t> chosen(static_cast<std::size_t>(rows) + 1, candidates.size());
  std::atomic<std::size_t> looked{0};
  auto searchRows = [&](int first, int last) {
    std::size_t lookedHere = 0;
    for (int r = first; r <= last; ++r) {
      if (list.Cell(kColX, r).empty() || list.Cell(kColY, r).empty()) continue;
      const TAcadPoint p{ReadNumberCell(list.Cell(kColX, r)), ReadNumberCell(list.Cell(kColY, r)),
                         0.0};
      NearestTextQuery q(p, search.range, candidates.size());
      if (grid) {
        grid->Search(q);
      } else {
        tree->Search(q);
      }
      chosen[static_cast<std::size_t>(r)] = q.chosen;
      lookedHere += q.looked;
    }
    looked += lookedHere;
  };
  // Each row's search reads the list and the index only: a long list shares the rows out
  // among the processor's cores, and each row is named as it would be by one.
  constexpr int kRowsPerWorker = 25000;
  const int workers =
      std::min({static_cast<int>(std::thread::hardware_concurrency()), 4, rows / kRowsPerWorker});
  if (workers < 2) {
    searchRows(1, rows);
  } else {
    std::vector<std::thread> threads;
    const int share = (rows + workers - 1) / workers;
    int first = 1 + share;
    try {
      for (; first <= rows; first += share) {
        threads.emplace_back(searchRows, first, std::min(first + share - 1, rows));
      }
    } catch (const std::system_error&) {
      // No more threads to be had: this one searches the rows left.
    }
    searchRows(1, std::min(share, rows));
    if (first <= rows) searchRows(first, rows);
    for (std::thread& t : threads) t.join();
  }
  RequireNamesWithinBudget(chosen, candidates);
  for (int r = 1; r <= rows; ++r) {
    const std::size_t c = chosen[static_cast<std::size_t>(r)];
    if (c != candidates.size()) list.SetCell(kColName, r, *candidates[c].name);
  }
  return looked;
}

}  // namespace vensa
