// "座標求積..." of the coordinate list's pop-up menu: the dialog's choices, the list's rows
// as one parcel, the table saved into the file chosen in the (scripted) save dialog.
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include "app/area_dialog.h"
#include "core/coord_list.h"
#include "core/file_io.h"
#include "tests/app/window_fixture.h"

namespace vensa::test {
namespace {

// The dialog as it opens (whether the SIMA parcels are offered), then the parcel's name
// typed, the direction column chosen and "ファイルへ" pressed.
class ExpectAreaForm : public wxExpectModalBase<TAreaForm, ExpectAreaForm> {
 public:
  explicit ExpectAreaForm(std::string& seen) : seen_(seen) {}

 protected:
  int OnInvoked(TAreaForm* form) const override {
    auto* parcels = wxDynamicCast(wxWindow::FindWindowByName("RadioParcels", form), wxRadioButton);
    seen_ = form->GetTitle().utf8_string() + (parcels->IsEnabled() ? " parcels" : " list");
    wxDynamicCast(wxWindow::FindWindowByName("EditAreaName", form), wxTextCtrl)->SetValue("3-1");
    wxDynamicCast(wxWindow::FindWindowByName("CheckBox34", form), wxCheckBox)->SetValue(true);
    return TAreaForm::kToFile;
  }

 private:
  std::string& seen_;
};

class AreaWindowTest : public ScriptedDialogsTest {
 protected:
  void SetUp() override { OpenScripted(); }
};

TEST_F(AreaWindowTest, TheListsRowsAsOneParcelIntoACsvFile) {
  TextGrid& list = form_->State().StringGrid1;
  const char* const points[][3] = {
      {"A", "5", "20"}, {"B", "15", "15"}, {"C", "30", "25"}, {"D", "20", "40"}, {"E", "10", "35"}};
  list.SetRowCount(6);
  for (int r = 1; r <= 5; ++r)
    for (int c = 0; c < 3; ++c) list.SetCell(c, r, points[r - 1][c]);
  RenumberPlotNo(list);
  form_->ShowState();
  WaitForIdle();

  const std::string csv = dir_.File("area.csv");
  dialogs_.QueueFileName(csv);
  std::string seen;
  wxTEST_DIALOG(form_->PopupMenu1Click("座標求積..."), ExpectAreaForm(seen));
  EXPECT_EQ(seen, "座標求積 list");
  const std::string text = ReadFileBytes(csv);
  EXPECT_EQ(text.rfind("\xEF\xBB\xBF"
                       "3-1\r\n点名,X,Y,Yn+1-Yn-1,Xn(Yn+1-Yn-1),辺長,方向角\r\n"
                       "A,5.000,20.000,-20.000,-100.000000,11.180,333°26′06″\r\n",
                       0),
            0u)
      << text;
  EXPECT_NE(text.find("倍面積,725.000000\r\n面積,362.500000\r\n地積,362.50,㎡,"), std::string::npos)
      << text;
  EXPECT_TRUE(form_->State().CheckBox34.checked);  // remembered for the settings file
  EXPECT_EQ(form_->State().StatusBar1[1], "座標求積: 画地 1");
  EXPECT_TRUE(dialogs_.Errors().empty()) << dialogs_.Errors().front();
}

}  // namespace
}  // namespace vensa::test
