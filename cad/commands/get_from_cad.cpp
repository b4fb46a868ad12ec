#include "cad/commands/get_from_cad.h"

#include <unordered_map>

#include "cad/cad_connection.h"
#include "cad/commands/point_name_search.h"
#include "cad/entity_reader.h"
#include "cad/minimized_main_window.h"
#include "core/coord_list.h"
#include "core/error.h"
#include "core/geometry.h"
#include "core/list_sort.h"
#include "core/number_format.h"
#include "core/number_read.h"

namespace vensa {

namespace {

// entToSlFlag is true exactly while EntToSL runs, however it ends.
class EntToSlFlagScope {
 public:
  explicit EntToSlFlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~EntToSlFlagScope() { flag_ = false; }
  EntToSlFlagScope(const EntToSlFlagScope&) = delete;
  EntToSlFlagScope& operator=(const EntToSlFlagScope&) = delete;

 private:
  bool& flag_;
};

// The drawing's DIMSCALE when "DIMSCALE 倍" is on and a CAD runs, else 1 (also for 0).
double SearchScale(const FormState& state, Platform& platform, Ui& ui) {
  if (!ConnectTargetCad(platform, ui, state.TargetProgID)) return 1.0;
  if (!state.CheckBox25.checked) return 1.0;
  std::shared_ptr<CadApplication> app = AttachTargetCad(platform, state.TargetProgID);
  return DimScaleOf(*app->ActiveDocument());
}

// The normal of the polyline each vertex belongs to, found by its handle. The CAD
// reports light and 2-D polyline vertices in the polyline's own coordinate system; a
// mirrored polyline (normal 0,0,-1) would otherwise be listed with X negated. The
// vertices follow their polyline in the tables, so it is looked for from the polyline of
// the vertex before; only a handle not found there is looked up by hashing.
class PolylineNormals {
 public:
  explicit PolylineNormals(const EntityTables& tables) : polylines_(tables.LwpBlks) {}

  const TAcadPoint* Of(const TLwpEle& vertex) {
    for (std::size_t k = next_; k < polylines_.size() && k < next_ + 2; ++k) {
      if (polylines_[k].hand == vertex.hand) {
        next_ = k;
        return &polylines_[k].code210;
      }
    }
    if (byHandle_.empty()) {
      byHandle_.reserve(polylines_.size());
      for (std::size_t k = 0; k < polylines_.size(); ++k) byHandle_.emplace(polylines_[k].hand, k);
    }
    auto found = byHandle_.find(vertex.hand);
    return found == byHandle_.end() ? nullptr : &polylines_[found->second].code210;
  }

 private:
  const EntityTable<TLwpBlk>& polylines_;
  std::size_t next_ = 0;
  std::unordered_map<std::string, std::size_t> byHandle_;
};

class RowWriter {
 public:
  RowWriter(FormState& state, TextGrid& list) : list_(list), digits_(state.UpDown6.position) {
    if (state.UCS.checked) ucs_ = state.CurrentUcs;
  }

  void Add(TAcadPoint p, const std::string& name) {
    ++rows_;
    if (list_.DataRowCount() < rows_) list_.SetRowCount(rows_ + 1);
    list_.current.row = rows_;
    if (ucs_) p = WcsToUcs(p, ucs_->xAxis, ucs_->yAxis, ucs_->origin);
    list_.SetCell(kColName, rows_, name);
    list_.SetCell(kColX, rows_, Format(p.x));
    list_.SetCell(kColY, rows_, Format(p.y));
    list_.SetCell(kColZ, rows_, Format(p.z));
  }

  int Rows() const { return rows_; }

 private:
  std::string Format(double v) const { return FormatFixed(RoundToDigits(v, digits_), digits_); }

  TextGrid& list_;
  int digits_;
  std::optional<UcsAxes> ucs_;
  int rows_ = 0;
};

}  // namespace

std::string ReadSummary(const EntityTables& tables) {
  std::string summary;
  auto add = [&](const char* name, std::size_t k) {
    if (k > 0) summary += std::string(" ") + name + "=" + std::to_string(k) + ",";
  };
  add("POLYLINE", tables.LwpBlks.size());
  add("CIRCLE", tables.CircleBlks.size());
  add("TEXT", tables.TextBlks.size());
  add("POINT", tables.PointEnts.size());
  add("LINE", tables.LineBlks.size());
  return summary;
}

void EntToSL(FormState& state, const EntityTables& tables, Platform& platform, Ui& ui) {
  EntToSlFlagScope flag(state.entToSlFlag);
  ui.ProcessPendingMessages();
  const double range = ReadNumberCell(state.Edit28.text) * SearchScale(state, platform, ui);

  TextGrid& list = state.StringGrid1;
  for (int r = 1; r < list.RowCount(); ++r) {
    for (int c = kColName; c <= kColPlotNo; ++c) list.SetCell(c, r, std::string());
  }
  list.SetRowCount(2);
  list.current.row = 1;
  // The rows to come, made at once rather than one by one (a drawing lists 100,000s).
  const std::size_t coming = (state.CheckBox1.checked ? tables.LwpEles.size() : 0) +
                             (state.CheckBox2.checked ? tables.PointEnts.size() : 0) +
                             (state.CheckBox6.checked ? tables.CircleBlks.size() : 0) +
                             (state.CheckBox27.checked ? tables.TextBlks.size() : 0);
  if (coming > 1) list.SetRowCount(static_cast<int>(coming) + 1);

  RowWriter rows(state, list);
  static const std::string kNoName;
  if (state.CheckBox1.checked && !tables.LwpEles.empty()) {
    PolylineNormals normals(tables);
    for (const TLwpEle& v : tables.LwpEles) {
      const TAcadPoint* normal = normals.Of(v);
      rows.Add(normal == nullptr ? v.code10 : OcsToWcs(v.code10, *normal), kNoName);
    }
  }
  if (state.CheckBox2.checked) {
    for (const TPointEnt& p : tables.PointEnts) rows.Add(p.pt, kNoName);
  }
  if (state.CheckBox6.checked) {
    for (const TCircleBlk& c : tables.CircleBlks) rows.Add(c.center, kNoName);
  }
  if (state.CheckBox27.checked) {
    for (const TTextBlk& t : tables.TextBlks) rows.Add(TextPosition(t), t.str);
  }
  const int n = rows.Rows();

  if (state.CheckBox3.checked && !tables.TextBlks.empty()) {
    PointNameSearch search;
    search.range = range;
    if (state.UCS.checked) search.ucs = state.CurrentUcs;
    if (state.CheckBox10.checked) search.layer = state.Edit29.text;
    NameRowsAfterTexts(list, n, tables.TextBlks, search);
  }
  RenumberPlotNo(list);
  SortByName(list);
  RemoveRepeatedRows(list);
  state.StatusBar1[0] = "1 / " + std::to_string(list.DataRowCount());
}

void RelistEntities(FormState& state, const EntityTables& tables, Platform& platform, Ui& ui) {
  EntToSL(state, tables, platform, ui);
}

std::shared_ptr<CadDocument> StartEntityPick(FormState& state, Platform& platform, Ui& ui) {
  state.CurrentUcs = UcsAxes{};
  if (!ConnectTargetCad(platform, ui, state.TargetProgID)) return nullptr;
  std::shared_ptr<CadApplication> app = AttachTargetCad(platform, state.TargetProgID);
  BringCadToFront(platform, *app);
  std::shared_ptr<CadDocument> document = app->ActiveDocument();
  if (state.UCS.checked) {
    state.CurrentUcs.xAxis = VariantToPoint(document->GetVariable("UCSXDIR"));
    state.CurrentUcs.yAxis = VariantToPoint(document->GetVariable("UCSYDIR"));
    state.CurrentUcs.origin = VariantToPoint(document->GetVariable("UCSORG"));
  }
  return document;
}

GetFromCadOutcome GetFromCad(FormState& state, EntityTables& tables, Platform& platform, Ui& ui) {
  GetFromCadOutcome got;
  std::shared_ptr<CadDocument> document = StartEntityPick(state, platform, ui);
  if (!document) {
    got.outcome.done = false;
  } else {
    bool failed = false;
    MinimizedMainWindow window(ui, platform);
    std::shared_ptr<CadSelectionSet> set = PrepareSelectionSet(*document);
    try {
      set->SelectOnScreen(std::nullopt);
      // Restored before the read, so that its progress shows.
      window.Restore();
      if (set->Count() > 0) {
        got.entitiesRead = ReadSelectedEntities(*set, 1, ProgressBarId::ProgressBar1, ui, tables,
                                                state.StatusBar1[0]);
        got.outcome.summary = got.entitiesRead == 0 ? std::string() : ReadSummary(tables);
        EntToSL(state, tables, platform, ui);
        const TextGrid& list = state.StringGrid1;
        got.rowsListed = IsListInUse(list) ? list.DataRowCount() : 0;
        if (got.entitiesRead > 0 && list.DataRowCount() <= 1 && list.Cell(kColX, 1).empty())
          got.outcome.notes.emplace_back(kNothingListedMessage);
      }
    } catch (const VensaError& e) {
      failed = true;
      ui.SetProgressPosition(ProgressBarId::ProgressBar1, 0);
      got.outcome = CommandOutcome::Failed(kGetFailedMessage);
      got.outcome.summary = std::string();
      got.outcome.cause = e.what();
    }
    set->Delete();
    window.Restore();
    state.ListDisplayGroupEnabled = !failed;
  }
  ui.RestoreMainWindow();
  ui.BringMainWindowForward();
  return got;
}

}  // namespace vensa
