#include "platform/sim/sim_ui.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_clipboard.h"

namespace vensa {
namespace {

using Lines = std::vector<std::string>;

TEST(SimUiTest, ScriptedAnswersThenDefaults) {
  SimUi ui;
  ui.QueueAnswer(MessageAnswer::Yes);
  ui.QueueAnswer(MessageAnswer::No);
  EXPECT_EQ(ui.AskYesNoCancel("q1"), MessageAnswer::Yes);
  EXPECT_EQ(ui.AskYesNo("q2", true), MessageAnswer::No);
  EXPECT_EQ(ui.AskYesNoCancel("q3"), MessageAnswer::Cancel);
  EXPECT_EQ(ui.AskYesNo("q4", true), MessageAnswer::No);
  EXPECT_EQ(ui.Questions(), (Lines{"q1", "q2", "q3", "q4"}));

  ui.QueueFileName("C:\\data\\a.sim");
  EXPECT_EQ(ui.OpenFileDialog("*.sim|*.sim"), "C:\\data\\a.sim");
  EXPECT_EQ(ui.SaveFileDialog("*.sim|*.sim"), std::nullopt);
}

TEST(SimUiTest, KeepsWhatTheUserSees) {
  SimUi ui;
  ui.ShowMessage("取得失敗");
  ui.ShowError("boom");
  ui.SetStatusPanel(1, " POINT=5,");
  ui.SetProgressMax(ProgressBarId::ProgressBar2, 12);
  ui.SetProgressPosition(ProgressBarId::ProgressBar2, 3);
  ui.ProcessPendingMessages();
  EXPECT_EQ(ui.Messages(), (Lines{"取得失敗"}));
  EXPECT_EQ(ui.Errors(), (Lines{"boom"}));
  EXPECT_EQ(ui.StatusPanel(1), " POINT=5,");
  EXPECT_EQ(ui.StatusPanel(0), "");
  EXPECT_EQ(ui.Progress(ProgressBarId::ProgressBar2).maximum, 12);
  EXPECT_EQ(ui.Progress(ProgressBarId::ProgressBar2).position, 3);
  EXPECT_EQ(ui.Progress(ProgressBarId::ProgressBar1).position, 0);
  EXPECT_EQ(ui.PendingMessageRuns(), 1);
  EXPECT_THROW(ui.SetStatusPanel(2, "x"), std::out_of_range);

  EXPECT_EQ(ui.WindowState(), MainWindowState::Normal);
  ui.MinimizeMainWindow();
  EXPECT_EQ(ui.WindowState(), MainWindowState::Minimized);
  EXPECT_FALSE(ui.MainWindowInFront());
  ui.RestoreMainWindow();
  ui.BringMainWindowForward();
  EXPECT_EQ(ui.WindowState(), MainWindowState::Normal);
  EXPECT_TRUE(ui.MainWindowInFront());
}

TEST(SimClipboardTest, HoldsOneText) {
  SimClipboard clipboard;
  EXPECT_EQ(clipboard.GetText(), "");
  clipboard.SetText("A\t1\r\n");
  clipboard.SetText("B\t2\r\n");
  EXPECT_EQ(clipboard.GetText(), "B\t2\r\n");
}

}  // namespace
}  // namespace vensa
