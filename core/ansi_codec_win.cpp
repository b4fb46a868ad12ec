// The system's ANSI code page through the Windows conversion functions.
#include <windows.h>

#include <string>

#include "core/ansi_codec.h"

namespace vensa::detail {
namespace {

std::wstring Widen(std::string_view text, UINT codePage) {
  if (text.empty()) return {};
  const int n =
      MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

std::string Narrow(const std::wstring& wide, UINT codePage, bool* lossless) {
  if (wide.empty()) return {};
  BOOL usedDefault = FALSE;
  BOOL* usedDefaultPtr = codePage == CP_UTF8 ? nullptr : &usedDefault;
  const char* defaultChar = codePage == CP_UTF8 ? nullptr : "?";
  // No best-fit look-alikes ("ä" as "a"): a character the code page lacks becomes the
  // default character and is reported, as the portable conversion does.
  const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const int n = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                                    nullptr, 0, defaultChar, usedDefaultPtr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                      defaultChar, usedDefaultPtr);
  if (lossless && usedDefault) *lossless = false;
  return out;
}

}  // namespace

std::string PlatformUtf8ToAnsi(std::string_view utf8, bool* lossless) {
  return Narrow(Widen(utf8, CP_UTF8), CP_ACP, lossless);
}

std::string PlatformAnsiToUtf8(std::string_view ansi) {
  return Narrow(Widen(ansi, CP_ACP), CP_UTF8, nullptr);
}

std::optional<std::string> PlatformCodePageToUtf8(std::string_view bytes, unsigned codePage) {
  if (!IsValidCodePage(codePage)) return std::nullopt;
  return Narrow(Widen(bytes, codePage), CP_UTF8, nullptr);
}

std::string PlatformAnsiCodePageName() {
  return "ANSI_" + std::to_string(GetACP());
}

}  // namespace vensa::detail
