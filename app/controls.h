// Making the main window's controls at fixed places: each gets its control name as window
// name (so tests and accessibility tools find it), its caption and its hint as tooltip.
#pragma once

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/arrow_up_down.h"

namespace vensa {

// The inner size of a tab page in the 391 x 464 window.
inline constexpr int kPageWidth = 383;
inline constexpr int kPageHeight = 430;

wxString U8(const char* text);

// A tab page of the notebook, named as its control.
wxPanel* MakePage(wxNotebook* book, const char* name);
wxStaticBox* MakeGroup(wxWindow* parent, const char* caption, int x, int y, int w, int h);
wxStaticText* MakeLabel(wxWindow* parent, const char* caption, int x, int y);
wxCheckBox* MakeCheckBox(wxWindow* parent, const char* name, const char* caption, int x, int y,
                         const char* hint = nullptr);
wxTextCtrl* MakeEdit(wxWindow* parent, const char* name, int x, int y, int w, long style = 0);
wxButton* MakeButton(wxWindow* parent, const char* name, const char* caption, int x, int y, int w,
                     int h, const char* hint = nullptr);
// A vertical up-down beside its field; `horizontal` for the decimals' up-downs.
ArrowUpDown* MakeUpDown(wxWindow* parent, const char* name, int x, int y, bool horizontal = false);

// An edit's caption as the label the accessibility layer reports for it.
void LabelFor(wxWindow* control, const char* caption);
// A caption at `labelX` and, on the same row, its field, which it also labels.
wxTextCtrl* MakeLabeledEdit(wxWindow* parent, const char* label, int labelX, const char* name,
                            int x, int y, int w, long style = 0);

}  // namespace vensa
