// TAboutBox, "バージョン情報": the program's icon, name and version on a raised panel.
#pragma once

#include <wx/dialog.h>

namespace vensa {

class TAboutBox : public wxDialog {
 public:
  explicit TAboutBox(wxWindow* parent);
};

}  // namespace vensa
