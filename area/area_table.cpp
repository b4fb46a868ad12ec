#include "area/area_table.h"

#include "core/number_format.h"

namespace vensa {

AreaTable BuildAreaTable(const ParcelArea& area, bool directionColumn) {
  AreaTable table;
  table.name = area.name;
  // ASCII minus signs: the drawing's code page has no U+2212 of its own.
  table.header = {"点名", "X", "Y", "Yn+1-Yn-1", "Xn(Yn+1-Yn-1)", "辺長"};
  if (directionColumn) table.header.push_back("方向角");
  table.points.reserve(area.rows.size());
  for (const AreaRow& row : area.rows) {
    std::vector<std::string> cells = {row.name,
                                      FormatCoordinate(area, row.x),
                                      FormatCoordinate(area, row.y),
                                      FormatCoordinate(area, row.dy),
                                      FormatProduct(area, row.product),
                                      FormatFixed(row.side, 3)};
    if (directionColumn) cells.push_back(FormatDms(row.direction));
    table.points.push_back(std::move(cells));
  }
  table.totals = {
      AreaTotal{"倍面積", FormatProduct(area, area.doubleArea), "", ""},
      AreaTotal{"面積", FormatArea(area), "", ""},
      AreaTotal{"地積", FormatRegisteredArea(area), "㎡", RegisteredAreaRule(area.category)}};
  return table;
}

namespace {

void AppendRow(std::string& out, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out += '\t';
    out += cells[i];
  }
  out += '\n';
}

}  // namespace

void AppendAreaTableText(std::string& out, const AreaTable& table) {
  out += table.name;
  out += '\n';
  AppendRow(out, table.header);
  for (const auto& row : table.points) AppendRow(out, row);
  for (const AreaTotal& total : table.totals) AppendRow(out, {total.label, total.value});
}

}  // namespace vensa

namespace vensa {

AreaTables StreamAreaTables(std::size_t ringCount,
                            const std::function<AreaRing(std::size_t)>& ringAt,
                            const AreaOptions& options,
                            const std::function<void(const AreaTable&)>& onTable) {
  AreaTables result;
  for (std::size_t i = 0; i < ringCount; ++i) {
    const AreaRing ring = ringAt(i);
    try {
      const ParcelArea area = ComputeParcelArea(ring, options.category, options.unit);
      onTable(BuildAreaTable(area, options.directionColumn));
      ++result.computed;
      result.notes.insert(result.notes.end(), area.warnings.begin(), area.warnings.end());
    } catch (const AreaRefusedError& e) {
      ++result.refused;
      result.notes.emplace_back(e.what());
    }
  }
  return result;
}

AreaTables ComputeAreaTables(const std::vector<AreaRing>& rings, const AreaOptions& options) {
  std::vector<AreaTable> tables;
  AreaTables result = StreamAreaTables(
      rings.size(), [&](std::size_t i) { return rings[i]; }, options,
      [&](const AreaTable& table) { tables.push_back(table); });
  result.tables = std::move(tables);
  return result;
}

std::string AreaTablesText(const std::vector<AreaTable>& tables) {
  std::string text;
  for (std::size_t i = 0; i < tables.size(); ++i) {
    if (i > 0) text += '\n';
    AppendAreaTableText(text, tables[i]);
  }
  return text;
}

void ForEachAreaSheetRow(std::span<const AreaTable> tables,
                         const std::function<void(std::span<const std::string>)>& row) {
  std::vector<std::string> cells;
  for (std::size_t t = 0; t < tables.size(); ++t) {
    const AreaTable& table = tables[t];
    if (t > 0) row({});
    cells.assign(1, table.name);
    row(cells);
    row(table.header);
    for (const auto& point : table.points) row(point);
    for (const AreaTotal& total : table.totals) {
      cells = {total.label, total.value, total.unit, total.rule};
      while (!cells.empty() && cells.back().empty()) cells.pop_back();
      row(cells);
    }
  }
}

}  // namespace vensa
