// The platform of the Windows build: class lookup and running objects through COM, the
// process message filter, top-level windows, key strokes and sleeps through Win32.
#pragma once

#include <functional>
#include <memory>

#include "platform/platform.h"
#include "platform/win/com_ptr.h"

namespace vensa::win {

// Turns a running object into the object models it may belong to (the CAD's, the
// spreadsheet's); the caller picks the one it needs by casting.
using RunningObjectWrapper =
    std::function<std::shared_ptr<AutomationObject>(ComPtr<IDispatch> object)>;

class WinPlatform : public Platform {
 public:
  explicit WinPlatform(RunningObjectWrapper wrap) : wrap_(std::move(wrap)) {}

  std::optional<std::string> ClassIdFromProgId(const std::string& progId) override;
  std::shared_ptr<AutomationObject> GetActiveObject(const std::string& classId) override;
  std::vector<RegisteredClass> RegisteredClasses(
      const std::function<bool(std::string_view progId)>& wanted) override;
  std::shared_ptr<MessageFilter> SetMessageFilter(std::shared_ptr<MessageFilter> filter) override;
  WindowHandle FindTopLevelWindow(const std::string& className) override;
  bool IsMinimized(WindowHandle window) override;
  void RestoreWindow(WindowHandle window) override;
  bool SetForegroundWindow(WindowHandle window) override;
  WindowHandle GetForegroundWindow() override;
  void SendKeyEvent(int virtualKey, bool keyUp) override;
  void Sleep(int milliseconds) override;
  std::optional<std::string> ShortPathName(const std::string& path) override;

 private:
  RunningObjectWrapper wrap_;
};

}  // namespace vensa::win
