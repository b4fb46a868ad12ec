#include "sima/sima_parcels.h"

#include <cmath>
#include <unordered_map>

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
    parcels_.push_back(std::move(parcel));
    open_ = true;
    return true;
  }
  if (!open_) return false;
  if (code == "B01") {
    corners_.push_back({parcels_.size() - 1, std::string(TrimBlanks(SimaField(line, 1))),
                        std::string(TrimBlanks(SimaField(line, 2))), lineNumber});
    return true;
  }
  if (code == "D99") open_ = false;
  return code == "C03" || code == "D99";
}

std::vector<TParcel> SimaParcelCollector::Resolve(const TextGrid& readList,
                                                  SimaReadResult& result) {
  // Only the numbers and names the corners ask for are looked up, so the lookup costs
  // what the parcels cost, not what the points do. The first point of a number wins.
  std::unordered_map<std::string_view, int> byNumber, byName;
  for (const Corner& c : corners_) {
    byNumber.emplace(c.number, 0);
    byName.emplace(c.name, 0);
  }
  for (int r = readList.RowCount() - 1; r >= 1; --r) {
    if (auto it = byNumber.find(TrimBlanks(readList.Cell(kSimaColNumber, r))); it != byNumber.end())
      it->second = r;
    if (auto it = byName.find(TrimBlanks(readList.Cell(kSimaColName, r))); it != byName.end())
      it->second = r;
  }
  for (const Corner& c : corners_) {
    int row = c.number.empty() ? 0 : byNumber[c.number];
    if (row == 0 && !c.name.empty()) row = byName[c.name];
    if (row == 0) {
      if (result.missingCorners++ == 0) result.firstMissingCornerLine = c.line;
      continue;
    }
    parcels_[c.parcel].vertices.push_back(
        {c.number, c.name, readList.Cell(kSimaColX, row), readList.Cell(kSimaColY, row)});
  }
  corners_.clear();
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
