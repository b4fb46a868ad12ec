// vensa: the window. The settings file and the insert file sit beside the executable.
// `vensa DRAWING.dxf` opens the drawing as the target CAD.
#include <memory>

#include <wx/app.h>
#include <wx/filename.h>
#include <wx/iconbndl.h>
#include <wx/stdpaths.h>

#include "app/main_form.h"
#ifdef __WXMSW__
#include "wiring/automation_session.h"
#else
#include "platform/none/no_com_platform.h"
#endif

namespace vensa {
namespace {

class VensaApp : public wxApp {
 public:
  bool OnInit() override {
    SetAppDisplayName(wxString::FromUTF8(std::string(kApplicationTitle)));
    const std::string exe = wxStandardPaths::Get().GetExecutablePath().utf8_string();
    auto* form = new TForm1(ProgramFilesForExecutable(exe), *platform_, kDrawingTargetByDefault);
#ifdef __WXMSW__
    // The executable's own icon (app/windows/vensa.rc), in every size it holds, for the
    // caption, the task bar and the about box.
    form->SetIcons(wxIconBundle("appicon", nullptr));
#endif
    form->Show();
    if (argc > 1) {
      wxFileName drawing(argv[1]);
      drawing.MakeAbsolute();
      form->OpenDrawingAtStart(drawing.GetFullPath().utf8_string());
    }
    return true;
  }

  // An error that escaped a handler: reported like any other, and the program goes on.
  bool OnExceptionInMainLoop() override {
    try {
      throw;
    } catch (const std::exception& error) {
      if (auto* form = dynamic_cast<TForm1*>(GetTopWindow())) form->ReportError(error.what());
    }
    return true;
  }

 private:
#ifdef __WXMSW__
  static constexpr bool kDrawingTargetByDefault = false;
  // The user-interface thread's apartment, entered before the toolkit's own OLE start-up,
  // and the platform that reaches the running CAD and spreadsheet through COM.
  win::ThreadApartment apartment_;
  std::unique_ptr<Platform> platform_ = win::MakeWinPlatform();
#else
  // No COM here: no ProgID is found and no spreadsheet runs; a drawing file is the CAD.
  static constexpr bool kDrawingTargetByDefault = true;
  std::unique_ptr<Platform> platform_ = std::make_unique<NoComPlatform>();
#endif
};

}  // namespace
}  // namespace vensa

wxIMPLEMENT_APP(vensa::VensaApp);
