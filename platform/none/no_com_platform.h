// The platform of a system without COM automation (the program on Linux, and the Windows
// program until its COM side exists): no ProgID is registered, no object runs, no other
// program's window is found. The CAD commands then report an invalid ProgID and the
// spreadsheet commands find no spreadsheet.
#pragma once

#include "platform/platform.h"

namespace vensa {

class NoComPlatform : public Platform {
 public:
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

 private:
  std::shared_ptr<MessageFilter> filter_;
};

}  // namespace vensa
