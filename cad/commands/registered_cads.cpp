#include "cad/commands/registered_cads.h"

#include <algorithm>
#include <array>

#include "core/text.h"

namespace vensa {

namespace {

// The application classes of the office suite and of the browser: named like a CAD's, served
// by programs of their own, and found on nearly every machine the system runs on. The
// spreadsheet the system drives itself is among them.
constexpr std::array<std::string_view, 13> kNonCadFamilies = {
    "Access",  "Excel",      "Groove",    "InfoPath",         "Lync",  "MSProject", "OneNote",
    "Outlook", "PowerPoint", "Publisher", "InternetExplorer", "Visio", "Word"};

bool IsVersion(std::string_view segment) {
  return !segment.empty() &&
         std::all_of(segment.begin(), segment.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The ProgID without its version segments: "Gcad.Application.23" -> "Gcad.Application".
std::string_view WithoutVersion(std::string_view progId) {
  for (;;) {
    const std::size_t dot = progId.rfind('.');
    if (dot == std::string_view::npos || !IsVersion(progId.substr(dot + 1))) return progId;
    progId = progId.substr(0, dot);
  }
}

}  // namespace

bool IsCadApplicationProgId(std::string_view progId) {
  const std::string_view base = WithoutVersion(progId);
  constexpr std::string_view kApplication = ".Application";
  constexpr std::string_view kAcadApplication = "AcadApplication";
  const bool named =
      (base.size() > kApplication.size() && EndsWithIgnoringAsciiCase(base, kApplication)) ||
      EndsWithIgnoringAsciiCase(base, kAcadApplication);
  if (!named) return false;
  const std::string_view family = base.substr(0, base.find('.'));
  return std::none_of(kNonCadFamilies.begin(), kNonCadFamilies.end(),
                      [&](std::string_view f) { return EqualsIgnoringAsciiCase(family, f); });
}

bool IsCadApplicationClass(const RegisteredClass& entry) {
  return entry.localServer && IsCadApplicationProgId(entry.progId);
}

std::vector<RegisteredCad> FindRegisteredCads(Platform& platform) {
  std::vector<RegisteredCad> cads;
  for (const RegisteredClass& entry : platform.RegisteredClasses(IsCadApplicationProgId)) {
    if (!IsCadApplicationClass(entry)) continue;
    const std::string_view name = TrimBlanks(entry.displayName);
    cads.push_back({name.empty() ? entry.progId : std::string(name), entry.progId, entry.running});
  }
  std::sort(cads.begin(), cads.end(), [](const RegisteredCad& a, const RegisteredCad& b) {
    return AsciiLower(a.progId) < AsciiLower(b.progId);
  });
  return cads;
}

std::string RegisteredCadLine(const RegisteredCad& cad) {
  return cad.name + "\t" + cad.progId + "\t" + (cad.running ? kCadRunningMark : kCadNotRunningMark);
}

std::string RegisteredCadChoice(const RegisteredCad& cad) {
  std::string text = cad.name + " (" + cad.progId + ")";
  if (cad.running) text += std::string("  [") + kCadRunningMark + "]";
  return text;
}

}  // namespace vensa
