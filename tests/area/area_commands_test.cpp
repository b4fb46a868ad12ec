// The area tables into the running CAD: inserted at the picked point as "XY 作表" inserts
// its table, every size times the drawing's DIMSCALE.
#include "area/commands/area_commands.h"

#include <gtest/gtest.h>

#include "cad/sim/sim_cad.h"
#include "core/coord_list.h"
#include "core/file_io.h"
#include "platform/sim/sim_platform.h"
#include "platform/sim/sim_ui.h"
#include "tests/support/temp_dir.h"

namespace vensa {
namespace {

TEST(AreaCommands, TablesInsertedAtThePickedPointScaledByDimscale) {
  test::TempDir dir;
  const std::string insertFile = PathToUtf8(dir.path() / "vensa.dxf");
  auto log = std::make_shared<CallLog>();
  SimPlatform platform{log};
  SimUi ui{log};
  SimCad cad{log};
  FormState state = InitialFormState();
  cad.RegisterWith(platform, state.TargetProgID);
  cad.SetSystemVariable("DIMSCALE", 2.0);
  TextGrid& list = state.StringGrid1;
  list.SetRowCount(4);
  const char* const points[][3] = {{"K1", "0", "0"}, {"K2", "3", "0"}, {"K3", "0", "4"}};
  for (int r = 1; r <= 3; ++r)
    for (int c = 0; c < 3; ++c) list.SetCell(c, r, points[r - 1][c]);
  RenumberPlotNo(list);
  const AreaTables tables = ComputeAreaTablesFromForm(state, AreaSource::kList, "7-2");
  ASSERT_EQ(tables.tables.size(), 1u);

  cad.QueuePick({1000, 2000, 0});
  AreaTablesToCad(state, platform, ui, insertFile, tables.tables);
  EXPECT_EQ(log->Lines().back(), "ui.RestoreMainWindow");
  EXPECT_EQ(log->Count("doc.SendCommand -INSERT *" + insertFile + "\r@ 1 0\r"), 1);
  auto at = [&](const std::string& text) {
    for (const SimEntity& e : cad.EntitiesOnLayer("VENSA_TBLTEXT"))
      if (e.text == text) return std::pair{e.insertion.x, e.insertion.y};
    return std::pair{0.0, 0.0};
  };
  // Row height 10, name column 50, others 60: the name above the header, the points,
  // then 面積 and 地積 in the seventh and eighth rows under the products.
  EXPECT_EQ(at("7-2"), (std::pair{1010.0, 1995.0}));
  EXPECT_EQ(at("6.000000"), (std::pair{1000.0 + 50 + 4 * 60 - 10, 2000.0 - 65}));
  EXPECT_EQ(at("6.00"), (std::pair{1000.0 + 50 + 4 * 60 - 10, 2000.0 - 75}));
  EXPECT_EQ(cad.EntitiesOnLayer("VENSA_TBLLINE").size(), 7u + 8u);
}

}  // namespace
}  // namespace vensa
