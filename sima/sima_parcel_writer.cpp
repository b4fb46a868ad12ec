#include "sima/sima_parcel_writer.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "core/number_read.h"
#include "core/text.h"
#include "sima/sima_record.h"

namespace vensa {
namespace {

// A point's place to the millimetre, as one key.
struct Place {
  std::int64_t x, y;
  bool operator==(const Place&) const = default;
};

struct PlaceHash {
  std::size_t operator()(const Place& p) const {
    return std::hash<std::int64_t>()(p.x * 1000003 ^ p.y);
  }
};

std::optional<Place> PlaceOf(std::string_view x, std::string_view y) {
  const std::optional<double> vx = TryReadNumber(x), vy = TryReadNumber(y);
  if (!vx || !vy || std::fabs(*vx) > 1e12 || std::fabs(*vy) > 1e12) return std::nullopt;
  return Place{std::llround(*vx * 1000.0), std::llround(*vy * 1000.0)};
}

void AppendField(std::string& out, std::string_view field) {
  out += field;
  out += ',';
}

}  // namespace

SimaParcelRecords BuildSimaParcelRecords(const std::vector<TParcel>& parcels,
                                         const TextGrid& writeList) {
  // The first written point at a place names it.
  std::unordered_map<Place, int, PlaceHash> rowAt;
  for (int w = 2; w <= writeList.RowCount() - 2; ++w) {
    if (writeList.Cell(kSimaColCode, w) == kSimaDataEndCode) break;
    if (auto place = PlaceOf(writeList.Cell(kSimaColX, w), writeList.Cell(kSimaColY, w)))
      rowAt.emplace(*place, w);
  }
  SimaParcelRecords records;
  std::vector<int> rows;
  for (const TParcel& parcel : parcels) {
    rows.clear();
    const TParcelVertex* missing = nullptr;
    for (const TParcelVertex& v : parcel.vertices) {
      const auto place = PlaceOf(v.x, v.y);
      const auto found = place ? rowAt.find(*place) : rowAt.end();
      if (found == rowAt.end()) {
        missing = &v;
        break;
      }
      rows.push_back(found->second);
    }
    if (missing != nullptr || rows.empty()) {
      records.leftOut.push_back(
          "画地 \"" + parcel.name + "\" は点 " +
          (missing ? (missing->name.empty() ? missing->number : missing->name) : std::string()) +
          " がリストにないため保存しませんでした。");
      continue;
    }
    std::string& out = records.lines;
    out += "D00,";
    AppendField(out, parcel.number);
    AppendField(out, parcel.name);
    AppendField(out, parcel.kind);
    out += "\r\n";
    for (int w : rows) {
      out += "B01,";
      AppendField(out, writeList.Cell(kSimaColNumber, w));
      AppendField(out, writeList.Cell(kSimaColName, w));
      out += "\r\n";
    }
    out += "D99,\r\n";
    ++records.written;
  }
  return records;
}

}  // namespace vensa
