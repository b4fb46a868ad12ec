#include "platform/win/com_error.h"

#include <cstdio>

#include "platform/win/variant.h"

namespace vensa::win {

namespace {

std::string TrimLineEnd(std::string text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
    text.pop_back();
  return text;
}

}  // namespace

std::string SystemErrorText(HRESULT code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string text;
  if (length > 0 && buffer) text = TrimLineEnd(Narrow({buffer, length}));
  LocalFree(buffer);
  if (text.empty()) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08lX", static_cast<unsigned long>(code));
    text = std::string("自動化エラー (") + hex + ")";
  }
  return text;
}

void ThrowComError(std::string_view member, HRESULT code, EXCEPINFO* info) {
  std::string text;
  if (code == DISP_E_EXCEPTION && info) {
    if (info->pfnDeferredFillIn) info->pfnDeferredFillIn(info);
    const Bstr description = Bstr::Attach(info->bstrDescription);
    const Bstr source = Bstr::Attach(info->bstrSource);
    const Bstr help = Bstr::Attach(info->bstrHelpFile);
    info->bstrDescription = info->bstrSource = info->bstrHelpFile = nullptr;
    // The server's own code says more than "exception occurred" when it gave no text.
    if (FAILED(info->scode)) code = info->scode;
    text = TrimLineEnd(description.Utf8());
  }
  if (text.empty()) text = SystemErrorText(code);
  // A name the object does not know is the caller's fault, not the server's: say which.
  if (code == DISP_E_UNKNOWNNAME || code == DISP_E_MEMBERNOTFOUND)
    text += " (" + std::string(member) + ")";
  throw ComError(std::string(member), text, code);
}

}  // namespace vensa::win
