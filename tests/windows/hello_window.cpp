// A small window built from the program's own parts (wxWidgets, the Windows resources,
// the start-up and shut-down of the settings file) without the main window: it shows that
// the toolchain, the resources and a Japanese user interface under Wine work on their own.
// Titled "Vensa2023" like the program; closing it writes the settings file beside it.
#include <wx/notebook.h>
#include <wx/stdpaths.h>
#include <wx/wx.h>

#include "app/state/start_up.h"

namespace {

class HelloFrame : public wxFrame {
 public:
  explicit HelloFrame(const vensa::ProgramFiles& files)
      : wxFrame(nullptr, wxID_ANY, "Vensa2023", wxDefaultPosition, wxDefaultSize,
                wxDEFAULT_FRAME_STYLE & ~(wxRESIZE_BORDER | wxMAXIMIZE_BOX)),
        files_(files),
        state_(vensa::StartUpFormState(files, vensa::ScreenMetrics{391, 464, 1024, 768})) {
    SetIcon(wxIcon("appicon"));
    auto* tabs = new wxNotebook(this, wxID_ANY);
    auto* main = new wxPanel(tabs);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(main, wxID_ANY, "座標リスト（測点名・X・Y・Z）"), 0, wxALL, 8);
    sizer->Add(new wxButton(main, wxID_ANY, "CADへ"), 0, wxALL, 8);
    sizer->Add(new wxButton(main, wxID_ANY, "Exceｌから"), 0, wxALL, 8);
    main->SetSizer(sizer);
    tabs->AddPage(main, " メイン ");
    tabs->AddPage(new wxPanel(tabs), " SIMA ");
    SetClientSize(391, 464);
    Bind(wxEVT_CLOSE_WINDOW, &HelloFrame::OnClose, this);
  }

 private:
  void OnClose(wxCloseEvent&) {
    try {
      vensa::ShutDownFormState(state_, files_);
    } catch (const std::exception& e) {
      wxMessageBox(wxString::FromUTF8(e.what()), "Vensa2023", wxOK | wxICON_ERROR, this);
    }
    Destroy();
  }

  vensa::ProgramFiles files_;
  vensa::FormState state_;
};

class HelloApp : public wxApp {
 public:
  bool OnInit() override {
    const wxString exe = wxStandardPaths::Get().GetExecutablePath();
    auto* frame = new HelloFrame(vensa::ProgramFilesForExecutable(exe.utf8_string()));
    frame->Show();
    return true;
  }
};

}  // namespace

wxIMPLEMENT_APP(HelloApp);
