// A scriptable platform for tests and for machines without the real services: a class
// table (ProgID -> class id), a running object table, a window table with minimised
// flags and one foreground window. Every call is recorded as one line of the call log;
// sleeps return at once and only record the requested milliseconds.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/sim/call_log.h"

namespace vensa {

class SimPlatform : public Platform {
 public:
  explicit SimPlatform(std::shared_ptr<CallLog> log = std::make_shared<CallLog>());

  // Scripting.
  void RegisterClass(const std::string& progId, const std::string& classId);
  // What the registry says of a registered ProgID besides its class (RegisteredClasses);
  // a ProgID never described has no name, no CurVer and no local server.
  void DescribeClass(const std::string& progId, const std::string& displayName, bool localServer,
                     const std::string& currentVersion = {});
  void SetRunningObject(const std::string& classId, std::shared_ptr<AutomationObject> object);
  void RemoveRunningObject(const std::string& classId);
  void AddWindow(WindowHandle window, const std::string& className, bool minimized = false);
  void RemoveWindow(WindowHandle window);
  // While set, SetForegroundWindow refuses and leaves the foreground window as it is.
  void SetRefuseForeground(bool refuse) { refuseForeground_ = refuse; }
  void SetForeground(WindowHandle window) { foreground_ = window; }
  // The short form ShortPathName answers for `path`; paths never set have none.
  void SetShortPathName(const std::string& path, const std::string& shortPath);

  // Inspection.
  CallLog& Log() { return *log_; }
  const std::shared_ptr<CallLog>& SharedLog() const { return log_; }
  bool WindowMinimized(WindowHandle window) const;
  std::shared_ptr<MessageFilter> CurrentMessageFilter() const { return filter_; }
  // Total of all requested sleeps.
  long long SleptMilliseconds() const { return slept_; }

  // Platform.
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
  struct Window {
    std::string className;
    bool minimized = false;
  };

  std::shared_ptr<CallLog> log_;
  std::map<std::string, std::string> classes_;
  std::map<std::string, RegisteredClass> descriptions_;
  std::map<std::string, std::shared_ptr<AutomationObject>> running_;
  std::map<WindowHandle, Window> windows_;
  WindowHandle foreground_ = 0;
  bool refuseForeground_ = false;
  std::shared_ptr<MessageFilter> filter_;
  std::map<std::string, std::string> shortPaths_;
  long long slept_ = 0;
};

}  // namespace vensa
