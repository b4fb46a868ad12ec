// vensa-cli area: the tables printed for a SIMA file's parcels and for the list's rows.
#include <sstream>

#include <gtest/gtest.h>

#include "cli/run.h"
#include "core/file_io.h"
#include "tests/support/temp_dir.h"

namespace vensa {
namespace {

// Two parcels, the second with a corner that is no number; the list's points are in
// millimetres with the axes exchanged, the parcels in the file's metres.
const char* const kSima =
    "G00,01,,\r\n"
    "A00,\r\n"
    "A01,    1,A,5.000,20.000,,\r\n"
    "A01,    2,B,15.000,15.000,,\r\n"
    "A01,    3,C,30.000,25.000,,\r\n"
    "A01,    4,D,20.000,40.000,,\r\n"
    "A01,    5,E,10.000,35.000,,\r\n"
    "A01,    6,F,abc,35.000,,\r\n"
    "A99,\r\n"
    "D00,1,446-2,1,\r\n"
    "B01,1,A,\r\nB01,2,B,\r\nB01,3,C,\r\nB01,4,D,\r\nB01,5,E,\r\n"
    "D99,\r\n"
    "D00,2,447,1,\r\n"
    "B01,1,A,\r\nB01,6,F,\r\nB01,3,C,\r\n"
    "D99,\r\n";

struct Result {
  int status;
  std::string out, err;
};

Result Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = cli::Run(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(AreaCli, PrintsEachParcelsTableAndNamesTheRefusedOne) {
  test::TempDir dir;
  const std::string sima = PathToUtf8(dir.path() / "parcels.sim");
  SaveFileAtomically(sima, kSima);
  const Result r = Cli({"area", "--category", "other", sima});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "446-2\n"
            "点名\tX\tY\tYn+1-Yn-1\tXn(Yn+1-Yn-1)\t辺長\n"
            "A\t5.000\t20.000\t-20.000\t-100.000000\t11.180\n"
            "B\t15.000\t15.000\t5.000\t75.000000\t18.028\n"
            "C\t30.000\t25.000\t25.000\t750.000000\t18.028\n"
            "D\t20.000\t40.000\t10.000\t200.000000\t11.180\n"
            "E\t10.000\t35.000\t-20.000\t-200.000000\t15.811\n"
            "倍面積\t725.000000\n"
            "面積\t362.500000\n"
            "地積\t362\n");
  EXPECT_NE(r.err.find("画地 \"447\": 2 行目 (点 F) の座標が数値ではありません"), std::string::npos)
      << r.err;

  // The list's rows 1-5 as one parcel, in the list's millimetres (×1000 and the axes
  // exchanged: the same ring mirrored, so the double area changes its sign).
  const Result list = Cli(
      {"area", "--list", "--range", "1-5", "--unit", "mm", "--name", "全体", "--direction", sima});
  EXPECT_EQ(list.status, 0) << list.err;
  EXPECT_NE(list.out.find("全体\n点名\tX\tY\tYn+1-Yn-1\tXn(Yn+1-Yn-1)\t辺長\t方向角\n"
                          "A\t20.000\t5.000\t"),
            std::string::npos)
      << list.out;
  EXPECT_NE(list.out.find("倍面積\t-725.000000\n面積\t362.500000\n地積\t362.50\n"),
            std::string::npos)
      << list.out;

  // Nothing to compute: status 1 and no file.
  const std::string out = PathToUtf8(dir.path() / "none.csv");
  const Result none = Cli({"area", "--list", "--range", "6", sima, out});
  EXPECT_EQ(none.status, 1);
  EXPECT_FALSE(FileExists(out));
}

TEST(AreaCli, SimaSavedWithItsParcelsKeepsThemThroughAnotherRead) {
  test::TempDir dir;
  const std::string in = PathToUtf8(dir.path() / "in.sim");
  const std::string saved = PathToUtf8(dir.path() / "saved.sim");
  SaveFileAtomically(in, kSima);
  const Result save = Cli({"sima", "--set", "SIMAW/Parcels=1", in, saved});
  EXPECT_EQ(save.status, 0) << save.err;
  // The corner that is no number was written as 0: that parcel is left out, named.
  EXPECT_NE(save.err.find("画地 \"447\" は点 F がリストにない"), std::string::npos) << save.err;
  const std::string text = ReadFileBytes(saved);
  EXPECT_NE(text.find("A99,\r\nD00,1,446-2,1,\r\nB01,    1,A1,\r\nB01,    2,A2,\r\n"),
            std::string::npos)
      << text;
  const Result again = Cli({"area", saved});
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_NE(again.out.find("446-2\n"), std::string::npos);
  EXPECT_NE(again.out.find("倍面積\t725.000000\n面積\t362.500000\n地積\t362.50\n"),
            std::string::npos)
      << again.out;
  EXPECT_EQ(again.out.find("447"), std::string::npos);
  // Off by default: the points alone.
  const Result plain = Cli({"sima", "--force", in, saved});
  EXPECT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(ReadFileBytes(saved).find("D00"), std::string::npos);
}

}  // namespace
}  // namespace vensa
