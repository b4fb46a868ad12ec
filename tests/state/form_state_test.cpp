#include "state/form_state.h"

#include <gtest/gtest.h>

#include <climits>

namespace vensa {
namespace {

TEST(FormStateTest, FirstStartShowsTheInitialWindow) {
  const FormState s = InitialFormState();
  EXPECT_EQ(s.Caption, "Vensa2023");
  EXPECT_EQ(s.TargetProgID, "Gcad.Application.23");
  EXPECT_EQ(s.Edit1.text, "2.5");
  EXPECT_EQ(s.Edit33.text, "101");
  EXPECT_TRUE(s.CheckBox14.checked);
  EXPECT_FALSE(s.CheckBox5.checked);
  EXPECT_FALSE(s.CheckBox5.enabled);  // "閉鎖" waits for "PLINE"
  EXPECT_FALSE(s.Edit21.enabled);     // Z column waits for "Z座標"
  EXPECT_TRUE(s.CheckBox11.enabled);  // "座標値（" is on
  EXPECT_EQ(s.Button12Caption, "ID (INT)");
  EXPECT_FALSE(s.ListDisplayGroupEnabled);
  EXPECT_FALSE(s.Edit26.enabled);
  EXPECT_EQ(s.Edit26.text, "500");
  EXPECT_EQ(s.Edit31.text, "");
}

TEST(FormStateTest, GridsStartWithHeadersAndFourEmptyRows) {
  const FormState s = InitialFormState();
  EXPECT_EQ(s.StringGrid1.ColCount(), 5);
  EXPECT_EQ(s.StringGrid1.Cell(4, 0), " PLOT No.");
  EXPECT_EQ(s.StringGrid1.Cell(4, 1), "");
  EXPECT_EQ(s.StringGrid2.ColCount(), 4);
  EXPECT_EQ(s.StringGrid2.Cell(0, 0), " TEXT");
  for (const TextGrid* g : {&s.StringGrid3, &s.StringGrid4}) {
    EXPECT_EQ(g->ColCount(), 6);
    EXPECT_EQ(g->Cell(0, 0), " コード");
    EXPECT_EQ(g->Cell(5, 0), " Z座標");
  }
  for (const TextGrid* g : {&s.StringGrid1, &s.StringGrid2, &s.StringGrid3, &s.StringGrid4}) {
    EXPECT_EQ(g->RowCount(), 5);
  }
}

TEST(FormStateTest, DependentStatesFollowTheirControls) {
  FormState s = InitialFormState();
  s.CheckBox8.checked = true;
  s.CheckBox21.checked = true;
  s.CheckBox4.checked = false;
  s.CheckBox16.checked = false;
  s.UpDown1.position = 40;  // as a stored ColN=40 would give
  s.UpDown4.position = 0;
  s.UpDown6.position = 7;
  s.DxfWaitTime = 250;
  ApplyDependentStates(s);
  EXPECT_TRUE(s.Edit21.enabled);
  EXPECT_TRUE(s.UpDown5.enabled);
  EXPECT_TRUE(s.CheckBox5.enabled && s.CheckBox7.enabled && s.CheckBox28.enabled);
  EXPECT_FALSE(s.CheckBox11.enabled);
  EXPECT_EQ(s.Button12Caption, "ID");
  EXPECT_EQ(s.UpDown1.position, 25);
  EXPECT_EQ(s.Edit3.text, "Z");
  EXPECT_EQ(s.UpDown4.position, 1);
  EXPECT_EQ(s.Edit6.text, "1");
  EXPECT_EQ(s.Edit27.text, "7");
  EXPECT_EQ(s.Edit26.text, "250");
}

TEST(FormStateTest, ColumnLettersAndUpDownLimits) {
  EXPECT_EQ(ColumnLetter(0), "A");
  EXPECT_EQ(ColumnLetter(25), "Z");
  EXPECT_EQ(ColumnLetter(26), "Z");
  EXPECT_EQ(ColumnLetter(-1), "A");

  UpDownState u{24, 0, 25};
  EXPECT_TRUE(StepUpDown(u, 1));
  EXPECT_FALSE(StepUpDown(u, 1));  // past "Z": no wrap
  EXPECT_EQ(u.position, 25);
  u.position = 0;
  EXPECT_FALSE(StepUpDown(u, -1));
  EXPECT_EQ(u.position, 0);

  UpDownState wide{INT_MAX, INT_MIN, INT_MAX};
  EXPECT_FALSE(StepUpDown(wide, 1));  // no overflow at the end of the range
  EXPECT_EQ(ClampPosition(UpDownState{1, 1, 10000}, 20000), 10000);
  EXPECT_EQ(ClampPosition(UpDownState{1, 1, 10000}, -5), 1);
}

TEST(FormStateTest, DxfWaitTimeFromItsField) {
  FormState s = InitialFormState();
  s.Edit26.text = "abc";
  EXPECT_EQ(DxfWaitTimeFromEdit26(s), 500);
  s.Edit26.text = "";
  EXPECT_EQ(DxfWaitTimeFromEdit26(s), 500);
  s.Edit26.text = " 250 ";
  EXPECT_EQ(DxfWaitTimeFromEdit26(s), 250);
  s.Edit26.text = "-5";  // would be an endless sleep
  EXPECT_EQ(DxfWaitTimeFromEdit26(s), 0);
}

TEST(FormStateTest, RightClickTogglesTheIntOptionAndTabChangeRereadsTheWait) {
  FormState s = InitialFormState();
  ToggleIntOption(s);
  EXPECT_FALSE(s.CheckBox16.checked);
  EXPECT_EQ(s.Button12Caption, "ID");
  ToggleIntOption(s);
  EXPECT_EQ(s.Button12Caption, "ID (INT)");
  s.Edit26.text = "x";
  s.DxfWaitTime = 42;
  ChangePage(s, 3);
  EXPECT_EQ(s.ActivePage, 3);
  EXPECT_EQ(s.DxfWaitTime, 500);
}

}  // namespace
}  // namespace vensa
