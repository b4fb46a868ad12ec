#include "sima/sima_parcels.h"

#include <cmath>
#include <functional>
#include <optional>

#include "core/error.h"
#include "core/number_read.h"
#include "core/text.h"
#include "sima/sima_record.h"

namespace vensa {

bool SimaParcelCollector::Take(std::string_view code, std::string_view line,
                               std::int64_t lineNumber) {
  if (code == "D00") {
    TParcel parcel;
    parcel.number.assign(TrimBlanks(SimaField(line, 1)));
    parcel.name.assign(TrimBlanks(SimaField(line, 2)));
    parcel.kind.assign(TrimBlanks(SimaField(line, 3)));
    // Parcels of a file are mostly alike: room for as many corners as the one before
    // spares the vector its growing steps.
    if (!parcels_.empty()) parcel.vertices.reserve(parcels_.back().vertices.size());
    parcels_.push_back(std::move(parcel));
    open_ = true;
    return true;
  }
  if (!open_) return false;
  if (code == "B01") {
    parcels_.back().vertices.push_back({std::string(TrimBlanks(SimaField(line, 1))),
                                        std::string(TrimBlanks(SimaField(line, 2))),
                                        {},
                                        {}});
    cornerLines_.push_back(lineNumber);
    return true;
  }
  if (code == "D99") open_ = false;
  return code == "C03" || code == "D99";
}

namespace {

// One column of the read list indexed by its texts without blanks: the first row holding
// a text. Open addressing over one array of row numbers (0 an empty slot), so a file of a
// million points costs one allocation, not a node per point.
class ColumnIndex {
 public:
  ColumnIndex(const TextGrid& list, int column) : list_(list), column_(column) {
    std::size_t size = 16;
    while (size < 2 * static_cast<std::size_t>(list.RowCount())) size *= 2;
    slots_.assign(size, 0);
    mask_ = size - 1;
    for (int r = 1; r < list.RowCount(); ++r) {
      const std::string_view key = Key(r);
      if (key.empty()) continue;
      std::size_t i = Hash(key);
      while (slots_[i] != 0 && Key(slots_[i]) != key) i = (i + 1) & mask_;
      if (slots_[i] == 0) slots_[i] = r;
    }
  }

  // The row, or 0 when no row holds the text.
  int Find(std::string_view key) const {
    if (key.empty()) return 0;
    for (std::size_t i = Hash(key);; i = (i + 1) & mask_) {
      if (slots_[i] == 0 || Key(slots_[i]) == key) return slots_[i];
    }
  }

 private:
  std::string_view Key(int row) const { return TrimBlanks(list_.Cell(column_, row)); }
  std::size_t Hash(std::string_view key) const {
    return std::hash<std::string_view>()(key) & mask_;
  }

  const TextGrid& list_;
  int column_;
  std::vector<int> slots_;
  std::size_t mask_ = 0;
};

}  // namespace

std::vector<TParcel> SimaParcelCollector::Resolve(const TextGrid& readList,
                                                  SimaReadResult& result) {
  if (cornerLines_.empty()) return std::move(parcels_);
  const ColumnIndex byNumber(readList, kSimaColNumber);
  // Names are indexed only when a corner is not found by its number.
  std::optional<ColumnIndex> byName;
  std::size_t corner = 0;
  for (TParcel& parcel : parcels_) {
    std::vector<TParcelVertex>& vertices = parcel.vertices;
    std::size_t kept = 0;
    for (TParcelVertex& v : vertices) {
      const std::int64_t line = cornerLines_[corner++];
      int row = byNumber.Find(v.number);
      if (row == 0 && !v.name.empty()) {
        if (!byName) byName.emplace(readList, kSimaColName);
        row = byName->Find(v.name);
      }
      if (row == 0) {
        if (result.missingCorners++ == 0) result.firstMissingCornerLine = line;
        continue;
      }
      v.x.assign(TrimBlanks(readList.Cell(kSimaColX, row)));
      v.y.assign(TrimBlanks(readList.Cell(kSimaColY, row)));
      if (&vertices[kept] != &v) vertices[kept] = std::move(v);
      ++kept;
    }
    vertices.resize(kept);
  }
  cornerLines_.clear();
  return std::move(parcels_);
}

std::vector<TAcadPoint> SimaParcelOutline(const TParcel& parcel, const SimaReadOptions& options) {
  const double factor = options.scale1000 ? 1000.0 : 1.0;
  std::vector<TAcadPoint> outline;
  outline.reserve(parcel.vertices.size());
  for (const TParcelVertex& v : parcel.vertices) {
    const double x = ReadNumberCell(v.x) * factor;
    const double y = ReadNumberCell(v.y) * factor;
    if (!std::isfinite(x) || !std::isfinite(y))
      throw VensaError("画地 \"" + parcel.name + "\" の点 " + v.number +
                       " の座標が大きすぎて描画できません。");
    outline.push_back(options.swapXY ? TAcadPoint{y, x, 0.0} : TAcadPoint{x, y, 0.0});
  }
  return outline;
}

}  // namespace vensa
