// The main window for a benchmark: a wx application started without a main loop of its
// own, the window shown on a settings folder of its own, the measurements run, and all
// taken down again. Needs a display (xvfb-run -a).
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>

#include "app/main_form.h"
#include "platform/none/no_com_platform.h"

namespace vensa::bench {

// Handles every event waiting, then yields once: the window shows what it was told.
inline void Settle() {
  while (wxTheApp->Pending()) wxTheApp->Dispatch();
  wxTheApp->Yield(true);
}

// `measure` gets the shown window, the folder of its settings (for files of its own) and
// the platform the window runs on. Returns main's exit code.
inline int RunWithMainWindow(
    int argc, char** argv, const std::string& folderName,
    const std::function<void(TForm1&, const std::filesystem::path&, NoComPlatform&)>& measure) {
  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) return 2;
  {
    wxGUIEventLoop loop;
    wxEventLoopActivator active(&loop);
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / folderName;
    std::filesystem::create_directories(dir);
    NoComPlatform platform;
    auto* form = new TForm1(ProgramFilesForExecutable((dir / "vensa").string()), platform);
    form->Show();
    Settle();
    measure(*form, dir, platform);
    form->Close(true);
    Settle();
    std::filesystem::remove_all(dir);
  }
  wxTheApp->OnExit();
  wxEntryCleanup();
  return 0;
}

}  // namespace vensa::bench
