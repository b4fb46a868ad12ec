#include "state/settings_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "core/encoding.h"
#include "core/error.h"
#include "state/settings_keys.h"
#include "state/start_up.h"
#include "state_test_util.h"

namespace vensa {
namespace {

using testing::ExpectSameLines;

const ScreenMetrics kScreen{407, 503, 1920, 1080};

class SettingsFileTest : public testing::ScratchDir {
 protected:
  std::string Ini() const { return PathOf("vensa.ini"); }
  void WriteIni(std::string_view bytes) const { SaveFileAtomically(Ini(), bytes); }
  FormState Load() const {
    FormState s = InitialFormState();
    LoadSettings(s, Ini(), kScreen);
    return s;
  }
  FormState LoadText(std::string_view text) const {
    WriteIni(text);
    return Load();
  }
  std::string Saved(const FormState& s) const {
    SaveSettings(s, Ini());
    return ReadFileBytes(Ini());
  }
};

TEST_F(SettingsFileTest, StartAndCloseWithoutFileWritesTheDefaults) {
  const ProgramFiles files{Ini(), PathOf("TargetCAD_APIVersion.txt"), PathOf("vensa.dxf")};
  const FormState s = StartUpFormState(files, kScreen);
  EXPECT_EQ(s.Left, 756);  // (1920 - 407) / 2 rounded toward zero
  EXPECT_EQ(s.Top, 288);
  EXPECT_EQ(s.Caption, "Vensa2023");
  ShutDownFormState(s, files);
  const std::string bytes = ReadFileBytes(Ini());
  EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
  // clang-format off
  ExpectSameLines(bytes, {
      "[Form]", "Left=756", "Top=288",
      "[Excel]", "ColN=0", "ColX=1", "ColY=2", "ColZ=3", "FlagZ=0", "RowS=1", "Dlm=-",
      "[AutoCAD]", "PLINE=0", "POINT=1", "CIRCLE=1", "SORT=0", "StrN=1", "StrP=1", "Close=0",
      "RoundOff=3", "IDRoundOff=0", "CheckTextLayer=0", "TextLayerName=", "StrPZ=0",
      "StrPYX=1", "StrPSC=1",
      "[Layer]", "PLINE=VENSA_PLINE", "POINT=VENSA_POINT", "CIRCLE=VENSA_CIRCLE",
      "TEXTPT=VENSA_TEXTPT", "TEXTXY=VENSA_TEXTXY", "TBLLINE=VENSA_TBLLINE",
      "TBLTEXT=VENSA_TBLTEXT", "PARCEL=VENSA_PARCEL",
      "[TextSize]", "TEXTPT=2.5", "TEXTAREA=5.0", "TEXTXY=1.8", "TBLTEXT=2.5", "CIRCLE=5.0",
      "Ketasuu=3",
      "[TableSize]", "Height=5.0", "Width1=25.0", "Width2=30.0",
      "[DXF]", "UCS=0", "Sleep=500",
      "[TableScale]", "1/1000=0",
      "[SIMAR]", "Parcel=0",
      "[SIMAW]", "1/1000=1", "XYREV=1", "HEAD=A1", "ListNames=0", "Parcels=0",
      "[AREA]", "Other=0", "MM=0", "Direction=0",
      "[IDOPTION]", "INT=1", "Chk19=1", "Chk20=1", "Edt33=101", "Edt34=2.5",
      "[Draw]", "CheckBox21=0", "CheckBox22=0", "CheckBox23=0", "CheckBox26=0",
      "[DIMSCALE]", "CheckBox24=1", "CheckBox25=1",
      "[LISTUP]", "CheckBox27=0",
      "[POLYLINE]", "3D=0",
      "[Geo]", "Zone=",
      "[Target]", "ProgID=Gcad.Application.23",
  });
  // clang-format on
}

TEST_F(SettingsFileTest, SectionAndKeyNamesMatchWithoutCase) {
  const FormState s = LoadText("[textsize]\r\nketasuu=4\r\n[EXCEL]\r\nflagz=1\r\n");
  EXPECT_EQ(s.Edit20.text, "4");
  EXPECT_TRUE(s.CheckBox8.checked);
  EXPECT_TRUE(s.Edit21.enabled);
  const std::vector<std::string> lines = testing::CrLfLines(Saved(s));
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "ketasuu=4"), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Ketasuu=4"), 0);  // no second key
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "[TextSize]"), 0);
}

TEST_F(SettingsFileTest, IntegersAndBooleansFallBackToTheirDefaults) {
  FormState s = LoadText(
      "[Excel]\nFlagZ=yes\nColX=abc\nColY=\nColZ= 7 \nColN=+4\n"
      "[AutoCAD]\nPOINT=x\nCIRCLE=0\nPLINE=-2\nTextLayerName=\n[DXF]\nSleep=1.5\n");
  EXPECT_FALSE(s.CheckBox8.checked);
  EXPECT_EQ(s.UpDown2.position, 1);
  EXPECT_EQ(s.UpDown3.position, 2);
  EXPECT_EQ(s.UpDown5.position, 7);
  EXPECT_EQ(s.UpDown1.position, 4);
  EXPECT_TRUE(s.CheckBox2.checked);
  EXPECT_FALSE(s.CheckBox6.checked);
  EXPECT_TRUE(s.CheckBox1.checked);
  EXPECT_EQ(s.Edit29.text, "");
  EXPECT_EQ(s.DxfWaitTime, 500);
  s = LoadText("[Excel]\nFlagZ=2\n[DXF]\nSleep=-100\n");
  EXPECT_TRUE(s.CheckBox8.checked);
  EXPECT_EQ(s.DxfWaitTime, 0);  // a negative wait means none
  EXPECT_EQ(s.Edit26.text, "0");
}

TEST_F(SettingsFileTest, OutOfRangePositionsAreClamped) {
  const FormState s = LoadText(
      "[Excel]\nColN=40\nColX=-1\nRowS=0\n[AutoCAD]\nRoundOff=9\nIDRoundOff=99999999999\n");
  EXPECT_EQ(s.UpDown1.position, 25);
  EXPECT_EQ(s.Edit3.text, "Z");
  EXPECT_EQ(s.UpDown2.position, 0);
  EXPECT_EQ(s.UpDown4.position, 1);
  EXPECT_EQ(s.UpDown6.position, 8);
  EXPECT_EQ(s.Edit27.text, "8");
  EXPECT_EQ(s.UpDown7.position, 0);  // too long for an integer: the default
  const std::vector<std::string> lines = testing::CrLfLines(Saved(s));
  EXPECT_NE(std::find(lines.begin(), lines.end(), "ColN=25"), lines.end());
}

TEST_F(SettingsFileTest, ForeignLinesSurviveSavingByteForByte) {
  const FormState s = LoadText(
      "; my notes\r\norphan=1\r\n[Excel]\r\nColN=5\r\n  Extra = keep me \r\ngarbage line\r\n"
      "[Mine]\r\na=b\r\n[Target]\r\nProgID=Foo.Application\r\n");
  EXPECT_EQ(s.TargetProgID, "Foo.Application");
  const std::vector<std::string> lines = testing::CrLfLines(Saved(s));
  const std::vector<std::string> head = {"; my notes",
                                         "orphan=1",
                                         "[Excel]",
                                         "ColN=5",
                                         "  Extra = keep me ",
                                         "ColX=1",
                                         "ColY=2",
                                         "ColZ=3",
                                         "FlagZ=0",
                                         "RowS=1",
                                         "Dlm=-",
                                         "garbage line",
                                         "[Mine]",
                                         "a=b",
                                         "[Target]",
                                         "ProgID=Foo.Application",
                                         "[Form]",
                                         "Left=756"};
  ASSERT_GE(lines.size(), head.size());
  for (size_t i = 0; i < head.size(); ++i) EXPECT_EQ(lines[i], head[i]) << "line " << i + 1;
}

TEST_F(SettingsFileTest, DuplicatesAndFilesWithoutSections) {
  FormState s = LoadText("[Excel]\nColN=4\nColN=6\n[Excel]\nColX=9\n");
  EXPECT_EQ(s.UpDown1.position, 4);
  EXPECT_EQ(s.UpDown2.position, 1);
  SetPosition(s.UpDown1, 7);
  std::vector<std::string> lines = testing::CrLfLines(Saved(s));
  const std::vector<std::string> head = {"[Excel]", "ColN=7", "ColN=6", "ColX=1"};
  EXPECT_TRUE(std::equal(head.begin(), head.end(), lines.begin()));
  EXPECT_NE(std::find(lines.begin(), lines.end(), "ColX=9"), lines.end());

  s = LoadText("ColN=5\njunk\n");
  EXPECT_EQ(s.UpDown1.position, 0);
  lines = testing::CrLfLines(Saved(s));
  EXPECT_EQ(lines.at(0), "ColN=5");
  EXPECT_EQ(lines.at(1), "junk");
  EXPECT_EQ(lines.at(2), "[Form]");
}

TEST_F(SettingsFileTest, EveryByteOrderMarkIsRead) {
  const std::string text = "[Layer]\r\nPLINE=境界線\r\n";
  for (TextEncoding e : {TextEncoding::Ansi, TextEncoding::Utf8, TextEncoding::Utf8Bom,
                         TextEncoding::Utf16LeBom, TextEncoding::Utf16BeBom}) {
    EXPECT_EQ(LoadText(EncodeText(text, e)).Edit2.text, "境界線") << static_cast<int>(e);
  }
}

TEST_F(SettingsFileTest, TextsOutsideTheCodePageForceUtf8AndSurvive) {
  FormState s = InitialFormState();
  s.Edit2.text = "測点";  // fits the code page: the file stays ANSI
  std::string bytes = Saved(s);
  EXPECT_NE(bytes.find(Utf8ToAnsi("PLINE=測点")), std::string::npos);
  EXPECT_EQ(Load().Edit2.text, "測点");

  s.Edit2.text = "𠮷野家";  // not in the code page
  s.Edit7.text = " ";       // a blank delimiter
  bytes = Saved(s);
  EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
  const FormState again = Load();
  EXPECT_EQ(again.Edit2.text, "𠮷野家");
  EXPECT_EQ(again.Edit7.text, " ");
}

TEST_F(SettingsFileTest, EveryKeySurvivesARestartUnderItsOwnName) {
  FormState s = InitialFormState();
  int n = 0;
  for (const SettingKey& k : SettingKeys()) {
    const std::string name = std::string(k.section) + "/" + std::string(k.key);
    std::string value = k.type == SettingType::Text ? "v" + std::to_string(n) : "1";
    if (k.checkBox && (InitialFormState().*k.checkBox).checked) value = "0";
    if (k.upDown) value = std::to_string((s.*k.upDown).min + 1 + n % 5);
    if (k.role != SettingRole::None && k.type == SettingType::Int) value = std::to_string(n);
    ASSERT_TRUE(ApplySettingValue(s, name, value)) << name;
    ++n;
  }
  SaveSettings(s, Ini());
  FormState back = InitialFormState();
  LoadSettings(back, Ini(), kScreen);
  for (const SettingKey& k : SettingKeys()) {
    const std::string name = std::string(k.section) + "/" + std::string(k.key);
    if (k.upDown) {
      EXPECT_EQ((back.*k.upDown).position, (s.*k.upDown).position) << name;
    }
    if (k.checkBox) {
      EXPECT_EQ((back.*k.checkBox).checked, (s.*k.checkBox).checked) << name;
    }
    if (k.edit) {
      EXPECT_EQ((back.*k.edit).text, (s.*k.edit).text) << name;
    }
  }
  EXPECT_EQ(back.Left, 0);
  EXPECT_EQ(back.Top, 1);
  EXPECT_EQ(back.DxfWaitTime, s.DxfWaitTime);
  EXPECT_EQ(back.TargetProgID, s.TargetProgID);
  EXPECT_NE(back.Edit14.text, back.Edit19.text);  // table text size and circle radius
  EXPECT_TRUE(back.PreviewOpen);
  EXPECT_EQ(std::tie(back.PreviewLeft, back.PreviewTop, back.PreviewWidth, back.PreviewHeight),
            std::tie(s.PreviewLeft, s.PreviewTop, s.PreviewWidth, s.PreviewHeight));
}

TEST(SettingsPlacementTest, PreviewOpensWhereItWasOrBesideTheWindow) {
  struct Case {
    int left, top, width, height;  // the preview as stored; width 0: never placed
    WindowRect expected;
  };
  const Case cases[] = {
      {0, 0, 0, 0, {310, 20, 640, 480}},           // right of the window (at 10, 20, 300 wide)
      {700, 900, 500, 400, {700, 680, 500, 400}},  // pulled back inside the bottom edge
      {-30, 5, 3000, 200, {-30, 5, 1920, 200}},    // no wider than the screen
  };
  for (const Case& c : cases) {
    FormState s = InitialFormState();
    s.Left = 10;
    s.Top = 20;
    s.PreviewLeft = c.left;
    s.PreviewTop = c.top;
    s.PreviewWidth = c.width;
    s.PreviewHeight = c.height;
    EXPECT_EQ(PlacePreview(s, {300, 400, 1920, 1080}), c.expected) << c.left << "," << c.top;
  }
  // No room on the right: on the left of the window.
  FormState s = InitialFormState();
  s.Left = 1500;
  EXPECT_EQ(PlacePreview(s, {300, 400, 1920, 1080}), (WindowRect{860, 0, 640, 480}));
}

TEST(SettingsPlacementTest, WindowPlacementRule) {
  EXPECT_EQ(PlaceWindow(std::nullopt, std::nullopt, {400, 500, 1921, 1081}),
            (WindowPosition{760, 290}));
  EXPECT_EQ(PlaceWindow(1800, 700, kScreen), (WindowPosition{1513, 577}));  // pulled back
  EXPECT_EQ(PlaceWindow(-50, -20, kScreen), (WindowPosition{-50, -20}));    // not corrected
  EXPECT_EQ(PlaceWindow(INT_MAX, 10, kScreen), (WindowPosition{1513, 10}));
  // A window larger than the screen ends at the screen's far edges.
  EXPECT_EQ(PlaceWindow(std::nullopt, std::nullopt, {501, 301, 200, 100}),
            (WindowPosition{-301, -201}));
}

TEST_F(SettingsFileTest, StoredEdgesAreUsedAndUnreadableOnesCentre) {
  const FormState s = LoadText("[Form]\nLeft=abc\nTop=2000\n");
  EXPECT_EQ(s.Left, 756);
  EXPECT_EQ(s.Top, 577);
}

TEST(SettingValueTest, SetsOneKeyAsTheFileWouldHoldIt) {
  FormState s = InitialFormState();
  EXPECT_TRUE(ApplySettingValue(s, "TableScale/1/1000", "1"));
  EXPECT_TRUE(s.CheckBox9.checked);
  EXPECT_TRUE(s.CheckBox14.checked);
  EXPECT_TRUE(ApplySettingValue(s, "simaw/1/1000", "0"));
  EXPECT_FALSE(s.CheckBox14.checked);
  EXPECT_TRUE(s.CheckBox9.checked);
  EXPECT_TRUE(ApplySettingValue(s, "Excel/ColN", " 30 "));
  EXPECT_EQ(s.Edit3.text, "Z");
  EXPECT_TRUE(ApplySettingValue(s, "IDOPTION/INT", "0"));
  EXPECT_EQ(s.Button12Caption, "ID");
  EXPECT_TRUE(ApplySettingValue(s, "DXF/Sleep", "abc"));
  EXPECT_EQ(s.DxfWaitTime, 500);
  EXPECT_TRUE(ApplySettingValue(s, "Target/ProgID", "Zcad.Application"));
  EXPECT_EQ(s.TargetProgID, "Zcad.Application");
  s.Left = 33;
  EXPECT_TRUE(ApplySettingValue(s, "Form/Left", "x"));
  EXPECT_EQ(s.Left, 33);
  EXPECT_FALSE(ApplySettingValue(s, "Excel", "1"));
  EXPECT_FALSE(ApplySettingValue(s, "Excel/Nope", "1"));
  EXPECT_FALSE(ApplySettingValue(s, "1000/TableScale/1", "1"));
}

TEST(ProgramFilesTest, NamedAfterTheExecutable) {
  const ProgramFiles f = ProgramFilesForExecutable("/opt/tools/survey.exe");
  EXPECT_EQ(f.settings, "/opt/tools/survey.ini");
  EXPECT_EQ(f.targetCadList, "/opt/tools/TargetCAD_APIVersion.txt");
  EXPECT_EQ(f.insertFile, "/opt/tools/survey.dxf");
}

TEST_F(SettingsFileTest, AFailedSaveReportsTheFile) {
  EXPECT_THROW(SaveSettings(InitialFormState(), PathOf("no/such/dir/vensa.ini")), FileCreateError);
}

// A settings file of megabytes is none the program wrote: start-up takes the defaults
// without reading it, and saving refuses to replace what it did not read.
TEST_F(SettingsFileTest, AFileOverItsCapIsNotReadAndNotReplaced) {
  const std::string big = "[Excel]\r\nColX=5\r\n;" + std::string(kSettingsMaxFileBytes, 'x');
  WriteIni(big);
  FormState s = InitialFormState();
  EXPECT_FALSE(LoadSettings(s, Ini(), kScreen));
  EXPECT_EQ(s.UpDown2.position, 1);
  EXPECT_THROW(SaveSettings(s, Ini()), FileReadError);
  EXPECT_EQ(ReadFileBytes(Ini()).size(), big.size());
}

}  // namespace
}  // namespace vensa
