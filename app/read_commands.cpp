// The main window's link to the commands that read from the CAD.
#include "app/main_form.h"

namespace vensa {

// TODO(read-commands): "CADから", "TEXT 取得", "ID", the two "PAN", "画層取得", the
// re-listing on the "リスト表示" boxes, the text list's header sorting and the emptying of
// the entity tables are wired here once the commands that read from the CAD are merged.
void TForm1::ReadCommandPending(const char*) {}

void TForm1::EmptyEntityTables() {}

}  // namespace vensa
