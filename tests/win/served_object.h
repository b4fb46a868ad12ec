// vensa-testserver in a process of its own, for the client tests: started with its
// command line, waited for until its object runs, ended with `Quit` (or killed) at the end.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win/com_ptr.h"

namespace vensa::test {

// The object running under the ProgID, or null.
win::ComPtr<IUnknown> RunningObject(const std::string& progId);

// The server program, from the environment variable VENSA_TESTSERVER (a Windows path).
std::wstring TestServerPath();
// A fresh folder under the system's temporary folder; `name` may hold blanks.
std::wstring FreshFolder(const std::wstring& name);
// UTF-8 file contents written as they are.
void WriteBytes(const std::wstring& path, const std::string& bytes);

class ServedObject {
 public:
  // Starts the server as `--progid PROGID ARGS...` and waits (at most 20 s) until its
  // object is in the running object table; the test fails when it never is.
  ServedObject(const std::string& progId, const std::vector<std::wstring>& args);
  // Asks the server to quit and waits for it; kills it when it does not end.
  ~ServedObject();
  ServedObject(const ServedObject&) = delete;
  ServedObject& operator=(const ServedObject&) = delete;

  bool Running() const { return running_; }
  // Ends the server at once, as a crash would.
  void Kill();
  // Asks the server to quit (the client's `Quit`) and waits until it has written its files.
  void Quit();

 private:
  std::string progId_;
  PROCESS_INFORMATION process_{};
  bool running_ = false;
};

}  // namespace vensa::test
