#include "app/about_box.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/panel.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/toplevel.h>

#include "app/controls.h"

namespace vensa {
namespace {

// The main window's icon where the program has one (the Windows executable), else the
// toolkit's information picture.
wxBitmap ProgramIcon(wxWindow* parent) {
  if (auto* top = wxDynamicCast(wxGetTopLevelParent(parent), wxTopLevelWindow)) {
    const wxIcon icon = top->GetIcon();
    if (icon.IsOk()) return wxBitmap(icon);
  }
  return wxArtProvider::GetBitmap(wxART_INFORMATION, wxART_OTHER, {32, 32});
}

}  // namespace

TAboutBox::TAboutBox(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, U8("バージョン情報"), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX, "AboutBox") {
  SetClientSize(227, 164);
  auto* panel = new wxPanel(this, wxID_ANY, {8, 8}, {211, 112}, wxBORDER_RAISED, "Panel1");
  new wxStaticBitmap(panel, wxID_ANY, ProgramIcon(parent), {8, 8}, wxDefaultSize, 0, "ProgramIcon");
  auto* product =
      new wxStaticText(panel, wxID_ANY, "Vensa2023", {60, 14}, wxDefaultSize, 0, "ProductName");
  product->SetFont(wxFont(wxFontInfo(wxSize(0, 16)).Bold()));
  new wxStaticText(panel, wxID_ANY, "Ver, 2023.8.9", {60, 48}, wxDefaultSize, 0, "Version");
  auto* ok =
      new wxButton(this, wxID_OK, "OK", {76, 130}, {75, 25}, 0, wxDefaultValidator, "OKButton");
  ok->SetDefault();
  SetAffirmativeId(wxID_OK);
  CentreOnScreen();
}

}  // namespace vensa
