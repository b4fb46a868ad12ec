#include "cad/file/drawing_file_cad.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cad/cad_connection.h"
#include "cad/entity_reader.h"
#include "platform/automation_error.h"
#include "platform/sim/sim_ui.h"
#include "tests/support/temp_dir.h"
#include "tests/support/text_lines.h"

namespace vensa {
namespace {

// A drawing of a point, a text and a line on layers of the table and of their own.
std::string Drawing(std::string_view textLayer) {
  return test::CrLfText({"  0",     "SECTION", "  2",       "HEADER", "  9",   "$ACADVER", "  1",
                         "AC1021",  "  9",     "$DIMSCALE", " 40",    "500",   "  0",      "ENDSEC",
                         "  0",     "SECTION", "  2",       "TABLES", "  0",   "TABLE",    "  2",
                         "LAYER",   "  0",     "LAYER",     "  2",    "0",     "  0",      "LAYER",
                         "  2",     "pts",     "  0",       "ENDTAB", "  0",   "ENDSEC",   "  0",
                         "SECTION", "  2",     "ENTITIES",  "  0",    "POINT", "  8",      "PTS",
                         " 10",     "1",       " 20",       "2",      "  0",   "TEXT",     "  8"}) +
         test::CrLfText({textLayer}) +
         test::CrLfText({" 10", "3",    " 20", "4",      " 40", "1",  "  1", "A-1",
                         "  0", "LINE", " 10", "0",      " 20", "0",  " 11", "1",
                         " 21", "1",    "  0", "ENDSEC", "  0", "EOF"});
}

TEST(DrawingFileCad, AnswersTheCadObjectsOverTheDrawingAndRefusesWhatNeedsAUser) {
  test::TempDir dir;
  const std::string path = dir.Write("a.dxf", Drawing("名前"));
  DrawingFileCad file(path);
  DrawingFilePlatform platform(file);
  const std::shared_ptr<CadApplication> app = AttachTargetCad(platform, "AnyCad.Application");
  ASSERT_TRUE(app);
  const std::shared_ptr<CadDocument> doc = app->ActiveDocument();
  EXPECT_EQ(VariantToDouble(doc->GetVariable("dimscale")), 500.0);

  // The table's layers, then those only entities name; letter case not told apart.
  const std::shared_ptr<CadLayers> layers = doc->Layers();
  std::vector<std::string> names;
  for (int i = 0; i < layers->Count(); ++i) names.push_back(layers->Item(i)->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"0", "pts", "名前"}));

  // Select-all, the TEXT filter, and a set that lasts from one call to the next.
  std::shared_ptr<CadSelectionSet> set = PrepareSelectionSet(*doc);
  set->SelectOnScreen(std::nullopt);
  ASSERT_EQ(set->Count(), 3);
  EXPECT_EQ(set->Item(0)->EntityName(), "AcDbPoint");
  EXPECT_EQ(set->Item(0)->Layer(), "PTS");
  EXPECT_NE(set->Item(0)->Handle(), set->Item(1)->Handle());
  set->Clear();
  set->SelectOnScreen(SelectionFilter{{0}, {std::string("TEXT")}});
  ASSERT_EQ(PrepareSelectionSet(*app->ActiveDocument())->Count(), 0) << "prepared anew: emptied";
  set->SelectOnScreen(SelectionFilter{{0}, {std::string("TEXT")}});
  ASSERT_EQ(set->Count(), 1);
  EXPECT_EQ(set->Item(0)->TextString(), "A-1");

  for (auto call : std::initializer_list<std::function<void()>>{
           [&] { doc->Utility()->GetPoint("点"); }, [&] { doc->Utility()->GetEntity("図形"); },
           [&] { doc->SendCommand("_ID\r"); },
           [&] {
             app->ZoomCenter({0, 0, 0}, 1);
           }}) {
    try {
      call();
      ADD_FAILURE() << "a drawing file took what needs a running CAD";
    } catch (const AutomationError& e) {
      EXPECT_STREQ(e.what(), kNeedsRunningCadMessage);
    }
  }

  // A changed file is read again; the same file is not.
  EXPECT_FALSE(file.ReloadIfChanged());
  { std::ofstream(path, std::ios::binary) << Drawing("別"); }
  std::filesystem::last_write_time(
      path, std::filesystem::last_write_time(path) + std::chrono::seconds(2));
  EXPECT_TRUE(file.ReloadIfChanged());
  EXPECT_EQ(file.Application()->ActiveDocument()->Layers()->Item(2)->Name(), "別");
}

// vensa-cli reads a drawing once: its entities go when the reader has them, what the
// listing still asks (variables, layers, the set itself) stays. The window keeps them.
TEST(DrawingFileCad, ADrawingKeptUntilReadLetsItsEntitiesGoAfterTheRead) {
  test::TempDir dir;
  const std::string path = dir.Write("a.dxf", Drawing("名前"));
  for (DrawingKept kept : {DrawingKept::kUntilRead, DrawingKept::kWhileOpen}) {
    DrawingFileCad file(path, kept);
    DrawingFilePlatform platform(file);
    const std::shared_ptr<CadDocument> doc =
        AttachTargetCad(platform, "AnyCad.Application")->ActiveDocument();
    std::shared_ptr<CadSelectionSet> set = PrepareSelectionSet(*doc);
    set->SelectOnScreen(std::nullopt);
    SimUi ui;
    EntityTables tables;
    std::string panel;
    EXPECT_EQ(ReadSelectedEntities(*set, 2, ProgressBarId::ProgressBar2, ui, tables, panel), 3);
    EXPECT_EQ(tables.TextBlks.size(), 1u);
    EXPECT_EQ(VariantToDouble(doc->GetVariable("DIMSCALE")), 500.0);
    EXPECT_EQ(doc->Layers()->Count(), 3);
    EXPECT_EQ(set->Count(), 3);
    if (kept == DrawingKept::kWhileOpen) {
      EXPECT_EQ(set->Item(1)->TextString(), "A-1");
      continue;
    }
    try {
      set->Item(0);
      ADD_FAILURE() << "an entity of a drawing let go";
    } catch (const AutomationError& e) {
      EXPECT_STREQ(e.what(), kDrawingLetGoMessage);
    }
    set->Delete();
  }
}

}  // namespace
}  // namespace vensa
