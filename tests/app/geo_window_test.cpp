// The dialog "地図 (緯度経度)" of the coordinate list's pop-up menu: the zone chosen there
// is stored and restored, and its buttons save and read map files through the (scripted)
// file dialogs.
#include <wx/testing.h>

#include "app/geo_dialog.h"
#include "core/file_io.h"
#include "tests/app/window_fixture.h"

namespace vensa::test {
namespace {

// The dialog, driven while it is modal, then closed.
class DriveGeoDialog : public wxExpectModalBase<TGeoDialog, DriveGeoDialog> {
 public:
  explicit DriveGeoDialog(std::function<void(TGeoDialog&)> drive) : drive_(std::move(drive)) {}

 protected:
  int OnInvoked(TGeoDialog* dialog) const override {
    drive_(*dialog);
    return wxID_CANCEL;
  }

 private:
  std::function<void(TGeoDialog&)> drive_;
};

void Press(wxWindow* dialog, const char* name) {
  wxWindow* button = wxWindow::FindWindowByName(name, dialog);
  ASSERT_TRUE(button) << name;
  wxCommandEvent click(wxEVT_BUTTON, button->GetId());
  click.SetEventObject(button);
  button->ProcessWindowEvent(click);
}

class GeoWindowTest : public ScriptedDialogsTest {};

TEST_F(GeoWindowTest, TheZoneIsStoredAndTheListGoesToAMapAndBack) {
  OpenScripted();
  TextGrid& list = form_->State().StringGrid1;
  list.SetCell(0, 1, "P1");
  list.SetCell(1, 1, "11543.6883");
  list.SetCell(2, 1, "22916.2436");
  form_->ShowState();
  const std::string map = dir_.File("points.kml");
  dialogs_.QueueFileName(map);
  dialogs_.QueueFileName(map);
  wxTEST_DIALOG(form_->PopupMenu1Click("地図 (緯度経度)..."), DriveGeoDialog([&](TGeoDialog& d) {
                  EXPECT_EQ(d.ComboZone->GetSelection(), 0);  // none yet
                  d.ComboZone->SetSelection(9);
                  wxCommandEvent choice(wxEVT_CHOICE, d.ComboZone->GetId());
                  choice.SetInt(9);
                  d.ComboZone->ProcessWindowEvent(choice);
                  Press(&d, "ButtonMapSave");
                  list.SetCell(0, 1, "changed");
                  Press(&d, "ButtonMapOpen");
                }));
  EXPECT_TRUE(dialogs_.Errors().empty()) << dialogs_.Errors().front();
  EXPECT_NE(ReadFileBytes(map).find("<coordinates>140.087855042,36.103774791</coordinates>"),
            std::string::npos);
  EXPECT_EQ(form_->State().StringGrid1.Cell(0, 1), "P1");
  EXPECT_EQ(form_->State().StatusBar1[1], "KML: 1 点 → 第9系 (IX)");
  Close();
  EXPECT_NE(ReadFileBytes(dir_.File("vensa.ini")).find("[Geo]\r\nZone=9\r\n"), std::string::npos);
  OpenScripted();
  EXPECT_EQ(form_->State().GeoZone.text, "9");
  wxTEST_DIALOG(form_->PopupMenu1Click("地図 (緯度経度)..."),
                DriveGeoDialog([](TGeoDialog& d) { EXPECT_EQ(d.ComboZone->GetSelection(), 9); }));
}

}  // namespace
}  // namespace vensa::test
