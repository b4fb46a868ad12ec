#include "app/wx_clipboard.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

namespace vensa {

std::string WxClipboard::GetText() {
  wxClipboardLocker lock;
  if (!lock || !wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) return {};
  wxTextDataObject data;
  if (!wxTheClipboard->GetData(data)) return {};
  return data.GetText().utf8_string();
}

void WxClipboard::SetText(const std::string& text) {
  wxClipboardLocker lock;
  if (!lock) return;
  wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(text)));
  // The text stays on the clipboard after the program ends.
  wxTheClipboard->Flush();
}

}  // namespace vensa
