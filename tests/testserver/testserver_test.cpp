#include <gtest/gtest.h>

#include "cad/sim/insert_file.h"
#include "core/encoding.h"
#include "platform/automation_error.h"
#include "tests/cad/cad_test_support.h"
#include "testserver/drawing_save.h"
#include "testserver/scripted_user.h"
#include "testserver/server_options.h"
#include "testserver/sheet_tsv.h"

namespace vensa {
namespace {

using test::Ent;

// What the server saves is read back by the importer the substitute CAD inserts with:
// every kind of entity keeps its class, layer and geometry.
TEST(DrawingSave, EntitiesSurviveTheRoundTrip) {
  SimEntity line = Ent("AcDbLine", "外周");
  line.start = {1, 2, 3};
  line.end = {4, 5, 6};
  line.color = 1;
  SimEntity circle = Ent("AcDbCircle");
  circle.center = {7, 8, 0};
  circle.radius = 2.5;
  SimEntity point = Ent("AcDbPoint", "点");
  point.coordinates = {9, 10, 11};
  SimEntity text = Ent("AcDbText", "測点名");
  text.insertion = {1, 1, 0};
  text.alignment = {2, 1, 0};
  text.horizontalAlignment = 2;
  text.height = 2.5;
  text.text = "A-1\r\n";
  SimEntity closed = Ent("AcDb2dPolyline");
  closed.coordinates = {0, 0, 5, 10, 0, 5};
  closed.bulges = {0.5, 0};
  closed.elevation = 5;
  closed.closed = true;
  SimEntity light = Ent("AcDbPolyline");
  light.coordinates = {0, 0, 3, 4};
  light.elevation = 2;
  SimEntity space = Ent("AcDb3dPolyline");
  space.coordinates = {0, 0, 1, 2, 2, 3};

  const std::string dxf = DrawingDxfText({"0", "外周", "点", "測点名"},
                                         {line, circle, point, text, closed, light, space});
  EXPECT_NE(dxf.find("LAYER\r\n  2\r\n測点名\r\n"), std::string::npos);
  const InsertedEntities back = ReadInsertFile(Utf8ToAnsi(dxf));
  ASSERT_EQ(back.entities.size(), 7u);
  EXPECT_TRUE(back.skipped.empty());
  const SimEntity& l = back.entities[0];
  EXPECT_EQ(l.layer, "外周");
  EXPECT_EQ(l.end, line.end);
  EXPECT_EQ(l.color, 1);
  EXPECT_EQ(back.entities[1].radius, 2.5);
  EXPECT_EQ(back.entities[2].coordinates, point.coordinates);
  const SimEntity& t = back.entities[3];
  EXPECT_EQ(t.text, "A-1  ");  // a line break in a text would split the pair
  EXPECT_EQ(t.alignment, text.alignment);
  EXPECT_EQ(t.horizontalAlignment, 2);
  const SimEntity& c = back.entities[4];
  EXPECT_TRUE(c.closed);
  EXPECT_EQ(c.coordinates, closed.coordinates);
  EXPECT_EQ(c.bulges, closed.bulges);
  EXPECT_EQ(back.entities[5].coordinates, (std::vector<double>{0, 0, 2, 3, 4, 2}));
  EXPECT_EQ(back.entities[6].className, "AcDb3dPolyline");
  EXPECT_EQ(back.entities[6].coordinates, space.coordinates);
}

TEST(SheetTsv, LoadsNumbersAndTextsAndSavesTheFilledCells) {
  SimWorksheet sheet("Sheet1");
  LoadSheetTsv(sheet, "測点1\t100.50\t\r\n\n\t x\t-2e1\n");
  EXPECT_EQ(sheet.Get(1, 1), SheetValue::Text("測点1"));
  EXPECT_EQ(sheet.Get(1, 2), SheetValue::Number(100.5));
  EXPECT_TRUE(sheet.Get(1, 3).IsEmpty());
  EXPECT_EQ(sheet.Get(3, 2), SheetValue::Text(" x"));
  EXPECT_EQ(sheet.Get(3, 3), SheetValue::Number(-20));
  sheet.SetText(2, 4, "");
  EXPECT_EQ(SheetTsvText(sheet), "測点1\t100.5\r\n\r\n\t x\t-20\r\n");
  EXPECT_EQ(SheetTsvText(SimWorksheet("empty")), "");
}

TEST(ServerOptions, ReadsTheCommandLineAndNamesWhatIsWrong) {
  const ServerOptions options =
      ParseServerOptions({"--progid", "Vensa.TestCad", "--picks", "1,2,3;4,5", "--seconds", "7",
                          "--save-drawing", "out.dxf"});
  EXPECT_EQ(options.progId, "Vensa.TestCad");
  EXPECT_EQ(options.picks, (std::vector<TAcadPoint>{{1, 2, 3}, {4, 5, 0}}));
  EXPECT_EQ(options.seconds, 7);
  EXPECT_EQ(options.saveDrawing, "out.dxf");
  EXPECT_FALSE(options.ServesSpreadsheet());
  EXPECT_TRUE(ParseServerOptions({"--progid", "excel.application"}).ServesSpreadsheet());
  for (const std::vector<std::string>& bad :
       std::vector<std::vector<std::string>>{{},
                                             {"--progid"},
                                             {"--progid", "A", "--picks", "1,2;x,3"},
                                             {"--progid", "A", "--picks", "1"},
                                             {"--progid", "A", "--seconds", "0"},
                                             {"--progid", "A", "--color", "1"}}) {
    EXPECT_THROW(ParseServerOptions(bad), ServerUsageError) << bad.size();
  }
}

TEST(ScriptedUser, AnswersPromptsInOrderThenCancels) {
  SimCad cad;
  SimEntity text = Ent("AcDbText");
  text.insertion = {10, 10, 0};
  cad.AddEntity(text);
  SimEntity line = Ent("AcDbLine");
  line.end = {100, 0, 0};
  const std::string lineHandle = cad.AddEntity(line);
  ScriptedUser user({{1, 2, 3}, {98, 1, 0}});
  auto doc = cad.Application()->ActiveDocument();

  user.BeforePointPrompt(cad);
  EXPECT_EQ(VariantToPoint(doc->Utility()->GetPoint("p")), (TAcadPoint{1, 2, 3}));
  user.BeforeEntityPrompt(cad);
  EXPECT_EQ(doc->Utility()->GetEntity("e").entity->Handle(), lineHandle);
  user.BeforePointPrompt(cad);
  EXPECT_THROW(doc->Utility()->GetPoint("p"), AutomationError);
  user.BeforeEntityPrompt(cad);
  EXPECT_THROW(doc->Utility()->GetEntity("e"), AutomationError);
}

}  // namespace
}  // namespace vensa
