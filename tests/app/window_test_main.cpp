// The window tests need the toolkit running: one application object and one active event
// loop for all of them.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>

namespace {

// A message box no test expects fails the running test and is cancelled, rather than
// waiting for a user who is not there. Tests that expect one answer it through
// wxTEST_DIALOG, whose hook comes first; the program's own dialogs are driven by the tests.
class UnexpectedMessageHook : public wxModalDialogHook {
 protected:
  int Enter(wxDialog* dialog) override {
    auto* message = dynamic_cast<wxMessageDialog*>(dialog);
    if (!message) return wxID_NONE;
    ADD_FAILURE() << "unexpected message: " << message->GetMessage().utf8_string();
    return wxID_CANCEL;
  }
  void Exit(wxDialog*) override {}
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) return 2;
  int result = 0;
  {
    wxGUIEventLoop loop;
    wxEventLoopActivator active(&loop);
    UnexpectedMessageHook hook;
    hook.Register();
    result = RUN_ALL_TESTS();
  }
  wxTheApp->OnExit();
  wxEntryCleanup();
  return result;
}
