// "検出" of the target CAD dialog and vensa-cli cads: the AutoCAD-compatible applications
// registered on this machine, read from the class registry so that the user need not look
// their ProgIDs up there, with the ones running now marked.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace vensa {

struct RegisteredCad {
  std::string name;  // the registry's description, else the ProgID
  std::string progId;
  bool running = false;
};

// Whether the ProgID is named as a CAD application's automation class is: "X.Application"
// or "XAcadApplication" ("X.AcadApplication"), each maybe followed by a version
// (".23", ".24.1"), and not one of the office suite's or the browser's applications, which
// carry the same kind of name on nearly every Windows machine.
bool IsCadApplicationProgId(std::string_view progId);

// Whether a registered class is taken for an AutoCAD-compatible application: a ProgID named
// as above whose class is served by a program of its own (a local server). The registry
// tells nothing of the members a class answers, and finding out would mean starting the
// program; a CAD that is left out can still be typed in by hand.
bool IsCadApplicationClass(const RegisteredClass& entry);

// The CAD applications registered here, version-independent and versioned ProgIDs alike,
// ordered by ProgID without regard to letter case. Nothing is started or written.
std::vector<RegisteredCad> FindRegisteredCads(Platform& platform);

inline constexpr char kCadRunningMark[] = "起動中";
inline constexpr char kCadNotRunningMark[] = "未起動";

// One line of vensa-cli cads: name, TAB, ProgID, TAB, "起動中" or "未起動".
std::string RegisteredCadLine(const RegisteredCad& cad);
// One entry of the dialog's list: "name (ProgID)", "  [起動中]" after a running one.
std::string RegisteredCadChoice(const RegisteredCad& cad);

}  // namespace vensa
