// The operating-system services the commands need: automation class lookup, running
// objects, the message filter, top-level windows, key strokes and sleeping. The Windows
// build answers them with the system; the substitute in platform/sim/ records them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation_object.h"
#include "platform/message_filter.h"

namespace vensa {

// A top-level window handle as an integer; 0 is no window.
using WindowHandle = std::int64_t;

// Virtual key of the Escape key.
inline constexpr int kVirtualKeyEscape = 27;

// One ProgID of the machine's class registry as registered there: what a user would read in
// the registry editor, gathered without starting or changing anything.
struct RegisteredClass {
  std::string progId;
  // The class identifier ("{...}"), through CurVer when the ProgID names a current version.
  std::string classId;
  std::string currentVersion;  // the versioned ProgID CurVer names; empty when none
  // The description of the ProgID (its current version's first), else of the class; may
  // be empty.
  std::string displayName;
  bool localServer = false;  // served by a program of its own (LocalServer32)
  bool running = false;      // an object of the class is in the running object table
};

class Platform {
 public:
  virtual ~Platform() = default;

  // The class identifier registered for a ProgID, or nothing when the ProgID is not
  // registered on this machine.
  virtual std::optional<std::string> ClassIdFromProgId(const std::string& progId) = 0;
  // The running active object of a class, or null when no instance is running.
  virtual std::shared_ptr<AutomationObject> GetActiveObject(const std::string& classId) = 0;
  // The registered ProgIDs for which `wanted` holds (it sees each name once, before the
  // ProgID's keys are read), in no particular order. Reads only; a system without a class
  // registry has none.
  virtual std::vector<RegisteredClass> RegisteredClasses(
      const std::function<bool(std::string_view progId)>& wanted) = 0;

  // Installs `filter` (null removes the filter) as the process message filter and
  // returns the one it replaces (null when there was none).
  virtual std::shared_ptr<MessageFilter> SetMessageFilter(
      std::shared_ptr<MessageFilter> filter) = 0;

  // The first top-level window of the given window class, any title; 0 when none.
  virtual WindowHandle FindTopLevelWindow(const std::string& className) = 0;
  virtual bool IsMinimized(WindowHandle window) = 0;
  // Restores a minimised window to its normal state.
  virtual void RestoreWindow(WindowHandle window) = 0;
  // Asks for the window to become the foreground window; false when refused.
  virtual bool SetForegroundWindow(WindowHandle window) = 0;
  virtual WindowHandle GetForegroundWindow() = 0;

  // One key event for the foreground window: the key pressed, or released.
  virtual void SendKeyEvent(int virtualKey, bool keyUp) = 0;

  // Blocks the calling thread.
  virtual void Sleep(int milliseconds) = 0;

  // The short (8.3) form of an existing file's path, or nothing when the file system
  // keeps no short names there. Systems without short names answer nothing.
  virtual std::optional<std::string> ShortPathName(const std::string& path) {
    (void)path;
    return std::nullopt;
  }
};

}  // namespace vensa
