// vensa-testserver: the substitute CAD or spreadsheet served to other processes through
// COM, so the automation client is tested across a real process boundary. It registers
// its class under the ProgID, puts its application object in the running object table,
// answers calls until its time is up or a client calls `Quit`, then writes what it holds.
#include <windows.h>

#include <objbase.h>
#include <oleauto.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cad/sim/drawing_file.h"
#include "cad/sim/sim_cad.h"
#include "core/error.h"
#include "platform/sim/sim_platform.h"
#include "platform/win/com_ptr.h"
#include "platform/win/variant.h"
#include "sheet/sim/sim_excel.h"
#include "testserver/com/cad_dispatch.h"
#include "testserver/com/class_registration.h"
#include "testserver/com/excel_dispatch.h"
#include "testserver/com/server_window.h"
#include "testserver/drawing_save.h"
#include "testserver/scripted_user.h"
#include "testserver/server_options.h"
#include "testserver/sheet_tsv.h"

namespace vensa::server {

namespace {

// The drawing of the file, or an empty one; either way a selection on the server's
// screen takes the whole drawing, since no user is there to choose.
std::unique_ptr<SimCad> OpenDrawing(const std::string& path) {
  auto cad = path.empty() ? std::make_unique<SimCad>() : OpenDrawingFile(path);
  cad->SelectEverythingOnScreen();
  return cad;
}

// Answers calls until the deadline or a client's `Quit`.
void Serve(const ServerContext& context, int seconds) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::seconds(seconds);
  while (!context.quitRequested) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return;
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

// Serves `app` under the ProgID for as long as the options say.
void ServeObject(const ServerOptions& options, win::ComPtr<IDispatch> app, ServerContext& context) {
  ClassRegistration registration(options.progId);
  DWORD cookie = 0;
  HRESULT hr =
      RegisterActiveObject(app.Get(), registration.ClassId(), ACTIVEOBJECT_STRONG, &cookie);
  if (FAILED(hr)) throw VensaError("RegisterActiveObject failed: " + std::to_string(hr));
  std::cout << "vensa-testserver: serving " << options.progId << " as "
            << win::Narrow(registration.ClassIdText()) << std::endl;
  Serve(context, options.seconds);
  context.closed = true;
  RevokeActiveObject(cookie, nullptr);
  // Clients still holding references get an error from now on instead of a hang.
  CoDisconnectObject(app.Get(), 0);
}

// The main window when the system can show one (without a display Wine cannot): the
// spreadsheet's client finds it by class, the CAD's client activates it through `HWND`.
std::optional<ServerWindow> OpenWindow(const char* className, const ServerOptions& options) {
  try {
    return std::optional<ServerWindow>(std::in_place, win::Widen(className),
                                       L"vensa-testserver " + win::Widen(options.progId));
  } catch (const VensaError& error) {
    std::cerr << "vensa-testserver: no main window: " << error.what() << "\n";
    return std::nullopt;
  }
}

int Run(const ServerOptions& options) {
  // The context outlives the apartment: objects still held by clients are released when
  // it closes, and they refer to the context until then.
  ServerContext context;
  win::ComApartment apartment;
  if (FAILED(apartment.Result())) throw VensaError("CoInitializeEx failed");
  if (options.ServesSpreadsheet()) {
    std::optional<ServerWindow> window = OpenWindow(SimExcel::kWindowClass, options);
    SimPlatform platform;
    SimExcel excel;
    excel.AddWorkbook("Book1");
    excel.Start(platform, window ? reinterpret_cast<WindowHandle>(window->Handle())
                                 : SimExcel::kDefaultWindow);
    if (!options.sheet.empty()) LoadSheetTsvFile(excel.ActiveSheet(), options.sheet);
    ServeObject(options, ExcelApplicationDispatch(excel.Application(), context), context);
    if (!options.saveSheet.empty()) SaveSheetTsvFile(excel.ActiveSheet(), options.saveSheet);
  } else {
    std::optional<ServerWindow> window = OpenWindow(SimCad::kWindowClass, options);
    std::unique_ptr<SimCad> cad = OpenDrawing(options.drawing);
    if (window) cad->SetWindow(reinterpret_cast<WindowHandle>(window->Handle()));
    ScriptedUser user(options.picks);
    context.cad = cad.get();
    context.user = &user;
    ServeObject(options, CadApplicationDispatch(cad->Application(), context), context);
    if (!options.saveDrawing.empty()) {
      SaveDrawingDxf(options.saveDrawing, cad->LayerNames(), cad->Entities());
    }
  }
  return 0;
}

}  // namespace

}  // namespace vensa::server

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(vensa::win::Narrow(argv[i]));
  vensa::ServerOptions options;
  try {
    options = vensa::ParseServerOptions(args);
  } catch (const vensa::ServerUsageError& error) {
    std::cerr << "vensa-testserver: " << error.what() << "\n" << vensa::kServerUsage;
    return 2;
  }
  try {
    return vensa::server::Run(options);
  } catch (const std::exception& error) {
    std::cerr << "vensa-testserver: " << error.what() << "\n";
    return 1;
  }
}
