#include "cli/run.h"

#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "cad/sim/drawing_file.h"
#include "cad/sim/sim_cad.h"
#include "cli/list_text.h"
#include "core/coord_list.h"
#include "core/file_io.h"
#include "dxf/dxf_file.h"
#include "dxf/plot.h"
#include "dxf/table.h"
#include "platform/sim/sim_platform.h"
#include "sheet/sim/sim_excel.h"
#include "tests/support/temp_dir.h"

namespace vensa::cli {
namespace {

// The worked example of the plot: three points, two groups.
const char* const kThreePoints =
    "A-1\t100\t200\t10.5\r\nA-2\t150.25\t200\t11\r\nB-1\t150.25\t260.125\t\r\n";

struct Result {
  int status = 0;
  std::string out;
  std::string err;
};

class Cli : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const {
    return PathToUtf8(dir_ / PathFromUtf8(name));
  }
  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string path = PathOf(name);
    SaveFileAtomically(path, bytes);
    return path;
  }
  static Result Run(const std::vector<std::string>& args, const Automation& automation = {}) {
    std::ostringstream out, err;
    Result r;
    r.status = vensa::cli::Run(args, out, err, automation);
    r.out = out.str();
    r.err = err.str();
    return r;
  }

  test::TempDir temp_;
  const std::filesystem::path& dir_ = temp_.path();
};

TEST_F(Cli, PlotWritesTheInsertFileBytesAndPrintsTheEntityCount) {
  const std::string list = Write("points.txt", kThreePoints);
  const std::string out = PathOf("plot.dxf");
  const Result r = Run({"plot", "--set", "Draw/CheckBox21=1", "--set", "AutoCAD/Close=1",
                        "--set=POLYLINE/3D=1", "--set", "AutoCAD/StrP=0", list, out});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "3\n");

  PlotOptions options;
  options.pline = options.closed = options.is3d = true;
  options.coordLabel = false;
  DxfBuilder expected;
  BuildPlot(expected, ReadListText(kThreePoints), options, 1.0, PlotZMode::kFromList);
  EXPECT_EQ(ReadFileBytes(out), EncodeDxf(expected.Take()));
}

TEST_F(Cli, PlotOptionsRangeScaleAndZeroZ) {
  const std::string list = Write("points.txt", kThreePoints);
  const std::string out = PathOf("plot.dxf");
  // Coordinate labels are on by default; the range keeps rows 2 and 3.
  Result r = Run({"plot", "--range", "2-3", "--scale", "100", "--z0", list, out});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "2\n");
  const std::string dxf = ReadFileBytes(out);
  EXPECT_NE(dxf.find(" 40\r\n180\r\n  1\r\n150.250,200.000\r\n"), std::string::npos);
  EXPECT_EQ(dxf.find("100.000,200.000"), std::string::npos);
  EXPECT_EQ(dxf.find("10.50000000"), std::string::npos);  // z 0 everywhere

  // A scale of 0 counts as 1.
  r = Run({"plot", "--force", "--scale=0", list, out});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(ReadFileBytes(out).find(" 40\r\n1.8\r\n"), std::string::npos);
}

TEST_F(Cli, TableWritesXyOrYxAndRefusesDecimalsThatAreNoInteger) {
  const std::string list = Write("points.txt", "A-1\t100\t200\r\nA-2\t150.25\t200.0004\r\n");
  const std::string out = PathOf("table.dxf");
  Result r = Run({"table", list, out});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  DxfBuilder expected;
  BuildTable(expected, ReadListText("A-1\t100\t200\r\nA-2\t150.25\t200.0004\r\n"), TableOptions{},
             1.0, TableAxes::kXY);
  EXPECT_EQ(ReadFileBytes(out), EncodeDxf(expected.Take()));

  r = Run({"table", "--force", "--yx", "--set", "TableScale/1/1000=1", list, out});
  ASSERT_EQ(r.status, 0) << r.err;
  // The column headed "X座標" now shows the list's y, divided by 1000.
  EXPECT_NE(ReadFileBytes(out).find("  1\r\n0.200\r\n"), std::string::npos);

  const std::string refused = PathOf("refused.dxf");
  r = Run({"table", "--set", "TextSize/Ketasuu=2.5", list, refused});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "'2.5' は整数ではありません\n");
  EXPECT_FALSE(FileExists(refused));
}

TEST_F(Cli, AListNotInUseOrAMissingInputWritesNothing) {
  const std::string out = PathOf("out.dxf");
  const std::string noX = Write("nox.txt", "P1\t\t5\r\nP2\t1\t2\r\n");
  Result r = Run({"plot", noX, out});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(noX), std::string::npos);
  EXPECT_FALSE(FileExists(out));

  r = Run({"table", PathOf("missing.txt"), out});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(PathOf("missing.txt")), std::string::npos);
  EXPECT_FALSE(FileExists(out));
}

TEST_F(Cli, ListReadsEveryEncodingAndLineEnd) {
  // CP932 without BOM, CR-only line ends, an empty row, a missing Z, extra cells ignored.
  const std::string sjis = Write("sjis.txt",
                                 "\x91\xAA\x93\x5F"
                                 "1\t1\t2\t3\rX\t4\r\rB\t5\t6\t7\textra");
  Result r = Run({"list", sjis});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "測点1\t1\t2\t3\t1\r\nX\t4\t\t\t2\r\n\t\t\t\t3\r\nB\t5\t6\t7\t4\r\n");

  const std::string utf16 = Write("utf16.txt", std::string("\xFF\xFE"
                                                           "P\0"
                                                           "\t\0"
                                                           "1\0"
                                                           "\n\0",
                                                           10));
  r = Run({"list", utf16});
  EXPECT_EQ(r.out, "P\t1\t\t\t1\r\n");

  const std::string utf8 = Write("utf8.txt", "測点\t1\t2\n");
  r = Run({"list", utf8});
  EXPECT_EQ(r.out, "測点\t1\t2\t\t1\r\n");
}

TEST_F(Cli, ListRunsSortsAndTidyInCommandLineOrder) {
  const std::string list = Write("l.txt", "B3\t1\r\nA1\t2\r\nC2\t3\r\nA1\t2\r\n\r\n");
  Result r = Run({"list", "--sort", "number", list});
  EXPECT_EQ(r.out, "\t\t\t\t1\r\nA1\t2\t\t\t2\r\nA1\t2\t\t\t3\r\nC2\t3\t\t\t4\r\nB3\t1\t\t\t5\r\n");
  r = Run({"list", "--sort", "name", "--tidy", list});
  EXPECT_EQ(r.out, "A1\t2\t\t\t1\r\nB3\t1\t\t\t2\r\nC2\t3\t\t\t3\r\n");
  r = Run({"list", "--tidy", "--sort=number", list});
  EXPECT_EQ(r.out, "A1\t2\t\t\t1\r\nC2\t3\t\t\t2\r\nB3\t1\t\t\t3\r\n");
}

TEST_F(Cli, SimaInputIsTransferredWithTheReadOptions) {
  const std::string sima = Write("field.SIM", "G00,01,,\nA00,\nA01,1,P-1,0.1,0.25,0.5,\nA99,\n");
  Result r = Run({"list", sima});
  EXPECT_EQ(r.out, "P-1\t250\t100\t500\t1\r\n");
  r = Run({"list", "--set", "AutoCAD/StrPYX=0", "--set", "AutoCAD/StrPSC=0", sima});
  EXPECT_EQ(r.out, "P-1\t0.1\t0.25\t0.5\t1\r\n");
  r = Run({"plot", sima, PathOf("from-sima.dxf")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1\n");
}

TEST_F(Cli, SimaSavesChecksAndReplacesOnlyWithForce) {
  const std::string list = Write("l.txt", "P1\t1000\t2000\t3000\r\nP2\t1500\t2500\t3500\r\n");
  const std::string out = PathOf("out.sim");
  Result r = Run({"sima", list, out});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadFileBytes(out).substr(0, 10), "G00,01,,\r\n");
  EXPECT_NE(ReadFileBytes(out).find("A01,    2,A2,2.500,1.500,3.500,\r\n"), std::string::npos);

  // An existing file stays unless --force is given.
  SaveFileAtomically(out, "old");
  r = Run({"sima", list, out});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("--force"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(out), "old");
  r = Run({"sima", "--force", "--set", "SIMAW/HEAD=K-7", list, out});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(ReadFileBytes(out).find(",K-8,"), std::string::npos);

  // A folder that cannot be written: the message names the file.
  const std::string unwritable = PathOf("no/such/dir/x.sim");
  r = Run({"sima", list, unwritable});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(unwritable), std::string::npos);
}

TEST_F(Cli, SimaCheckMessagesGoToStderrAndNothingIsSaved) {
  const std::string out = PathOf("out.sim");
  // A comma in the names would shift every later field of their records.
  const std::string list = Write("l.txt", "P1\t1\t2\t3\r\nP2\t4\t5\t6\r\n");
  Result r = Run({"sima", "--set", "SIMAW/HEAD=A,1", list, out});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "2 行の測点名にカンマが含まれています.\n3 行の測点名にカンマが含まれています.\n");
  EXPECT_FALSE(FileExists(out));

  // One point is nothing to save; a list without Z in row 1 is built all the same.
  r = Run({"sima", Write("one.txt", "P1\t1\t2\t3\r\n"), out});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(FileExists(out));
  r = Run({"sima", Write("noz.txt", "P1\t1\t2\r\nP2\t1\t2\t3\r\n"), out});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(ReadFileBytes(out).find("\r\nA01,    1,A1,0.002,0.001,,\r\n"), std::string::npos);
}

// Surveyors' files: points without height, names kept on writing, what was passed over
// said on stderr in one line, a file without points refused with its name.
TEST_F(Cli, SimaFilesWithoutHeightsKeepTheirNamesAndSayWhatWasSkipped) {
  const std::string sima = Write("open.sim",
                                 "G00,01,,\r\nA00,\r\nA01,1,T-5965,-24010.239,-32836.454\r\n"
                                 "A01,2,T-5966,-24011.5,-32837,,\r\nK00,x\r\nA99,\r\n");
  Result r = Run({"list", sima});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "T-5965\t-32836454\t-24010239\t\t1\r\nT-5966\t-32837000\t-24011500\t\t2\r\n");
  EXPECT_EQ(r.err, "SIMA: 2 点、読み飛ばした行 1 (最初は 5 行目)\n");

  const std::string out = PathOf("names.sim");
  r = Run({"sima", "--set", "SIMAW/ListNames=1", sima, out});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(ReadFileBytes(out).find("\r\nA01,    1,T-5965,-24010.239,-32836.454,,\r\n"),
            std::string::npos)
      << ReadFileBytes(out);

  // A file's parcels are counted in the summary, a corner found nowhere with its line.
  r = Run({"list", Write("parcels.sim",
                         "G00,01,,\r\nA00,\r\nA01,1,K1,1,1,\r\nA01,2,K2,1,2,\r\nA01,3,K3,2,2,\r\n"
                         "A99,\r\nD00,1,446-2,1,\r\nB01,1,K1,\r\nB01,2,K2,\r\nB01,3,K3,\r\nD99,\r\n"
                         "D00,2,1203,1,\r\nB01,1,K1,\r\nB01,9,K9,\r\nB01,2,K2,\r\nB01,3,K3,\r\n"
                         "D99,\r\n")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "SIMA: 3 点、画地 2、見つからない画地の点 1 (最初は 14 行目)\n");

  r = Run({"list", Write("none.sim", "G00,01,,\r\nA00,\r\nA99,\r\n")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("SIMA の座標データ (A01) がありません: " + PathOf("none.sim")),
            std::string::npos)
      << r.err;
}

TEST_F(Cli, BadArgumentsExitWithTwoAndTheUsage) {
  const std::string list = Write("l.txt", kThreePoints);
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {},
           {"draw", list},
           {"plot", list},
           {"plot", "--yx", list, "o.dxf"},
           {"table", "--range", "1", list, "o.dxf"},
           {"plot", "--set", "Layer/NOSUCH=1", list, "o.dxf"},
           {"plot", "--set", "noequals", list, "o.dxf"},
           {"list", "--set", "Excel/ColN=B", list},
           {"plot", "--set", "Draw/CheckBox21=yes", list, "o.dxf"},
           {"plot", "--scale", "abc", list, "o.dxf"},
           {"list", "--sort", "size", list},
           {"list", "--tidy=1", list},
           {"sima", "--set"},
           // Values the window's controls could not hold are refused, not clamped.
           {"list", "--set", "Excel/RowS=20000", list},
           {"list", "--set", "Excel/ColX=99", list},
           {"get", "--set", "AutoCAD/RoundOff=1000", "d.dxf"},
           {"plot", "--set", "Draw/CheckBox21=2", list, "o.dxf"},
           {"plot", "--scale", "-1", list, "o.dxf"},
           {"plot", "--scale", "nan", list, "o.dxf"},
           {"plot", "--cad", "--force", list},
           {"geo", "--zone", "0", list, "o.kml"},
           {"geo", "--zone", "9", list, "o.dxf"},
           {"list", "--latlon", "--zone", "9", "p.kml"},
           {"get", "--zone", "9", "d.dxf"},
       }) {
    const Result r = Run(args);
    EXPECT_EQ(r.status, 2) << (args.empty() ? std::string("(none)") : args[0]);
    EXPECT_NE(r.err.find("vensa-cli plot"), std::string::npos);
  }
  const Result help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("例:"), std::string::npos);
}

// OUT is never INPUT, and an existing OUT is replaced only with --force, for every
// command that writes a file.
TEST_F(Cli, AnExistingOutIsReplacedOnlyWithForceAndInputNever) {
  const std::string list = Write("l.txt", kThreePoints);
  for (const auto& [command, name] : {std::pair{"plot", "o.dxf"}, std::pair{"table", "o.dxf"},
                                      std::pair{"sima", "o.sim"}, std::pair{"excel", "o.csv"}}) {
    SCOPED_TRACE(command);
    const std::string out = Write(name, "kept");
    Result r = Run({command, list, out});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("--force"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFileBytes(out), "kept");
    r = Run({command, "--force", list, out});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(ReadFileBytes(out), "kept");
    // INPUT itself, by its own name or another spelling of it, even with --force.
    for (const std::string& self : {list, PathOf("./l.txt")}) {
      r = Run({command, "--force", list, self});
      EXPECT_EQ(r.status, command == std::string("excel") ? 2 : 1) << self;
      EXPECT_EQ(ReadFileBytes(list), kThreePoints);
    }
    std::filesystem::remove(PathFromUtf8(out));
  }
  const std::string csv = Write("in.csv", "P,1,2\r\nQ,3,4\r\n");
  const Result r = Run({"excel", "--force", csv, csv});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("INPUT"), std::string::npos) << r.err;
  EXPECT_EQ(ReadFileBytes(csv), "P,1,2\r\nQ,3,4\r\n");
}

// A size beyond every number once scaled is refused naming the setting; nothing written.
TEST_F(Cli, SizesNoDrawingCanTakeAreRefusedNamingTheSetting) {
  const std::string list = Write("l.txt", kThreePoints);
  const std::string out = PathOf("o.dxf");
  Result r = Run({"plot", "--scale", "1e308", list, out});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("TextSize/TEXTXY"), std::string::npos) << r.err;
  r = Run({"table", "--set", "TextSize/TBLTEXT=-5", list, out});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("TextSize/TBLTEXT"), std::string::npos) << r.err;
  EXPECT_FALSE(FileExists(out));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_),
                          std::filesystem::directory_iterator()),
            1);
}

// Names holding a TAB or a line break are listed as one field of one row.
TEST_F(Cli, NamesWithTabsAndLineBreaksStayOneField) {
  const std::string csv = Write("names.csv", "\"A\tB\",1,2\r\n\"C\r\nD\",3,4\r\n");
  const Result r = Run({"list", csv});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "A B\t1\t2\t\t1\r\nC D\t3\t4\t\t2\r\n");
}

TEST_F(Cli, GeoNeedsAZoneAndMapsGoBothWays) {
  const std::string list = Write("survey.txt", "K1\t11543.6883\t22916.2436\t25.5\r\n");
  const std::string kml = PathOf("map.kml");
  Result r = Run({"geo", list, kml});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("--zone N か --set Geo/Zone=N"), std::string::npos) << r.err;
  EXPECT_FALSE(FileExists(kml));
  r = Run({"geo", "--set", "Geo/Zone=9", list, kml});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "KML: 1 点、第9系 (IX)\n");
  r = Run({"list", "--zone", "9", kml});
  EXPECT_EQ(r.out, "K1\t11543.6882\t22916.2436\t25.5\t1\r\n");
  // The same point in another zone is more than 10 degrees from its origin.
  r = Run({"list", "--zone", "1", kml});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("行 1 (K1): 経度 140.087855042 は第1系 (I)の原点から 10 度"),
            std::string::npos)
      << r.err;
  r = Run({"list", "--latlon", "--zone", "9",
           Write("gnss.txt", "G1\t36-06-13.58925\t140°05′16.27815″\r\nG2\t36.1\tx\r\n")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("行 2 (G2): 経度が数値でも度分秒でもありません: \"x\""), std::string::npos);
}

TEST_F(Cli, SettingsFileIsReadFirstAndSetGoesOnTop) {
  const std::string list = Write("l.txt", kThreePoints);
  const std::string ini =
      Write("vensa.ini", "[layer]\r\ntextxy=\x8D\xC0\x95\x57\r\n[AutoCAD]\r\nStrP=0\r\n");
  const std::string out = PathOf("o.dxf");
  // Coordinate labels are off in the file: the file is written without entities.
  Result r = Run({"plot", "--settings", ini, list, out});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "0\n");
  r = Run({"plot", "--force", "--settings", ini, "--set", "AutoCAD/StrP=1", list, out});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(ReadFileBytes(out).find("  8\r\n\x8D\xC0\x95\x57\r\n"), std::string::npos);  // 座標

  r = Run({"plot", "--settings", PathOf("missing.ini"), list, out});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("missing.ini"), std::string::npos);
}

// A drawing in CP932: a mirrored light polyline, a point named by a text beside it, and a
// circle in paper space.
std::string SmallDrawing() {
  std::string text;
  for (const char* pair : {"0 SECTION",
                           "2 ENTITIES",
                           "0 LWPOLYLINE",
                           "8 \x8b\xab\x8a"
                           "E",
                           "90 2",
                           "70 0",
                           "10 10",
                           "20 20",
                           "10 30",
                           "20 20",
                           "230 -1",
                           "0 POINT",
                           "10 100.004",
                           "20 200",
                           "30 5",
                           "0 TEXT",
                           "10 101",
                           "20 201",
                           "40 1",
                           "1 No.7",
                           "0 CIRCLE",
                           "10 0",
                           "20 0",
                           "40 1",
                           "67 1",
                           "0 ENDSEC",
                           "0 EOF"}) {
    const std::string_view p(pair);
    const std::size_t blank = p.find(' ');
    text.append(p.substr(0, blank)).append("\r\n").append(p.substr(blank + 1)).append("\r\n");
  }
  return text;
}

TEST_F(Cli, GetAndTextsReadADrawingWithTheSettings) {
  const std::string drawing = Write("図面.DXF", SmallDrawing());
  Result r = Run({"get", "--set", "AutoCAD/PLINE=1", "--set", "AutoCAD/RoundOff=2", drawing});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(
      r.out,
      "\t-10.00\t20.00\t0.00\t1\r\n\t-30.00\t20.00\t0.00\t2\r\nNo.7\t100.00\t200.00\t5.00\t3\r\n");
  EXPECT_EQ(r.err, "POLYLINE=1, TEXT=1, POINT=1,\n");
  // The same list is the INPUT of the other commands.
  EXPECT_EQ(Run({"list", "--set", "AutoCAD/PLINE=1", "--set", "AutoCAD/RoundOff=2", drawing}).out,
            r.out);
  const std::string sima = PathOf("out.sim");
  ASSERT_EQ(Run({"sima", "--set", "AutoCAD/PLINE=1", drawing, sima}).status, 0);
  EXPECT_TRUE(FileExists(sima));

  r = Run({"texts", drawing});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "No.7\t101.000\t201.000\t0.000\r\n");

  // Entities read but none listed: the message on stderr, an empty list.
  r = Run({"get", "--set", "AutoCAD/POINT=0", "--set", "AutoCAD/CIRCLE=0", drawing});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("取得したデータはリストに表示されていません． リスト表示"),
            std::string::npos)
      << r.err;
}

TEST_F(Cli, ADrawingThatCannotBeReadFailsWithItsMessage) {
  for (const char* command : {"get", "texts", "list"}) {
    const std::string broken = Write("broken.dxf", SmallDrawing().substr(0, 60));
    const Result r = Run({command, broken});
    EXPECT_EQ(r.status, 1) << command;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "ファイル \"" + broken +
                  "\" を読み込めません。DXF: 11 行目 のグループコードに値の行がありません\n");
  }
}

// A stream whose every write fails, as standard output on a full disk does.
class FullDevice : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST_F(Cli, AFailedWriteOfTheStandardOutputIsAFailure) {
  const std::string list = Write("p.txt", kThreePoints);
  FullDevice full;
  std::ostream out(&full);
  std::ostringstream err;
  EXPECT_EQ(vensa::cli::Run({"list", list}, out, err), 1);
  EXPECT_EQ(err.str(), "vensa-cli: 標準出力に書き込めません\n");
}

TEST_F(Cli, GetAndTextsTakeDrawingsOnly) {
  const std::string dwg = std::string("AC1032\0\0\0\0\0\x1f\x01\x02", 14);
  const std::string named = Write("drawing.dxf", dwg);
  const std::string own = Write("drawing.DWG", dwg);
  const std::string list = Write("points.txt", kThreePoints);
  for (const char* command : {"get", "texts"}) {
    SCOPED_TRACE(command);
    const Result asDxf = Run({command, named});
    EXPECT_EQ(asDxf.status, 1);
    EXPECT_NE(asDxf.err.find("DWG"), std::string::npos) << asDxf.err;
    const Result asDwg = Run({command, own});
    EXPECT_EQ(asDwg.status, 1);
    EXPECT_EQ(asDwg.out, "");
    std::string sameMessage = asDxf.err;
    sameMessage.replace(sameMessage.find(named), named.size(), own);
    EXPECT_EQ(asDwg.err, sameMessage);
    const Result text = Run({command, list});
    EXPECT_EQ(text.status, 2);
    EXPECT_EQ(text.out, "");
    EXPECT_NE(text.err.find(list), std::string::npos) << text.err;
  }
}

TEST_F(Cli, ListOfWhatIsNoTextOfRowsIsRefusedNamingTheFileAndLine) {
  struct Case {
    const char* name;
    std::string bytes;
    int line;
  };
  const Case cases[] = {
      {"nul.txt", std::string("A\t1\t2\r\nB\0\t3\t4\r\n", 15), 2},
      {"dwg.txt", std::string("AC1032\0\0\x1f", 9), 1},
      {"bom.txt",
       "\xEF\xBB\xBF"
       "A\t1\r\n\r\nC\t\xff\r\n",
       3},
      {"utf16.txt",
       std::string("\xFF\xFE"
                   "A\0\n\0\x00\xD8\n\0",
                   10),
       2},  // a lone surrogate
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = Write(c.name, c.bytes);
    const Result r = Run({"list", path});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "not a text of rows (line " + std::to_string(c.line) + "): " + path + "\n");
  }
  // More rows than any list may hold are refused before the list is made.
  const std::string many = Write("many.txt", std::string(kListTextMaxRows + 1, '\n'));
  const Result r = Run({"list", many});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(many), std::string::npos) << r.err;
}

TEST_F(Cli, TextsOfADrawingWithoutTextPrintsNothingAndSaysSo) {
  const std::string drawing =
      Write("points.dxf",
            "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nPOINT\r\n8\r\n0\r\n10\r\n1\r\n"
            "20\r\n2\r\n30\r\n0\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n");
  const Result r = Run({"texts", drawing});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "TEXT が見つかりません: " + drawing + "\n");
}

// ---- The running CAD and spreadsheet ------------------------------------------------

TEST_F(Cli, CadCommandsDrawIntoTheRunningCadOrSayWhyNot) {
  const std::string list = Write("points.txt", kThreePoints);
  SimPlatform platform;
  const Automation automation{&platform, PathOf("vensa.dxf")};
  // No automation on this system, then no CAD running: exit 1 with a message each.
  Result r = Run({"plot", "--cad", list});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, std::string("vensa-cli: ") + kNoAutomationMessage + "\n");
  platform.RegisterClass("Gcad.Application.23", SimCad::kDefaultClassId);
  r = Run({"plot", "--cad", list}, automation);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "vensa-cli: CAD が実行されていません (ProgID: Gcad.Application.23)\n");
  r = Run({"table", "--cad", "--set", "Target/ProgID=No.Such", list}, automation);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "vensa-cli: ProgID（クラス文字列）: \nNo.Such は無効です．\n");

  SimCad cad(platform.SharedLog());
  cad.RegisterWith(platform, "Gcad.Application.23");
  r = Run({"plot", "--cad", "--set", "Draw/CheckBox22=1", "--range", "1-2", list}, automation);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(cad.EntitiesOnLayer("VENSA_POINT").size(), 2u);
  cad.QueuePick({500, 600, 0});
  r = Run({"table", "--cad", "--yx", list}, automation);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(cad.EntitiesOnLayer("VENSA_TBLLINE").empty());
  EXPECT_TRUE(cad.CommandLine().empty()) << cad.CommandLine().front();
}

TEST_F(Cli, CadsListsTheRegisteredCadsOrSaysWhyNot) {
  Result r = Run({"cads"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, std::string("vensa-cli: ") + kNoAutomationMessage + "\n");
  SimPlatform platform;
  const Automation automation{&platform, PathOf("vensa.dxf")};
  r = Run({"cads"}, automation);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "vensa-cli: 登録されている CAD が見つかりません\n");
  platform.RegisterClass("Gcad.Application.23", SimCad::kDefaultClassId);
  platform.DescribeClass("Gcad.Application.23", "GstarCAD", true);
  r = Run({"cads"}, automation);
  EXPECT_EQ(r.out, "GstarCAD\tGcad.Application.23\t未起動\n");
  EXPECT_EQ(Run({"cads", "extra"}, automation).status, 2);
}

TEST_F(Cli, ExcelCommandsReadAndWriteTheActiveWorksheet) {
  SimPlatform platform;
  const Automation automation{&platform, PathOf("vensa.dxf")};
  const std::string list = Write("points.txt", kThreePoints);
  EXPECT_EQ(Run({"list", "--excel"}).err, std::string("vensa-cli: ") + kNoAutomationMessage + "\n");
  Result r = Run({"excel", list}, automation);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Excel が実行されていない"), std::string::npos);

  SimExcel excel(platform.SharedLog());
  SimWorksheet& sheet = excel.AddWorkbook("Book1.xlsx", {"Sheet1"});
  excel.Start(platform);
  r = Run({"excel", list}, automation);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(sheet.Get(2, 2), SheetValue::Text("150.25"));
  r = Run({"list", "--excel", "--sort", "name"}, automation);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "A-1\t100\t200\t\t1\r\nA-2\t150.25\t200\t\t2\r\nB-1\t150.25\t260.125\t\t3\r\n");
  EXPECT_EQ(Run({"list", "--excel", list}, automation).status, 2) << "no INPUT with --excel";
  // A read the spreadsheet broke off lists nothing: the rows taken are no list.
  excel.FailAt("range.Value", 4, "busy");
  r = Run({"list", "--excel"}, automation);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "vensa-cli: busy\n");
}

TEST_F(Cli, SpreadsheetFilesAreReadAndWrittenWithTheExcelSettings) {
  const std::string list = Write("points.txt", kThreePoints);
  // Name in B, Y in C, X in D, from row 2.
  const std::vector<std::string> columns = {"--set", "Excel/ColN=1", "--set", "Excel/ColX=3",
                                            "--set", "Excel/ColY=2", "--set", "Excel/RowS=2"};
  const std::string xlsx = PathOf("測点.xlsx"), csv = PathOf("out.csv");
  auto with = [&](std::vector<std::string> args) {
    args.insert(args.begin() + 1, columns.begin(), columns.end());
    return Run(args);
  };
  Result r = with({"excel", list, xlsx});
  ASSERT_EQ(r.status, 0) << r.err;
  r = with({"excel", xlsx, csv});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadFileBytes(csv),
            "\xEF\xBB\xBF\r\n,A-1,200,100\r\n,A-2,200,150.25\r\n,B-1,260.125,150.25\r\n");
  for (const std::string& input : {xlsx, csv}) {
    r = with({"list", input});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "A-1\t100\t200\t\t1\r\nA-2\t150.25\t200\t\t2\r\nB-1\t150.25\t260.125\t\t3\r\n");
  }
  r = with({"excel", list, csv});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("--force"), std::string::npos);
  EXPECT_EQ(with({"excel", "--force", list, csv}).status, 0);
  EXPECT_EQ(Run({"excel", list, PathOf("out.txt")}).status, 2) << "OUT of another kind";
  r = Run({"list", Write("broken.xlsx", "PK")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("broken.xlsx"), std::string::npos);
}

TEST_F(Cli, GetAndTextsFromTheRunningCadPrintWhatTheDrawingFilePrints) {
  const std::string drawing = Write("drawing.dxf", SmallDrawing());
  SimPlatform platform;
  const Automation automation{&platform, PathOf("vensa.dxf")};
  std::unique_ptr<SimCad> cad = OpenDrawingFile(drawing, platform.SharedLog());
  cad->RegisterWith(platform, "Gcad.Application.23");
  for (const char* command : {"get", "texts"}) {
    const Result fromFile = Run({command, "--set", "AutoCAD/PLINE=1", drawing});
    const Result fromCad = Run({command, "--set", "AutoCAD/PLINE=1", "--cad"}, automation);
    EXPECT_EQ(fromCad.status, 0) << fromCad.err;
    EXPECT_FALSE(fromCad.out.empty());
    EXPECT_EQ(fromCad.out, fromFile.out) << command;
  }
  EXPECT_EQ(Run({"get", "--cad", drawing}, automation).status, 2) << "no INPUT with --cad";
  EXPECT_EQ(Run({"plot", "--cad", "--scale", "2", drawing}, automation).status, 2)
      << "the scale is the drawing's DIMSCALE";
}

}  // namespace
}  // namespace vensa::cli
