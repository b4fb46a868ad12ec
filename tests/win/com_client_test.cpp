// The client against vensa-testserver in a process of its own: attaching by ProgID, the
// CAD's members with points, filters and out-parameters, the server's errors, the
// commands end to end, the spreadsheet link, and what happens without a running server.
// `vensa_com_client_tests --quit PROGID` ends a served object for the scripts.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cad/cad_connection.h"
#include "cli/run.h"
#include "core/encoding.h"
#include "dxf/commands/drawing_commands.h"
#include "platform/sim/sim_ui.h"
#include "platform/win/com_error.h"
#include "platform/win/dispatch.h"
#include "sheet/excel_link.h"
#include "sheet/excel_transfer.h"
#include "state/form_state.h"
#include "tests/win/served_object.h"
#include "wiring/running_object.h"

namespace vensa::win {
namespace {

using test::FreshFolder;
using test::ServedObject;
using test::WriteBytes;

constexpr char kCad[] = "Vensa.ClientTestCad";

std::string CrLf(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

void ExpectPoint(const CadValue& value, const TAcadPoint& expected) {
  const TAcadPoint p = VariantToPoint(value);
  EXPECT_EQ(p.x, expected.x);
  EXPECT_EQ(p.y, expected.y);
  EXPECT_EQ(p.z, expected.z);
}

class ComClient : public ::testing::Test {
 protected:
  std::vector<std::string> LayerNames(CadDocument& doc) {
    std::vector<std::string> names;
    auto layers = doc.Layers();
    for (int i = 0; i < layers->Count(); ++i) names.push_back(layers->Item(i)->Name());
    return names;
  }
  // The TEXT entities on `layer`.
  std::vector<std::string> Texts(CadDocument& doc, const std::string& layer) {
    auto set = PrepareSelectionSet(doc);
    set->SelectOnScreen(SelectionFilter{{0}, {CadValue(std::string("TEXT"))}});
    std::vector<std::string> texts;
    for (int i = 0; i < set->Count(); ++i) {
      if (set->Item(i)->Layer() == layer) texts.push_back(set->Item(i)->TextString());
    }
    set->Delete();
    return texts;
  }

  ComApartment apartment_;
  std::unique_ptr<Platform> platform_ = MakeWinPlatform();
  SimUi ui_;
};

TEST_F(ComClient, EveryMemberCrossesTheProcessBoundary) {
  const std::wstring folder = FreshFolder(L"vensa-client-members");
  // An R12 drawing holds its texts in the ANSI code page.
  WriteBytes(folder + L"\\drawing.dxf",
             Utf8ToAnsi(CrLf({"0",    "SECTION", "2",    "ENTITIES", "0",    "CIRCLE", "8",
                              "0",    "10",      "30.0", "20",       "40.0", "30",     "0.0",
                              "40",   "5.0",     "0",    "TEXT",     "8",    "外周",   "10",
                              "10.0", "20",      "20.0", "30",       "1.0",  "40",     "2.5",
                              "1",    "P-1",     "0",    "ENDSEC",   "0",    "EOF"})));
  ServedObject server(kCad, {L"--drawing", folder + L"\\drawing.dxf", L"--picks", L"1,2,3;30,40"});
  ASSERT_TRUE(ConnectTargetCad(*platform_, ui_, kCad));
  auto app = AttachTargetCad(*platform_, kCad);
  BringCadToFront(*platform_, *app);  // the served window is no real one: refused, no key
  WaitForCadIdle(kCad, *app, *platform_, 1);
  auto doc = app->ActiveDocument();
  EXPECT_EQ(VariantToDouble(doc->GetVariable("DIMSCALE")), 1.0);
  ExpectPoint(doc->GetVariable("UCSXDIR"), {1, 0, 0});
  doc->SetVariable("SNAPMODE", 1);
  EXPECT_EQ(VariantToInteger(doc->GetVariable("snapmode")), 1) << "names in any case";
  EnsureLayer(*app, "VENSA_TEXTPT");
  EXPECT_EQ(LayerNames(*doc), (std::vector<std::string>{"0", "外周", "VENSA_TEXTPT"}));

  auto set = PrepareSelectionSet(*doc);
  set->SelectOnScreen(SelectionFilter{{0}, {CadValue(std::string("TEXT"))}});
  ASSERT_EQ(set->Count(), 1);
  auto text = set->Item(0);
  EXPECT_EQ(text->EntityName(), "AcDbText");
  EXPECT_EQ(text->TextString(), "P-1");
  EXPECT_EQ(text->Layer(), "外周");
  EXPECT_EQ(text->Height(), 2.5);
  ExpectPoint(text->InsertionPoint(), {10, 20, 1});
  set->Clear();
  set->SelectOnScreen(std::nullopt);
  ASSERT_EQ(set->Count(), 2);
  auto circle = set->Item(0);
  EXPECT_EQ(circle->EntityName(), "AcDbCircle");
  EXPECT_EQ(circle->Radius(), 5.0);
  ExpectPoint(circle->Center(), {30, 40, 0});
  EXPECT_FALSE(circle->Handle().empty());
  set->Delete();

  auto util = doc->Utility();
  ExpectPoint(util->GetPoint("点を指示"), {1, 2, 3});
  const PickedEntity picked = util->GetEntity("図形を選択");
  ASSERT_TRUE(picked.entity);
  EXPECT_EQ(picked.entity->EntityName(), "AcDbCircle");
  ExpectPoint(picked.point, {30, 40, 0});
  try {
    util->GetPoint("点を指示");
    ADD_FAILURE() << "no pick left: the user cancelled";
  } catch (const AutomationError& e) {
    EXPECT_STREQ(e.what(), "入力がキャンセルされました") << "the server's own text";
    EXPECT_EQ(e.member(), "GetPoint");
  }

  auto added = doc->ModelSpace()->AddText("追加", {5, 6, 0}, 2.5);
  added->SetLayer("VENSA_TEXTPT");
  added->Update();
  EXPECT_EQ(added->Layer(), "VENSA_TEXTPT");
  app->ZoomCenter({5, 6, 0}, 10);
  doc->Regen(0);
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(ComClient, PlotFromAFolderWithABlankKeepsJapaneseNames) {
  ServedObject server(kCad, {});
  FormState state = InitialFormState();
  state.TargetProgID = kCad;
  state.CheckBox23.checked = true;  // 測点名
  state.Edit9.text = "測点名";
  state.StringGrid1.SetRowCount(3);
  const std::vector<std::vector<std::string>> rows = {{"測点1", "100", "200", "0", "1"},
                                                      {"境界ｱ-2", "150", "250", "0", "2"}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 5; ++c) state.StringGrid1.SetCell(c, r + 1, rows[r][c]);
  // Written in code page 932, the short form of the path sent, read back by the CAD.
  const std::string insertFile = Narrow(FreshFolder(L"vensa client plot") + L"\\vensa.dxf");
  PlotIntoCad(state, *platform_, ui_, insertFile);
  EXPECT_TRUE(ui_.Messages().empty()) << ui_.Messages().front();

  auto doc = AttachTargetCad(*platform_, kCad)->ActiveDocument();
  const std::vector<std::string> layers = LayerNames(*doc);
  EXPECT_NE(std::find(layers.begin(), layers.end(), "測点名"), layers.end());
  std::vector<std::string> texts = Texts(*doc, "測点名");
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (std::vector<std::string>{"境界ｱ-2", "測点1"}));
}

TEST_F(ComClient, UnregisteredNotRunningAndKilledServers) {
  // Unregistered: the system's message. Registered but not running: silent in the window,
  // exit status 1 with a message in vensa-cli.
  EXPECT_FALSE(ConnectTargetCad(*platform_, ui_, "Vensa.NoSuchCad"));
  EXPECT_EQ(ui_.Messages(), (std::vector<std::string>{InvalidProgIdMessage("Vensa.NoSuchCad")}));
  HKEY key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"Vensa.StoppedCad\\CLSID", 0, nullptr, 0, KEY_WRITE,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const wchar_t clsid[] = L"{6A0F3B52-1C4D-4E8A-9B7C-2D5E8F1A3C90}";
  RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(clsid), sizeof clsid);
  RegCloseKey(key);
  EXPECT_FALSE(ConnectTargetCad(*platform_, ui_, "Vensa.StoppedCad"));
  EXPECT_EQ(ui_.Messages().size(), 1u);
  const std::string list = Narrow(FreshFolder(L"vensa-client-cli") + L"\\list.txt");
  WriteBytes(Widen(list), "P1\t1\t2\t3\r\n");
  std::ostringstream out, err;
  EXPECT_EQ(cli::Run({"plot", "--cad", "--set", "Target/ProgID=Vensa.StoppedCad", list}, out, err,
                     cli::Automation{platform_.get(), list + ".dxf"}),
            1);
  EXPECT_EQ(err.str(), "vensa-cli: CAD が実行されていません (ProgID: Vensa.StoppedCad)\n");
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Vensa.StoppedCad");

  // A server that dies while a command holds its objects.
  ServedObject server(kCad, {});
  auto doc = AttachTargetCad(*platform_, kCad)->ActiveDocument();
  server.Kill();
  try {
    doc->GetVariable("DIMSCALE");
    ADD_FAILURE() << "the call into a dead server succeeded";
  } catch (const ComError& e) {
    EXPECT_EQ(static_cast<unsigned long>(e.Code()), 0x800706BAul) << e.what();
    EXPECT_EQ(std::string(e.what()), SystemErrorText(e.Code()));
  }
  EXPECT_FALSE(ConnectTargetCad(*platform_, ui_, kCad)) << "no longer running";
}

TEST_F(ComClient, SpreadsheetLinkReadsAndWritesTheActiveSheet) {
  const std::wstring folder = FreshFolder(L"vensa-client-sheet");
  WriteBytes(folder + L"\\sheet.tsv", "測点1\t100.5\t200\r\n測点2\t101\t-3.25\r\n");
  ServedObject server("Excel.Application", {L"--sheet", folder + L"\\sheet.tsv"});
  FormState form = InitialFormState();
  ExcelLink link;
  // The served spreadsheet has a main window of its class, as the link looks for.
  ReadListFromExcel(form, link, *platform_);
  ASSERT_TRUE(link.Attached());
  ASSERT_EQ(form.StringGrid1.DataRowCount(), 2);
  EXPECT_EQ(form.StringGrid1.Row(2), (std::vector<std::string>{"測点2", "101", "-3.25", "", "2"}));
  form.StringGrid1.SetCell(0, 1, "新点");
  WriteCoordListToExcel(form, link, *platform_);
  EXPECT_EQ(link.WorkSheet->Cells(1, 1)->Value(), SheetValue::Text("新点"));
  EXPECT_EQ(link.WorkSheet->Cells(2, 2)->Value(), SheetValue::Text("101")) << "written as text";
}

}  // namespace
}  // namespace vensa::win

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--quit") {
    // The scripts end a served object this way once their client is done.
    vensa::win::ComApartment apartment;
    const vensa::win::ComPtr<IUnknown> object = vensa::test::RunningObject(argv[2]);
    if (!object) return 1;
    vensa::win::Dispatch(object.As<IDispatch>()).Call("Quit");
    return 0;
  }
  ::testing::InitGoogleTest(&argc, argv);
  vensa::win::ComApartment apartment;
  return RUN_ALL_TESTS();
}
