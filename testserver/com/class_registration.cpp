#include "testserver/com/class_registration.h"

#include <objbase.h>

#include <cstdint>

#include "core/error.h"
#include "core/text.h"
#include "platform/win/variant.h"

namespace vensa::server {

namespace {

// FNV-1a over the bytes, from two different seeds for the two halves.
std::uint64_t Fnv1a(std::string_view bytes, std::uint64_t seed) {
  std::uint64_t hash = seed;
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 0x100000001b3ull;
  }
  return hash;
}

void SetDefaultValue(const std::wstring& key, const std::wstring& value) {
  HKEY handle = nullptr;
  LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE,
                                   nullptr, &handle, nullptr);
  if (status == ERROR_SUCCESS) {
    status =
        RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
  }
  if (status != ERROR_SUCCESS) {
    throw VensaError("HKEY_CLASSES_ROOT\\" + win::Narrow(key) + " cannot be written (" +
                     std::to_string(status) + ")");
  }
}

}  // namespace

CLSID ClassIdForProgId(const std::string& progId) {
  const std::string key = AsciiUpper(progId);
  const std::uint64_t high = Fnv1a(key, 0xcbf29ce484222325ull);
  const std::uint64_t low = Fnv1a(key, 0x84222325cbf29ce4ull);
  CLSID id{};
  id.Data1 = static_cast<std::uint32_t>(high >> 32);
  id.Data2 = static_cast<std::uint16_t>(high >> 16);
  // A name-based identifier (version 5 layout, RFC 4122 variant).
  id.Data3 = static_cast<std::uint16_t>((high & 0x0FFF) | 0x5000);
  for (int i = 0; i < 8; ++i) id.Data4[i] = static_cast<unsigned char>(low >> (8 * (7 - i)));
  id.Data4[0] = static_cast<unsigned char>((id.Data4[0] & 0x3F) | 0x80);
  return id;
}

ClassRegistration::ClassRegistration(const std::string& progId) : progId_(win::Widen(progId)) {
  if (SUCCEEDED(CLSIDFromProgID(progId_.c_str(), &clsid_))) return;
  clsid_ = ClassIdForProgId(progId);
  const std::wstring id = ClassIdText();
  created_ = true;
  try {
    SetDefaultValue(progId_ + L"\\CLSID", id);
    SetDefaultValue(L"CLSID\\" + id + L"\\ProgID", progId_);
  } catch (...) {
    Remove();
    throw;
  }
}

ClassRegistration::~ClassRegistration() {
  if (created_) Remove();
}

void ClassRegistration::Remove() {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, progId_.c_str());
  RegDeleteKeyW(HKEY_CLASSES_ROOT, progId_.c_str());
  const std::wstring key = L"CLSID\\" + ClassIdText();
  RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
  RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
}

std::wstring ClassRegistration::ClassIdText() const {
  wchar_t text[64] = {};
  StringFromGUID2(clsid_, text, 64);
  return text;
}

}  // namespace vensa::server
