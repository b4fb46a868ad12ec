#include "platform/sim/sim_platform.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_ui.h"

namespace vensa {
namespace {

using Lines = std::vector<std::string>;

class NullFilter : public MessageFilter {
 public:
  std::uint32_t HandleInComingCall(std::uint32_t, TaskHandle, std::uint32_t) override { return 0; }
  std::int32_t RetryRejectedCall(TaskHandle, std::uint32_t, std::uint32_t) override { return -1; }
  std::uint32_t MessagePending(TaskHandle, std::uint32_t, std::uint32_t) override { return 2; }
};

TEST(SimPlatformTest, ClassTableAndRunningObjects) {
  SimPlatform platform;
  platform.RegisterClass("Cad.Application", "{CAD}");
  EXPECT_EQ(platform.ClassIdFromProgId("Cad.Application"), "{CAD}");
  EXPECT_EQ(platform.ClassIdFromProgId("cad.application"), std::nullopt);  // exact key
  EXPECT_EQ(platform.GetActiveObject("{CAD}"), nullptr);

  auto object = std::make_shared<AutomationObject>();
  platform.SetRunningObject("{CAD}", object);
  EXPECT_EQ(platform.GetActiveObject("{CAD}"), object);
  platform.RemoveRunningObject("{CAD}");
  EXPECT_EQ(platform.GetActiveObject("{CAD}"), nullptr);
  EXPECT_EQ(platform.Log().Lines(),
            (Lines{"ClassIdFromProgId Cad.Application", "ClassIdFromProgId cad.application",
                   "GetActiveObject {CAD}", "GetActiveObject {CAD}", "GetActiveObject {CAD}"}));
}

TEST(SimPlatformTest, WindowsRestoreAndForeground) {
  SimPlatform platform;
  platform.AddWindow(10, "XLMAIN", true);
  platform.AddWindow(20, "Other");
  EXPECT_EQ(platform.FindTopLevelWindow("XLMAIN"), 10);
  EXPECT_EQ(platform.FindTopLevelWindow("None"), 0);
  EXPECT_TRUE(platform.IsMinimized(10));
  platform.RestoreWindow(10);
  EXPECT_FALSE(platform.IsMinimized(10));

  EXPECT_TRUE(platform.SetForegroundWindow(20));
  EXPECT_EQ(platform.GetForegroundWindow(), 20);
  EXPECT_FALSE(platform.SetForegroundWindow(99)) << "no such window";
  platform.SetRefuseForeground(true);
  EXPECT_FALSE(platform.SetForegroundWindow(10));
  EXPECT_EQ(platform.GetForegroundWindow(), 20);

  platform.RemoveWindow(20);
  EXPECT_EQ(platform.GetForegroundWindow(), 0) << "a closed window is not in front";
}

TEST(SimPlatformTest, SleepsAndKeysAreRecordedNotPerformed) {
  SimPlatform platform;
  platform.SendKeyEvent(kVirtualKeyEscape, false);
  platform.Sleep(5);
  platform.SendKeyEvent(kVirtualKeyEscape, true);
  platform.Sleep(200);
  EXPECT_EQ(platform.Log().Lines(), (Lines{"KeyDown 27", "Sleep 5", "KeyUp 27", "Sleep 200"}));
  EXPECT_EQ(platform.SleptMilliseconds(), 205);
}

TEST(SimPlatformTest, MessageFilterReplacementReturnsThePreviousOne) {
  SimPlatform platform;
  auto first = std::make_shared<NullFilter>();
  auto second = std::make_shared<NullFilter>();
  EXPECT_EQ(platform.SetMessageFilter(first), nullptr);
  EXPECT_EQ(platform.SetMessageFilter(second), first);
  EXPECT_EQ(platform.SetMessageFilter(nullptr), second);
  EXPECT_EQ(platform.CurrentMessageFilter(), nullptr);
}

TEST(SimPlatformTest, SharedLogKeepsOrderAcrossSubstitutes) {
  auto log = std::make_shared<CallLog>();
  SimPlatform platform(log);
  SimUi ui(log);
  ui.MinimizeMainWindow();
  platform.Sleep(100);
  ui.RestoreMainWindow();
  EXPECT_EQ(log->Lines(), (Lines{"ui.MinimizeMainWindow", "Sleep 100", "ui.RestoreMainWindow"}));
  EXPECT_EQ(log->CountPrefix("ui."), 2);
  EXPECT_EQ(log->Count("Sleep 100"), 1);
}

}  // namespace
}  // namespace vensa
