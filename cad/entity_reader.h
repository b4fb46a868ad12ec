// The entity reader: copies the entities of a CAD selection set into the entity tables.
#pragma once

#include <string>

#include "cad/cad_model.h"
#include "cad/entity_tables.h"
#include "platform/ui.h"

namespace vensa {

// Shown after a read that met 3-D polylines whose coordinates are no whole triples.
inline constexpr char k3dPolylineReadMessage[] = "3DPOLYLINE を正しく取得できませんでした．";

// Empties the tables, then reads every entity of the set in order: circles, polylines of
// the three kinds with their vertices, texts and points into their tables, lines, arcs and
// ellipses into their counts; any other class is passed over. Of each entity the CAD is
// asked only what some command reads. The progress bar runs from 1 to Count; with
// readMode 1 the counter "i / n" also goes to status panel 0 (both through `ui` and into
// `statusPanel0`, the form's copy). Returns the number of lines, circles, polylines, texts
// and points read (arcs and ellipses are counted apart), and resets the bar.
//
// Nothing is caught: an automation error ends the read at that entity, the tables keep
// what was read, including the record of the failing entity as far as it was filled, and
// the bar and the counter keep their state.
int ReadSelectedEntities(CadSelectionSet& set, int readMode, ProgressBarId progressBar, Ui& ui,
                         EntityTables& tables, std::string& statusPanel0);

}  // namespace vensa
