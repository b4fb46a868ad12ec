// "CADから": the coordinate list filled from entities the user selects in the CAD, and
// EntToSL, which rebuilds the list from the entity tables (also run by the "リスト表示"
// boxes without a new selection).
#pragma once

#include <memory>
#include <string>

#include "cad/cad_model.h"
#include "cad/entity_tables.h"
#include "core/command_outcome.h"
#include "platform/platform.h"
#include "platform/ui.h"
#include "state/form_state.h"

namespace vensa {

inline constexpr char kGetFailedMessage[] = "取得失敗";
inline constexpr char kNothingListedMessage[] =
    "取得したデータはリストに表示されていません．\nリスト表示のチェックボックスを確認して下さい．";

// What "CADから" did. The summary is the read summary (ReadSummary, empty when nothing
// was read that it counts; none when nothing was selected); the notes are
// kNothingListedMessage when entities were read but none listed, kGetFailedMessage when
// the selection or the read failed (done false, the error's text as the cause).
struct GetFromCadOutcome {
  CommandOutcome outcome;
  int entitiesRead = 0;  // selected entities read into the tables
  int rowsListed = 0;    // data rows of the coordinate list that hold a point
};

// "CADから" (Button4). Errors of the selection, the read and the listing are caught:
// "取得失敗", the "リスト表示" group disabled. Errors before the selection (attaching,
// reading the UCS, the selection set) reach the caller, the main window restored. No CAD
// running under the target ProgID: nothing done, no note.
GetFromCadOutcome GetFromCad(FormState& state, EntityTables& tables, Platform& platform, Ui& ui);

// Rebuilds the coordinate list from the tables: polyline vertices, points, circle centres
// and texts as the "リスト表示" boxes choose, in the UCS when "UCS" is on, rounded to the
// decimals of UpDown6, named after the nearest text by the point-name search, sorted by
// name and tidied. Light and 2-D polyline vertices are taken into world coordinates first.
// Errors (the DIMSCALE read) reach the caller; entToSlFlag is false again in every case.
void EntToSL(FormState& state, const EntityTables& tables, Platform& platform, Ui& ui);

// A click on "POLYLINE", "POINT", "CIRCLE", "測点名検索" or "TEXT" of "リスト表示", the box
// already showing its new state: the list is rebuilt from the same tables.
void RelistEntities(FormState& state, const EntityTables& tables, Platform& platform, Ui& ui);

// The start of both reading commands: the target CAD attached and brought forward, the UCS
// the read lists in taken (the world system, or the drawing's current UCS from UCSXDIR,
// UCSYDIR and UCSORG when "UCS" is on). The caller then minimises the main window
// (MinimizedMainWindow). Null, with the world UCS, when no CAD runs under the target
// ProgID; automation errors reach the caller.
std::shared_ptr<CadDocument> StartEntityPick(FormState& state, Platform& platform, Ui& ui);

// The read summary of status panel 1: " POLYLINE=2, POINT=5," for each non-empty table.
std::string ReadSummary(const EntityTables& tables);

}  // namespace vensa
