// The server's class under its ProgID in HKEY_CLASSES_ROOT (PROGID\CLSID and
// CLSID\{...}\ProgID), so clients find it with CLSIDFromProgID, for as long as the object
// lives. A ProgID that is already registered (a real application installed on the
// machine) keeps its class and its keys: the server then uses that class and removes
// nothing on exit.
#pragma once

#include <windows.h>

#include <string>

namespace vensa::server {

// A class identifier of the ProgID's own, the same on every run (letter case ignored).
CLSID ClassIdForProgId(const std::string& progId);

class ClassRegistration {
 public:
  // Throws VensaError naming the key when the registry refuses it.
  explicit ClassRegistration(const std::string& progId);
  ~ClassRegistration();
  ClassRegistration(const ClassRegistration&) = delete;
  ClassRegistration& operator=(const ClassRegistration&) = delete;

  const CLSID& ClassId() const { return clsid_; }
  // "{XXXXXXXX-XXXX-...}".
  std::wstring ClassIdText() const;

 private:
  void Remove();

  std::wstring progId_;
  CLSID clsid_{};
  bool created_ = false;
};

}  // namespace vensa::server
