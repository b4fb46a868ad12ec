#include "tests/win/served_object.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/win/dispatch.h"
#include "platform/win/variant.h"

namespace vensa::test {

namespace {

std::wstring Quoted(const std::wstring& arg) {
  return L"\"" + arg + L"\"";
}

}  // namespace

win::ComPtr<IUnknown> RunningObject(const std::string& progId) {
  CLSID clsid;
  win::ComPtr<IUnknown> object;
  if (SUCCEEDED(CLSIDFromProgID(win::Widen(progId).c_str(), &clsid)))
    ::GetActiveObject(clsid, nullptr, object.Put());
  return object;
}

std::wstring TestServerPath() {
  const wchar_t* path = _wgetenv(L"VENSA_TESTSERVER");
  return path ? path : L"vensa-testserver.exe";
}

std::wstring FreshFolder(const std::wstring& name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + name;
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

ServedObject::ServedObject(const std::string& progId, const std::vector<std::wstring>& args)
    : progId_(progId) {
  std::wstring command = Quoted(TestServerPath()) + L" --progid " + Quoted(win::Widen(progId));
  for (const std::wstring& arg : args) command += L" " + Quoted(arg);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    ADD_FAILURE() << "the test server did not start: " << win::Narrow(command);
    return;
  }
  running_ = true;
  for (int i = 0; i < 400; ++i) {
    if (RunningObject(progId)) return;
    if (WaitForSingleObject(process_.hProcess, 50) == WAIT_OBJECT_0) break;
  }
  ADD_FAILURE() << "the test server never served " << progId;
}

ServedObject::~ServedObject() {
  if (running_) Quit();
  if (process_.hProcess) {
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
}

void ServedObject::Kill() {
  if (!running_) return;
  TerminateProcess(process_.hProcess, 9);
  WaitForSingleObject(process_.hProcess, 10000);
  running_ = false;
}

void ServedObject::Quit() {
  if (!running_) return;
  try {
    if (win::ComPtr<IUnknown> object = RunningObject(progId_))
      win::Dispatch(object.As<IDispatch>()).Call("Quit");
  } catch (const std::exception&) {
    // A server that refuses to quit is killed below.
  }
  if (WaitForSingleObject(process_.hProcess, 15000) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "the test server did not end after Quit";
    TerminateProcess(process_.hProcess, 9);
    WaitForSingleObject(process_.hProcess, 10000);
  }
  running_ = false;
}

}  // namespace vensa::test
