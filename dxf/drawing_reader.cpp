#include "dxf/drawing_reader.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

#include "core/file_io.h"
#include "core/text.h"
#include "dxf/drawing_entities.h"
#include "dxf/drawing_text.h"
#include "dxf/dxf_group_reader.h"

namespace vensa {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

DxfReadError ErrorAt(int line, const std::string& what) {
  return DxfReadError("DXF: " + std::to_string(line) + " 行目: " + what);
}

DxfReadError Truncated() {
  return DxfReadError("DXF: ファイルが途中で終わっています (EOF がありません)");
}

// Refuses, before any pair is read, the files that are no ASCII DXF at all.
void CheckKind(std::string_view bytes) {
  if (bytes.starts_with("AutoCAD Binary DXF")) {
    throw DxfReadError("バイナリ形式の DXF は読めません。ASCII 形式の DXF で保存してください");
  }
  // A DWG starts with its version ("AC1032"); a DXF starts with a group code.
  if (bytes.size() >= 6 && bytes.starts_with("AC1")) {
    throw DxfReadError("DWG ファイルは読めません。ASCII 形式の DXF で保存してください");
  }
  // A DXF is text: a NUL byte (some other binary file, a file of zeros, a damaged one)
  // says it is none, before the blanks around it could make it look empty, and before it
  // could reach a name that files written from the list would cut or carry on.
  if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos) {
    throw DxfReadError("バイナリのファイルです (DXF のテキストではありません: " +
                       std::to_string(LineOfPosition(bytes, nul)) + " 行目に NUL 文字)");
  }
  if (TrimBlanks(bytes).empty()) throw DxfReadError("空のファイルです");
}

class DrawingReader {
 public:
  explicit DrawingReader(std::string_view text) : scanner_(text) {}

  Drawing Read() {
    for (;;) {
      DxfGroupView g = Required();
      if (g.code == 999) continue;  // comment
      const std::string_view value = TrimBlanks(g.value);
      if (g.code == 0 && value == "EOF") break;
      if (g.code != 0 || value != "SECTION") {
        throw ErrorAt(g.line, "SECTION ではありません: " + QuotedDxfLine(g.value));
      }
      const DxfGroupView name = Required();
      if (name.code != 2) throw ErrorAt(name.line, "SECTION の名前がありません");
      const std::string_view section = TrimBlanks(name.value);
      if (section == "HEADER") {
        ReadHeader();
      } else if (section == "TABLES") {
        ReadTables();
      } else if (section == "ENTITIES") {
        ReadEntities();
      } else {
        SkipSection();  // CLASSES, BLOCKS (block definitions), OBJECTS, ...
      }
    }
    return std::move(drawing_);
  }

 private:
  // The next pair; a file that ends before its EOF is truncated.
  DxfGroupView Required() {
    DxfGroupView g;
    if (pending_) {
      g = *pending_;
      pending_.reset();
    } else if (!scanner_.Next(g)) {
      throw Truncated();
    }
    return g;
  }

  static bool IsEndSec(const DxfGroupView& g) {
    return g.code == 0 && TrimBlanks(g.value) == "ENDSEC";
  }

  void SkipSection() {
    for (DxfGroupView g = Required(); !IsEndSec(g); g = Required()) {
    }
  }

  // The next record of an entity-like section ("0" pair and what follows up to the next
  // "0"); false at the section's ENDSEC.
  bool NextRecord(EntityGroups& record) {
    const DxfGroupView head = Required();
    if (head.code != 0) {
      throw ErrorAt(head.line, "0 グループが来るべきところに " + std::to_string(head.code) +
                                   " グループがあります");
    }
    if (IsEndSec(head)) return false;
    record.type = TrimBlanks(head.value);
    record.line = head.line;
    record.groups.clear();
    for (;;) {
      DxfGroupView g = Required();
      if (g.code == 0) {
        pending_ = g;
        return true;
      }
      record.groups.push_back(g);
    }
  }

  void ReadHeader() {
    std::string_view variable;
    for (DxfGroupView g = Required(); !IsEndSec(g); g = Required()) {
      if (g.code == 9) {
        variable = TrimBlanks(g.value);
      } else if (variable == "$ACADVER" && g.code == 1) {
        version_ = TrimBlanks(g.value);
      } else if (variable == "$DWGCODEPAGE" && g.code == 3) {
        codePage_ = TrimBlanks(g.value);
      } else if (variable == "$DIMSCALE" && g.code == 40) {
        drawing_.dimscale = GroupNumber(g);
      } else if (variable == "$UCSORG") {
        ReadAxis(g, drawing_.ucsOrigin);
      } else if (variable == "$UCSXDIR") {
        ReadAxis(g, drawing_.ucsXDir);
      } else if (variable == "$UCSYDIR") {
        ReadAxis(g, drawing_.ucsYDir);
      }
    }
    text_ = DrawingTextDecoder(version_, codePage_);
  }

  static void ReadAxis(const DxfGroupView& g, TAcadPoint& p) {
    if (g.code == 10) p.x = GroupNumber(g);
    if (g.code == 20) p.y = GroupNumber(g);
    if (g.code == 30) p.z = GroupNumber(g);
  }

  void ReadTables() {
    EntityGroups record;
    while (NextRecord(record)) {
      const bool layer = record.type == "LAYER";
      const bool blockRecord = record.type == "BLOCK_RECORD";
      if (!layer && !blockRecord) continue;
      std::string_view name;
      std::string_view handle;
      for (const DxfGroupView& g : record.groups) {
        if (g.code == 2) name = g.value;
        if (g.code == 5) handle = TrimBlanks(g.value);
      }
      if (layer && !name.empty()) drawing_.layers.push_back(text_.Decode(name));
      // Every layout but the model has a block record "*Paper_Space...": entities owned
      // by one of them are not in the model.
      constexpr std::string_view kPaper = "*PAPER_SPACE";
      if (blockRecord && name.size() >= kPaper.size() &&
          EqualsIgnoringAsciiCase(name.substr(0, kPaper.size()), kPaper)) {
        paperOwners_.emplace(handle);
      }
    }
  }

  bool InPaperSpace(const EntityGroups& record) const {
    const EntityOwnership owner = OwnershipOf(record);
    return owner.paperSpace || (!owner.owner.empty() && paperOwners_.count(owner.owner) != 0);
  }

  // Finite numbers can still give points that are not (an extrusion of 1e308 overflows
  // the conversion into world coordinates): such an entity would list as NAN.
  static void CheckFinite(const DrawingEntity& e, int line) {
    bool finite = true;
    for (const TAcadPoint* p : {&e.start, &e.end, &e.center, &e.insertion, &e.alignment}) {
      finite = finite && std::isfinite(p->x) && std::isfinite(p->y) && std::isfinite(p->z);
    }
    for (double v : e.coordinates) finite = finite && std::isfinite(v);
    if (!finite)
      throw ErrorAt(line, "座標が有限の数になりません (押し出し方向または座標が大きすぎます)");
  }

  void Keep(DrawingEntity& entity, bool paper, int line) {
    CheckFinite(entity, line);
    if (paper) return;
    if (entity.layer.empty()) entity.layer = "0";
    drawing_.Add(entity);
  }

  void ReadEntities() {
    EntityGroups record;
    bool polylineOpen = false;  // until its SEQEND
    DrawingEntity& polyline = polyline_;
    DrawingEntity& entity = entity_;
    bool polylineInPaper = false;
    int polylineLine = 0;
    bool attributes = false;  // the ATTRIBs of a block reference, up to their SEQEND
    while (NextRecord(record)) {
      const std::string_view type = record.type;
      if (polylineOpen) {
        if (type == "VERTEX") {
          AddVertex(polyline, record);
        } else if (type == "SEQEND") {
          Keep(polyline, polylineInPaper, polylineLine);
          polylineOpen = false;
        } else {
          throw ErrorAt(record.line, "POLYLINE の中に " + QuotedDxfLine(type) + " があります");
        }
        continue;
      }
      if (attributes && (type == "ATTRIB" || type == "SEQEND")) {
        attributes = type == "ATTRIB";
        continue;
      }
      attributes = false;
      if (type == "VERTEX" || type == "SEQEND") {
        throw ErrorAt(record.line, "POLYLINE の外に " + std::string(type) + " があります");
      }
      if (type == "POLYLINE") {
        ConvertEntity(record, text_, polyline);
        polylineOpen = true;
        polylineInPaper = InPaperSpace(record);
        polylineLine = record.line;
        continue;
      }
      if (type == "INSERT") {
        for (const DxfGroupView& g : record.groups) {
          if (g.code == 66) attributes = GroupInteger(g) == 1;
        }
      }
      ConvertEntity(record, text_, entity);
      Keep(entity, InPaperSpace(record), record.line);
    }
    if (polylineOpen) throw ErrorAt(polylineLine, "POLYLINE に SEQEND がありません");
  }

  DxfGroupScanner scanner_;
  std::optional<DxfGroupView> pending_;
  std::string_view version_;
  std::string_view codePage_;
  DrawingTextDecoder text_{"", ""};  // until the header says otherwise
  std::set<std::string_view> paperOwners_;
  // The entity being read and the POLYLINE whose vertices follow, reused from entity to
  // entity.
  DrawingEntity entity_;
  DrawingEntity polyline_;
  Drawing drawing_;
};

}  // namespace

Drawing ReadDrawing(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
  CheckKind(bytes);
  Drawing drawing = DrawingReader(bytes).Read();
  // A place listed costs about 500 bytes (its row, its entity record, its share of the
  // drawing). Drawings as CADs write them take well under 20 times their size that way;
  // a file of bare entities a few bytes each would take 40 times and more, so such a
  // drawing is refused before it is listed (below 256 MB all is taken).
  constexpr std::size_t kBytesPerPlace = 500;
  constexpr std::size_t kAlwaysTaken = std::size_t{256} << 20;
  const std::size_t allowed = std::max(kAlwaysTaken, bytes.size() * 20);
  if (drawing.ListablePlaces() > allowed / kBytesPerPlace) {
    throw DxfReadError("DXF: ファイルの大きさに対して点や図形が多すぎます (" +
                       std::to_string(drawing.ListablePlaces()) + " 個)");
  }
  return drawing;
}

Drawing ReadDrawingFile(const std::string& path) {
  Drawing drawing;
  try {
    drawing = ReadDrawing(ReadFileBuffer(path, {kDrawingMaxFileBytes, "図面"}).View());
  } catch (const DxfReadError& e) {
    throw DrawingFileError(path, e.what());
  }
  return drawing;
}

bool IsDrawingFileName(std::string_view path) {
  return EndsWithIgnoringAsciiCase(path, ".dxf");
}

}  // namespace vensa
