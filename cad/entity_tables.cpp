#include "cad/entity_tables.h"

namespace vensa {

void EntityTables::Clear() {
  ClearForSimaRead();
  ellipseCount = 0;
}

void EntityTables::ClearForSimaRead() {
  lineCount = 0;
  arcCount = 0;
  CircleBlks.clear();
  LwpBlks.clear();
  LwpEles.clear();
  TextBlks.clear();
  PointEnts.clear();
}

}  // namespace vensa
