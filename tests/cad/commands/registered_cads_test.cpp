#include "cad/commands/registered_cads.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_platform.h"

namespace vensa {
namespace {

TEST(RegisteredCadsTest, ProgIdNamesTakenForCadApplications) {
  const struct {
    const char* progId;
    bool cad;
  } cases[] = {
      {"Gcad.Application", true},
      {"Gcad.Application.23", true},
      {"ZWCAD.APPLICATION.2024.1", true},
      {"BricscadApp.AcadApplication", true},
      {"BricscadApp.AcadApplication.23.0", true},
      {".Application", false},
      {"Gcad.Application.x23", false},
      {"Gcad.ApplicationFrame", false},
      {"Gcad.Document", false},
      {"Excel.Application", false},
      {"excel.application.16", false},
      {"Word.Application", false},
      {"InternetExplorer.Application.1", false},
      {"Access.Application", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsCadApplicationProgId(c.progId), c.cad) << c.progId;
}

TEST(RegisteredCadsTest, ListsLocalServersNamedAsCadsWithTheRunningOnesMarked) {
  SimPlatform platform;
  auto add = [&](const char* progId, const char* classId, const char* name, bool localServer,
                 const char* currentVersion = "") {
    platform.RegisterClass(progId, classId);
    platform.DescribeClass(progId, name, localServer, currentVersion);
  };
  add("ZWCAD.Application", "{Z}", "", true);
  add("Gcad.Application", "{G}", "GstarCAD Application", true, "Gcad.Application.23");
  add("Gcad.Application.23", "{G}", "GstarCAD Application", true);
  add("Shell.Application", "{S}", "Shell Automation Service", false);
  add("Excel.Application", "{E}", "Microsoft Excel Application", true);
  add("Tool.Application", "{T}", "in-process only", false);
  platform.RegisterClass("Gcad.Drawing", "{D}");
  platform.SetRunningObject("{G}", std::make_shared<AutomationObject>());
  platform.SetRunningObject("{E}", std::make_shared<AutomationObject>());

  std::vector<std::string> lines;
  for (const RegisteredCad& cad : FindRegisteredCads(platform))
    lines.push_back(RegisteredCadLine(cad));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "GstarCAD Application\tGcad.Application\t起動中",
                       "GstarCAD Application\tGcad.Application.23\t起動中",
                       "ZWCAD.Application\tZWCAD.Application\t未起動",
                   }));
  EXPECT_EQ(RegisteredCadChoice({"GstarCAD", "Gcad.Application.23", true}),
            "GstarCAD (Gcad.Application.23)  [起動中]");
  EXPECT_EQ(RegisteredCadChoice({"ZWCAD", "ZWCAD.Application", false}),
            "ZWCAD (ZWCAD.Application)");
}

}  // namespace
}  // namespace vensa
