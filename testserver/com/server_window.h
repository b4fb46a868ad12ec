// The server's main window: a top-level window of the class the client looks for
// ("XLMAIN" for the spreadsheet), so finding, restoring and activating it work on a real
// window. It is created hidden; nothing is drawn in it.
#pragma once

#include <windows.h>

#include <string>

namespace vensa::server {

class ServerWindow {
 public:
  // Throws VensaError when the window cannot be created.
  ServerWindow(const std::wstring& className, const std::wstring& title);
  ~ServerWindow();
  ServerWindow(const ServerWindow&) = delete;
  ServerWindow& operator=(const ServerWindow&) = delete;

  HWND Handle() const { return window_; }

 private:
  std::wstring className_;
  HWND window_ = nullptr;
};

}  // namespace vensa::server
