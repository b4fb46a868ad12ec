#include "app/controls.h"

#include "app/accessible_name.h"

namespace vensa {
namespace {

constexpr int kRowHeight = 21;

void Hint(wxWindow* control, const char* hint) {
  if (hint) control->SetToolTip(U8(hint));
}

}  // namespace

wxString U8(const char* text) {
  return wxString::FromUTF8(text);
}

wxPanel* MakePage(wxNotebook* book, const char* name) {
  return new wxPanel(book, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, name);
}

wxStaticBox* MakeGroup(wxWindow* parent, const char* caption, int x, int y, int w, int h) {
  return new wxStaticBox(parent, wxID_ANY, U8(caption), {x, y}, {w, h});
}

wxStaticText* MakeLabel(wxWindow* parent, const char* caption, int x, int y) {
  return new wxStaticText(parent, wxID_ANY, U8(caption), {x, y + 3});
}

wxCheckBox* MakeCheckBox(wxWindow* parent, const char* name, const char* caption, int x, int y,
                         const char* hint) {
  auto* box = new wxCheckBox(parent, wxID_ANY, U8(caption), {x, y}, {-1, kRowHeight}, 0,
                             wxDefaultValidator, name);
  Hint(box, hint);
  return box;
}

wxTextCtrl* MakeEdit(wxWindow* parent, const char* name, int x, int y, int w, long style) {
  return new wxTextCtrl(parent, wxID_ANY, wxEmptyString, {x, y}, {w, kRowHeight},
                        style | wxBORDER_SUNKEN, wxDefaultValidator, name);
}

wxButton* MakeButton(wxWindow* parent, const char* name, const char* caption, int x, int y, int w,
                     int h, const char* hint) {
  auto* button = new wxButton(parent, wxID_ANY, U8(caption), {x, y}, {w, h}, wxBU_EXACTFIT,
                              wxDefaultValidator, name);
  Hint(button, hint);
  return button;
}

ArrowUpDown* MakeUpDown(wxWindow* parent, const char* name, int x, int y, bool horizontal) {
  return new ArrowUpDown(parent, name, {x, y}, horizontal);
}

void LabelFor(wxWindow* control, const char* caption) {
  SetAccessibleName(control, U8(caption));
}

wxTextCtrl* MakeLabeledEdit(wxWindow* parent, const char* label, int labelX, const char* name,
                            int x, int y, int w, long style) {
  MakeLabel(parent, label, labelX, y);
  wxTextCtrl* edit = MakeEdit(parent, name, x, y, w, style);
  LabelFor(edit, label);
  return edit;
}

}  // namespace vensa
