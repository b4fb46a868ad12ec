#include "cad/entity_tables.h"

namespace vensa {

void EntityTables::Clear() {
  ClearForSimaRead();
  EllipseBlks.clear();
  InsertBlks.clear();
  FaceBlks.clear();
}

void EntityTables::ClearForSimaRead() {
  CircleBlks.clear();
  LineBlks.clear();
  ArcBlks.clear();
  LwpBlks.clear();
  LwpEles.clear();
  TextBlks.clear();
  PointEnts.clear();
}

}  // namespace vensa
