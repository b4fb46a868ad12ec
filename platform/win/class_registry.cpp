#include "platform/win/class_registry.h"

#include <windows.h>

#include <objbase.h>

#include <optional>
#include <string>

#include "platform/win/com_ptr.h"
#include "platform/win/variant.h"

namespace vensa::win {

namespace {

// The longest key name the registry allows, and its terminating zero.
constexpr DWORD kKeyNameLength = 256;

// The default value of HKEY_CLASSES_ROOT\path as text; nothing when the key or the value
// is missing or holds no text. `view` picks the 64-bit or the 32-bit registry.
std::optional<std::wstring> DefaultValue(const std::wstring& path, REGSAM view = 0) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_QUERY_VALUE | view, &key) !=
      ERROR_SUCCESS)
    return std::nullopt;
  std::optional<std::wstring> result;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    DWORD read = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &read) == ERROR_SUCCESS) {
      text.resize(read / sizeof(wchar_t));
      // The stored text may or may not carry its terminating zero.
      while (!text.empty() && text.back() == L'\0') text.pop_back();
      result = std::move(text);
    }
  }
  RegCloseKey(key);
  return result;
}

bool KeyExists(const std::wstring& path, REGSAM view) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

// A class of a 32-bit program is registered in the 32-bit view of the registry, which a
// 64-bit program reaches only when it asks for it.
bool ClassKeyExists(const std::wstring& path) {
  return KeyExists(path, KEY_WOW64_64KEY) || KeyExists(path, KEY_WOW64_32KEY);
}

std::optional<std::wstring> ClassDefaultValue(const std::wstring& path) {
  if (auto value = DefaultValue(path, KEY_WOW64_64KEY); value && !value->empty()) return value;
  return DefaultValue(path, KEY_WOW64_32KEY);
}

std::wstring GuidText(const CLSID& id) {
  wchar_t text[64] = {};
  StringFromGUID2(id, text, 64);
  return text;
}

// RegisterActiveObject enters a running object under the item moniker "!{class id}";
// asking the table whether that name runs does not call into the object itself, so a busy
// or hanging program does not hold the listing up.
bool IsRunning(IRunningObjectTable* table, const std::wstring& classId) {
  if (table == nullptr) return false;
  ComPtr<IMoniker> moniker;
  if (FAILED(CreateItemMoniker(L"!", classId.c_str(), moniker.Put())) || !moniker) return false;
  return table->IsRunning(moniker.Get()) == S_OK;
}

std::optional<RegisteredClass> ReadProgId(const std::wstring& progId, IRunningObjectTable* table) {
  RegisteredClass entry;
  entry.progId = Narrow(progId);
  // A version-independent ProgID stands for the version CurVer names, as CLSIDFromProgID
  // takes it.
  std::wstring source = progId;
  if (auto current = DefaultValue(progId + L"\\CurVer"); current && !current->empty()) {
    entry.currentVersion = Narrow(*current);
    source = *current;
  }
  std::optional<std::wstring> classText = DefaultValue(source + L"\\CLSID");
  if (!classText && source != progId) classText = DefaultValue(progId + L"\\CLSID");
  CLSID id;
  if (!classText || FAILED(CLSIDFromString(classText->c_str(), &id))) return std::nullopt;
  const std::wstring classId = GuidText(id);
  entry.classId = Narrow(classId);

  std::optional<std::wstring> name = DefaultValue(source);
  if (!name || name->empty()) name = DefaultValue(progId);
  if (!name || name->empty()) name = ClassDefaultValue(L"CLSID\\" + classId);
  if (name) entry.displayName = Narrow(*name);

  const std::wstring classKey = L"CLSID\\" + classId;
  entry.localServer =
      ClassKeyExists(classKey + L"\\LocalServer32") || ClassKeyExists(classKey + L"\\LocalServer");
  entry.running = IsRunning(table, classId);
  return entry;
}

}  // namespace

std::vector<RegisteredClass> ReadRegisteredClasses(
    const std::function<bool(std::string_view progId)>& wanted) {
  ComPtr<IRunningObjectTable> table;
  if (FAILED(GetRunningObjectTable(0, table.Put()))) table.Reset();
  std::vector<RegisteredClass> found;
  for (DWORD index = 0;; ++index) {
    wchar_t name[kKeyNameLength] = {};
    DWORD length = kKeyNameLength;
    const LSTATUS status =
        RegEnumKeyExW(HKEY_CLASSES_ROOT, index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS) continue;  // a name too long for a key: no ProgID
    const std::wstring progId(name, length);
    if (!wanted(Narrow(progId))) continue;
    if (std::optional<RegisteredClass> entry = ReadProgId(progId, table.Get()))
      found.push_back(std::move(*entry));
  }
  return found;
}

}  // namespace vensa::win
