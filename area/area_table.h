// The table of a parcel's area by coordinates (座標求積表) as texts: the columns 点名, X, Y,
// Yn+1-Yn-1, Xn(Yn+1-Yn-1), 辺長 (and 方向角), one row per boundary point, then the totals
// 倍面積, 面積 and 地積. The drawing, the worksheet and vensa-cli all show these texts.
#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "area/parcel_area.h"

namespace vensa {

struct AreaTotal {
  std::string label;  // "倍面積", "面積", "地積"
  std::string value;
  std::string unit;  // "㎡" for 地積; empty for the others
  std::string rule;  // the truncation rule of 地積; empty for the others
};

struct AreaTable {
  std::string name;
  std::vector<std::string> header;
  // One row per point, as many cells as the header; the cells of columns 1 to 5 are
  // numbers, the name and the direction angle are texts.
  std::vector<std::vector<std::string>> points;
  std::array<AreaTotal, 3> totals;
};

// The columns that hold numbers.
inline constexpr int kAreaFirstNumberColumn = 1;
inline constexpr int kAreaLastNumberColumn = 5;
// The column under which the totals stand in the drawing: the products they sum.
inline constexpr int kAreaProductColumn = 4;

AreaTable BuildAreaTable(const ParcelArea& area, bool directionColumn);

// The table as TAB-separated lines, each ended by LF: the parcel's name, the header, one
// line per point and "倍面積<TAB>value", "面積<TAB>value", "地積<TAB>value".
void AppendAreaTableText(std::string& out, const AreaTable& table);

}  // namespace vensa

namespace vensa {

struct AreaOptions {
  LandCategory category = LandCategory::kTakuchi;
  CoordUnit unit = CoordUnit::kMetre;  // of the coordinate list; SIMA parcels are metres
  bool directionColumn = false;
};

// The tables of the rings that could be computed, in order, and the notes for the user:
// each refused ring (AreaRefusedError's message) and each warning.
struct AreaTables {
  std::vector<AreaTable> tables;
  std::vector<std::string> notes;
  std::int64_t computed = 0;
  std::int64_t refused = 0;
};

AreaTables ComputeAreaTables(const std::vector<AreaRing>& rings, const AreaOptions& options);

// The same ring by ring, each table handed to `onTable` as soon as it is made and none
// kept (`tables` stays empty): ten thousand parcels never hold all their tables at once.
AreaTables StreamAreaTables(std::size_t ringCount,
                            const std::function<AreaRing(std::size_t)>& ringAt,
                            const AreaOptions& options,
                            const std::function<void(const AreaTable&)>& onTable);

// Every table as AppendAreaTableText gives it, a blank line between two.
std::string AreaTablesText(const std::vector<AreaTable>& tables);

// The tables' rows as a worksheet holds them, each handed to `row` in order: the parcel's
// name, the header, the points, the totals (label, value, unit, rule), an empty row
// between two tables.
void ForEachAreaSheetRow(std::span<const AreaTable> tables,
                         const std::function<void(std::span<const std::string>)>& row);

}  // namespace vensa
