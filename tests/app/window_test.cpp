// The main window's start, placement, shut-down, target CAD dialog and control handlers.
#include <wx/display.h>
#include <wx/listbox.h>
#include <wx/spinbutt.h>
#include <wx/statusbr.h>
#include <wx/testing.h>

#include "app/target_cad_form.h"
#include "core/file_io.h"
#include "tests/app/window_fixture.h"

namespace vensa::test {
namespace {

struct Shows {
  const char* control;
  std::string text;
  bool enabled;
};

TEST_F(WindowTest, FirstStartShowsTheDefaultsCentred) {
  Open();
  EXPECT_EQ(form_->GetTitle(), "Vensa2023");
  const Shows expected[] = {
      {"Edit3", "A", true},           {"Edit4", "B", true},           {"Edit21", "D", false},
      {"CheckBox8", "0", true},       {"Edit6", "1", true},           {"CheckBox21", "0", true},
      {"CheckBox5", "0", false},      {"CheckBox28", "0", false},     {"CheckBox4", "1", true},
      {"CheckBox11", "0", true},      {"CheckBox2", "1", false},      {"Edit33", "101", true},
      {"Edit31", "", true},           {"Button12", "ID (INT)", true}, {"Edit1", "2.5", true},
      {"Edit2", "VENSA_PLINE", true}, {"Edit26", "500", false},       {"Edit27", "3", true},
      {"CheckBox14", "1", true},      {"Edit30", "A1", true},         {"Edit35", "", true},
      {"CheckBox29", "0", true},      {"CheckBox30", "0", true},
  };
  for (const Shows& s : expected) {
    EXPECT_EQ(Shown(s.control), s.text) << s.control;
    EXPECT_EQ(Find(s.control)->IsEnabled(), s.enabled) << s.control;
  }
  EXPECT_EQ(Grid("StringGrid1")->GetNumberRows(), 4);
  EXPECT_EQ(Grid("StringGrid1")->GetColLabelValue(4), " PLOT No.");
  EXPECT_EQ(form_->GetClientSize(), wxSize(391, 464));
  EXPECT_TRUE(form_->HasFlag(wxSTAY_ON_TOP));
  EXPECT_FALSE(form_->HasFlag(wxMAXIMIZE_BOX) || form_->HasFlag(wxRESIZE_BORDER));
  const wxRect screen = wxDisplay(0u).GetGeometry();
  EXPECT_EQ(form_->State().Left, (screen.width - form_->GetSize().x) / 2);
  EXPECT_EQ(form_->State().Top, (screen.height - form_->GetSize().y) / 2);
}

TEST_F(WindowTest, TargetNameFromTheListFileAndStoredPlacementClamped) {
  dir_.Write("TargetCAD_APIVersion.txt",
             "AutoCAD\tAutoCAD.Application\r\nGstarCAD\tGcad.Application.23\r\n");
  dir_.Write("vensa.ini", "[Form]\r\nLeft=100000\r\nTop=-20\r\n");
  Open();
  EXPECT_EQ(form_->GetTitle().utf8_string(), "Vensa2023.8.9 [ GstarCAD ]");
  EXPECT_EQ(Shown("Edit35"), "GstarCAD");
  EXPECT_EQ(Shown("Edit36"), "Gcad.Application.23");
  const wxRect screen = wxDisplay(0u).GetGeometry();
  EXPECT_EQ(form_->State().Left, screen.width - form_->GetSize().x);
  EXPECT_EQ(form_->State().Top, -20);  // a negative edge is not corrected
}

TEST_F(WindowTest, CloseWritesTheSettingsBesideTheProgram) {
  Open();
  Find<wxTextCtrl>("Edit33")->SetValue("205");
  Close();
  const std::string ini = ReadFileBytes(dir_.File("vensa.ini"));
  for (const char* line : {"[Form]\r\n", "[Target]\r\nProgID=Gcad.Application.23\r\n", "=205\r\n"})
    EXPECT_NE(ini.find(line), std::string::npos) << line;
}

TEST_F(WindowTest, TheSimaCheckBoxesAreStoredAndRestored) {
  Open();
  for (const char* box : {"CheckBox29", "CheckBox30"}) Find<wxCheckBox>(box)->SetValue(true);
  Close();
  const std::string ini = ReadFileBytes(dir_.File("vensa.ini"));
  for (const char* line : {"[SIMAR]\r\nParcel=1\r\n", "ListNames=1\r\n"})
    EXPECT_NE(ini.find(line), std::string::npos) << line;
  Open();
  for (const char* box : {"CheckBox29", "CheckBox30"}) EXPECT_EQ(Shown(box), "1") << box;
}

class UnwritableFolderTest : public WindowTest {
 protected:
  std::string ExePath() const override { return dir_.File("missing/vensa"); }
};

TEST_F(UnwritableFolderTest, CloseSaysTheSettingsWereNotSaved) {
  Open();
  wxTEST_DIALOG(Close(), wxExpectModal<wxMessageDialog>(wxID_OK));
  EXPECT_FALSE(form_);
}

// A message box whose text is kept, answered with OK.
class ExpectMessage : public wxExpectModal<wxMessageDialog> {
 public:
  explicit ExpectMessage(std::string& seen) : wxExpectModal(wxID_OK), seen_(seen) {}

 protected:
  int OnInvoked(wxMessageDialog* dialog) const override {
    seen_ = dialog->GetMessage().utf8_string();
    return wxID_OK;
  }

 private:
  std::string& seen_;
};

TEST_F(WindowTest, WithoutComTheCadCommandsReportTheProgIdAsInvalid) {
  Open();
  for (const char* button : {"Button2", "Button4", "Button12"}) {
    std::string seen;
    wxCommandEvent click(wxEVT_BUTTON, Find(button)->GetId());
    wxTEST_DIALOG(Find(button)->ProcessWindowEvent(click), ExpectMessage(seen));
    EXPECT_EQ(seen, "ProgID（クラス文字列）: \nGcad.Application.23 は無効です．") << button;
  }
}

TEST_F(WindowTest, RightClickTogglesTheIntOption) {
  Open();
  for (const char* target : {"Button12", "CheckBox11"}) {
    for (const char* expected : {"ID", "ID (INT)"}) {
      sim_.MouseMove(CentreOf(Find(target)));
      WaitForIdle();
      sim_.MouseClick(wxMOUSE_BTN_RIGHT);
      ASSERT_TRUE(WaitUntil([&] { return Shown("Button12") == expected; })) << target;
      EXPECT_EQ(Shown("CheckBox16"), expected == std::string("ID") ? "0" : "1");
    }
  }
  EXPECT_EQ(Shown("CheckBox11"), "0");  // the right button does not tick the box itself
}

TEST_F(WindowTest, UpDownsStopAtTheirLimits) {
  Open();
  auto* upDown = Find("UpDown1");
  const wxPoint upper = upDown->ClientToScreen({upDown->GetClientSize().x / 2, 3});
  sim_.MouseMove(upper);
  WaitForIdle();
  sim_.MouseClick();
  ASSERT_TRUE(WaitUntil([&] { return Shown("Edit3") == "B"; }));
  auto arrow = [&](const char* name, wxEventType type, int times) {
    for (int i = 0; i < times; ++i) {
      wxSpinEvent event(type);
      Find(name)->ProcessWindowEvent(event);
    }
  };
  arrow("UpDown1", wxEVT_SPIN_UP, 30);
  EXPECT_EQ(Shown("Edit3"), "Z");
  arrow("UpDown1", wxEVT_SPIN_DOWN, 30);
  EXPECT_EQ(Shown("Edit3"), "A");
  arrow("UpDown4", wxEVT_SPIN_DOWN, 2);
  EXPECT_EQ(Shown("Edit6"), "1");
  arrow("UpDown6", wxEVT_SPIN_UP, 9);
  EXPECT_EQ(Shown("Edit27"), "8");
  EXPECT_FALSE(Find("UpDown5")->IsEnabled());
}

TEST_F(WindowTest, TargetDialogAddsChangesDeletesAndConfirms) {
  const std::string list =
      dir_.Write("TargetCAD_APIVersion.txt",
                 "AutoCAD\tAutoCAD.Application\r\nGstarCAD\tGcad.Application.23\r\n");
  Open();
  TTargetCADForm* dialog = form_->TargetCADForm();
  auto find = [dialog](const char* name) { return wxWindow::FindWindowByName(name, dialog); };
  auto click = [&](const char* name) {
    wxCommandEvent event(wxEVT_BUTTON, find(name)->GetId());
    event.SetEventObject(find(name));
    find(name)->ProcessWindowEvent(event);
  };
  auto edit = [&](const char* name) { return static_cast<wxTextCtrl*>(find(name)); };
  std::string shownAtOpen;
  form_->CallAfter([&] {
    shownAtOpen = edit("Edit1")->GetValue().utf8_string();
    edit("Edit1")->SetValue("ZWCAD");
    edit("Edit2")->SetValue("ZWCAD.Application");
    click("SpeedButton1");  // 追加
    edit("Edit2")->SetValue("ZWCAD.Application.2024");
    wxCommandEvent enter(wxEVT_TEXT_ENTER, edit("Edit2")->GetId());
    edit("Edit2")->ProcessWindowEvent(enter);  // Enter acts as 変更
    static_cast<wxListBox*>(find("ListBox1"))->SetSelection(0);
    click("SpeedButton2");  // 削除 of AutoCAD
    click("Button1");       // OK
  });
  wxCommandEvent open(wxEVT_BUTTON, Find("SpeedButton5")->GetId());
  Find("SpeedButton5")->ProcessWindowEvent(open);  // 編集: modal until OK
  EXPECT_EQ(shownAtOpen, "GstarCAD");
  EXPECT_EQ(ReadFileBytes(list),
            "GstarCAD\tGcad.Application.23\r\nZWCAD\tZWCAD.Application.2024\r\n");
  EXPECT_EQ(form_->GetTitle().utf8_string(), "Vensa2023.8.9 [ GstarCAD ]");
  EXPECT_EQ(form_->State().TargetProgID, "Gcad.Application.23");
}

TEST_F(ScriptedDialogsTest, TargetDialogOffersTheRegisteredCadsAndANoteSaysOneIsNotRunning) {
  useSimPlatform_ = true;
  const struct {
    const char* progId;
    const char* name;
    bool localServer;
  } registered[] = {{"Gcad.Application", "GstarCAD", true},
                    {"Gcad.Application.23", "GstarCAD 2023", true},
                    {"Excel.Application", "Excel", true}};
  for (const auto& r : registered) {
    simPlatform_.RegisterClass(r.progId, "{G}");
    simPlatform_.DescribeClass(r.progId, r.name, r.localServer);
  }
  OpenScripted();
  dialogs_.QueueChoice(1);  // offered at once: there is no list file yet
  dialogs_.QueueChoice(0);  // then by "検出"
  TTargetCADForm* dialog = form_->TargetCADForm();
  auto click = [](wxWindow* button) {
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->ProcessWindowEvent(event);
  };
  form_->CallAfter([&] {
    click(wxWindow::FindWindowByName("SpeedButton4", dialog));
    click(wxWindow::FindWindowByName("Button1", dialog));
  });
  click(Find("SpeedButton5"));  // 編集: modal until OK
  EXPECT_EQ(dialogs_.OfferedItems(),
            (std::vector<std::string>{"GstarCAD (Gcad.Application)",
                                      "GstarCAD 2023 (Gcad.Application.23)"}));
  EXPECT_EQ(ReadFileBytes(dir_.File("TargetCAD_APIVersion.txt")),
            "GstarCAD\tGcad.Application\r\nGstarCAD 2023\tGcad.Application.23\r\n");
  EXPECT_EQ(form_->State().TargetProgID, "Gcad.Application");

  click(Find("Button4"));  // CADから, with the CAD registered but not running
  EXPECT_EQ(form_->State().StatusBar1[1], "CAD (Gcad.Application) が起動していません");
  EXPECT_EQ(Find<wxStatusBar>("StatusBar1")->GetStatusText(1).utf8_string(),
            form_->State().StatusBar1[1]);
  EXPECT_TRUE(dialogs_.Messages().empty());
}

}  // namespace
}  // namespace vensa::test
