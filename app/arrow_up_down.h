// A small up-down: two arrow halves side by side or stacked, sending wxEVT_SPIN_UP and
// wxEVT_SPIN_DOWN as a spin button does. Drawn by the program so it keeps the size of a
// text field's height on every toolkit (the GTK spin button is far wider than the field
// it belongs to). The position belongs to the caller; the control shows none.
#pragma once

#include <wx/control.h>

namespace vensa {

class ArrowUpDown : public wxControl {
 public:
  ArrowUpDown(wxWindow* parent, const wxString& name, const wxPoint& pos, bool horizontal);

  bool AcceptsFocus() const override { return false; }

 protected:
  wxSize DoGetBestSize() const override;

 private:
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  // Up is the upper half, or the right half of a horizontal up-down.
  bool IsUpHalf(const wxPoint& point) const;

  bool horizontal_;
};

}  // namespace vensa
