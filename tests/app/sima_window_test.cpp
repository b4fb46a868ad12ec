// The SIMA tabs in the window: "読み込み" of a file with parcels, its summary in the status
// panel; "データ作成" and "保存" into a file chosen in the (scripted) save dialog.
#include <string>

#include <wx/statusbr.h>

#include "core/file_io.h"
#include "tests/app/window_fixture.h"

namespace vensa::test {
namespace {

class SimaWindowTest : public ScriptedDialogsTest {
 protected:
  void SetUp() override { OpenScripted(); }
};

TEST_F(SimaWindowTest, ReadsParcelsAndSavesTheList) {
  dialogs_.QueueFileName(dir_.Write("parcels.sim",
                                    "G00,01,,\r\nA00,\r\nA01,1,K1,1,1,\r\nA01,2,K2,1,2,\r\n"
                                    "A01,3,K3,2,2,\r\nA99,\r\nD00,1,446-2,1,\r\nB01,1,K1,\r\n"
                                    "B01,2,K2,\r\nB01,3,K3,\r\nD99,\r\n"));
  Click("Button9");  // 読み込み
  EXPECT_EQ(Find<wxStatusBar>("StatusBar1")->GetStatusText(1).utf8_string(), "SIMA: 3 点、画地 1");
  EXPECT_EQ(form_->State().SimaParcels.size(), 1u);
  EXPECT_EQ(form_->State().StringGrid1.DataRowCount(), 3);

  // An empty name is refused with the row named; then the save goes through.
  Click("Button10");  // データ作成
  form_->State().StringGrid4.SetCell(2, 3, "");
  form_->ShowState();
  Click("Button11");  // 保存
  EXPECT_EQ(dialogs_.Messages(), (std::vector<std::string>{"3 行の測点名が空白です."}));
  Click("Button10");
  const std::string saved = dir_.File("out");
  dialogs_.QueueFileName(saved);
  Click("Button11");
  EXPECT_NE(ReadFileBytes(saved + ".sim").find("\r\nA01,    2,A2,"), std::string::npos);
  EXPECT_TRUE(dialogs_.Errors().empty()) << dialogs_.Errors().front();
}

}  // namespace
}  // namespace vensa::test
