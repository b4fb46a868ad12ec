#include "cad/sim/dxf_entity_import.h"

#include <numbers>

#include "cad/sim/dxf_entity_groups.h"
#include "cad/sim/dxf_group_reader.h"

namespace vensa {

namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;

// The groups of one entity: from its "0" group up to the next one.
struct GroupRun {
  std::string type;
  const DxfGroup* begin = nullptr;
  const DxfGroup* end = nullptr;
  int line = 0;
};

// The index of the first group after "0 SECTION / 2 ENTITIES", or groups.size().
std::size_t FindEntities(const std::vector<DxfGroup>& groups) {
  for (std::size_t i = 0; i + 1 < groups.size(); ++i) {
    if (groups[i].code == 0 && groups[i].value == "SECTION" && groups[i + 1].code == 2 &&
        groups[i + 1].value == "ENTITIES") {
      return i + 2;
    }
  }
  return groups.size();
}

// The properties every entity shares; false for a pair it does not know.
bool ReadCommon(const DxfGroup& g, SimEntity& e) {
  if (g.code == 8) {
    e.layer = g.value;
    return true;
  }
  return ReadSharedEntityGroup(g, e);
}

SimEntity ReadSimple(const GroupRun& run) {
  SimEntity e;
  TAcadPoint p;
  if (run.type == "POINT") {
    e.className = "AcDbPoint";
    for (const DxfGroup* g = run.begin; g != run.end; ++g) {
      if (!ReadCommon(*g, e)) ReadPointGroup(*g, 0, p);
    }
    e.coordinates = {p.x, p.y, p.z};
  } else if (run.type == "CIRCLE") {
    e.className = "AcDbCircle";
    for (const DxfGroup* g = run.begin; g != run.end; ++g) {
      if (ReadCommon(*g, e) || ReadPointGroup(*g, 0, e.center)) continue;
      if (g->code == 40) e.radius = GroupNumber(*g);
    }
  } else if (run.type == "LINE") {
    e.className = "AcDbLine";
    for (const DxfGroup* g = run.begin; g != run.end; ++g) {
      if (!ReadCommon(*g, e) && !ReadPointGroup(*g, 0, e.start)) ReadPointGroup(*g, 1, e.end);
    }
  } else {  // TEXT
    e.className = "AcDbText";
    for (const DxfGroup* g = run.begin; g != run.end; ++g) {
      if (ReadCommon(*g, e) || ReadPointGroup(*g, 0, e.insertion) ||
          ReadPointGroup(*g, 1, e.alignment)) {
        continue;
      }
      switch (g->code) {
        case 1:
          e.text = g->value;
          break;
        case 40:
          e.height = GroupNumber(*g);
          break;
        case 41:
          e.scaleFactor = GroupNumber(*g);
          break;
        case 50:
          e.rotation = GroupNumber(*g) * kDegToRad;
          break;
        case 72:
          e.horizontalAlignment = GroupInteger(*g);
          break;
        case 73:
          e.verticalAlignment = GroupInteger(*g);
          break;
        default:
          break;
      }
    }
  }
  return e;
}

std::vector<GroupRun> SplitRuns(const std::vector<DxfGroup>& groups, std::size_t from) {
  std::vector<GroupRun> runs;
  for (std::size_t i = from; i < groups.size(); ++i) {
    if (groups[i].code != 0) {
      if (runs.empty()) {
        throw DxfReadError("DXF: " + std::to_string(groups[i].line) +
                           " 行目: ENTITIES セクションが 0 グループで始まりません");
      }
      runs.back().end = &groups[i] + 1;
      continue;
    }
    if (groups[i].value == "ENDSEC") break;
    runs.push_back(GroupRun{groups[i].value, &groups[i] + 1, &groups[i] + 1, groups[i].line});
  }
  return runs;
}

}  // namespace

DxfImport ImportDxfEntities(std::string_view text) {
  const std::vector<DxfGroup> groups = ReadDxfGroups(text);
  const std::vector<GroupRun> runs = SplitRuns(groups, FindEntities(groups));
  DxfImport result;
  for (std::size_t r = 0; r < runs.size(); ++r) {
    const GroupRun& run = runs[r];
    if (run.type == "POINT" || run.type == "CIRCLE" || run.type == "LINE" || run.type == "TEXT") {
      result.entities.push_back(ReadSimple(run));
    } else if (run.type == "POLYLINE") {
      SimEntity e;
      int flags = 0;
      for (const DxfGroup* g = run.begin; g != run.end; ++g) {
        if (ReadCommon(*g, e)) continue;
        if (g->code == 70) flags = GroupInteger(*g);
        if (g->code == 30) e.elevation = GroupNumber(*g);
      }
      e.className = (flags & 8) != 0 ? "AcDb3dPolyline" : "AcDb2dPolyline";
      e.closed = (flags & 1) != 0;
      // The vertices follow as their own entities up to SEQEND.
      for (++r;; ++r) {
        if (r == runs.size()) {
          throw DxfReadError("DXF: " + std::to_string(run.line) +
                             " 行目の POLYLINE に SEQEND がありません");
        }
        if (runs[r].type == "SEQEND") break;
        if (runs[r].type != "VERTEX") {
          throw DxfReadError("DXF: " + std::to_string(runs[r].line) + " 行目: POLYLINE の中に " +
                             runs[r].type + " があります");
        }
        TAcadPoint v;
        double bulge = 0.0;
        for (const DxfGroup* g = runs[r].begin; g != runs[r].end; ++g) {
          if (!ReadPointGroup(*g, 0, v) && g->code == 42) bulge = GroupNumber(*g);
        }
        e.coordinates.insert(e.coordinates.end(), {v.x, v.y, v.z});
        e.bulges.push_back(bulge);
      }
      result.entities.push_back(std::move(e));
    } else if (run.type == "VERTEX" || run.type == "SEQEND") {
      throw DxfReadError("DXF: " + std::to_string(run.line) + " 行目: POLYLINE の外に " + run.type +
                         " があります");
    } else {
      result.skipped.push_back(run.type);
    }
  }
  return result;
}

}  // namespace vensa
