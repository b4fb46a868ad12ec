#include "app/main_form.h"

#include <wx/display.h>
#include <wx/fontenum.h>
#include <wx/msgdlg.h>

#include "app/compact_style.h"
#include "app/controls.h"
#include "app/target_cad_form.h"

namespace vensa {
namespace {

constexpr int kClientWidth = 391;
constexpr int kClientHeight = 464;

// The first face of the list the system has; the system's own face when it has none.
wxFont PixelFont(std::initializer_list<const char*> faces, int pixels) {
  wxFontInfo info(wxSize(0, pixels));
  for (const char* face : faces) {
    if (wxFontEnumerator::IsValidFacename(U8(face))) {
      info.FaceName(U8(face));
      break;
    }
  }
  return wxFont(info);
}

}  // namespace

wxFont UiFont() {
  return PixelFont({"ＭＳ Ｐゴシック", "MS PGothic", "Noto Sans CJK JP"}, 12);
}

wxFont CoordListFont() {
  return PixelFont({"ＭＳ ゴシック", "MS Gothic", "Noto Sans Mono CJK JP", "Noto Sans CJK JP"}, 12);
}

TForm1::TForm1(const ProgramFiles& files, Platform& platform, bool drawingTargetByDefault)
    : wxFrame(
          nullptr, wxID_ANY, ToWx(std::string(kInitialCaption)), wxDefaultPosition, wxDefaultSize,
          (wxDEFAULT_FRAME_STYLE & ~(wxRESIZE_BORDER | wxMAXIMIZE_BOX)) | wxSTAY_ON_TOP, "Form1"),
      drawingTargetByDefault_(drawingTargetByDefault),
      state_(InitialFormState()),
      files_(files),
      cadPlatform_(platform, state_),
      platform_(cadPlatform_),
      ui_(*this, state_),
      messageFilter_(TMessageFilter::Create()) {
  ApplyCompactStyle();
  SetFont(UiFont());
  SetClientSize(kClientWidth, kClientHeight);
  SetMinClientSize({kClientWidth, kClientHeight});
  SetMaxClientSize({kClientWidth, kClientHeight});

  PageControl1 =
      new wxNotebook(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, "PageControl1");
  PageControl1->AddPage(BuildMainTab(PageControl1), U8(" メイン "));
  PageControl1->AddPage(BuildCadSettingsTab(PageControl1), U8(" CAD 設定 "));
  PageControl1->AddPage(BuildGetIdSettingsTab(PageControl1), U8(" 取得, ID 設定 "));
  PageControl1->AddPage(BuildTextTab(PageControl1), U8(" TEXT "));
  PageControl1->AddPage(BuildSimaReadTab(PageControl1), U8(" SIMA/R "));
  PageControl1->AddPage(BuildSimaWriteTab(PageControl1), U8(" SIMA/W "));
  PageControl1->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this](wxBookCtrlEvent& event) {
    event.Skip();
    if (event.GetEventObject() != PageControl1) return;
    RunCommand([this, page = event.GetSelection()] { ChangePage(state_, page); });
  });

  binding_.Add(nullptr, [this] {
    SetTitle(ToWx(state_.Caption));
    for (int panel = 0; panel < 2; ++panel)
      StatusBar1->SetStatusText(ToWx(state_.StatusBar1[static_cast<std::size_t>(panel)]), panel);
  });

  // The target CAD dialog lives, hidden, as long as the window.
  targetCadForm_ = new TTargetCADForm(*this, files_.targetCadList, platform_, ui_);

  const wxRect screen = wxDisplay(0u).GetGeometry();
  const wxSize outer = GetSize();
  FormCreate({outer.GetWidth(), outer.GetHeight(), screen.GetWidth(), screen.GetHeight()});
  Bind(wxEVT_CLOSE_WINDOW, &TForm1::FormClose, this);

  // From here every change of a list is an undo step; the start-up state is none.
  histories_.Attach(state_);
  for (ListGrid* grid : {StringGrid1, StringGrid2, StringGrid3, StringGrid4})
    grid->AttachHistories(histories_);
  // Ctrl+Z and Ctrl+Y where no list has the focus (a button just clicked, a box ticked):
  // the list of the page shown takes them, so that the command just run is undone at once.
  // A list with the focus handles them itself; a text field keeps them for its own text.
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    event.Skip();
    const int code = event.GetKeyCode();
    if (!event.ControlDown() || event.AltDown() || (code != 'Z' && code != 'Y')) return;
    for (wxWindow* w = wxWindow::FindFocus(); w; w = w->GetParent()) {
      if (dynamic_cast<wxTextEntry*>(w) || dynamic_cast<ListGrid*>(w)) return;
      if (w == this) break;
    }
    if (ListGrid* list = ListOfPage(PageControl1->GetSelection())) {
      event.Skip(false);
      list->UndoStep(code == 'Y' || event.ShiftDown());
    }
  });
  // A change no handler ran is closed as a step of its own once the window is idle.
  Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
    event.Skip();
    histories_.CloseStepsBetweenHandlers();
  });
}

TForm1::~TForm1() = default;

ListGrid* TForm1::ListOfPage(int page) const {
  switch (page) {
    case 0:
      return StringGrid1;
    case 3:
      return StringGrid2;
    case 4:
      return StringGrid3;
    case 5:
      return StringGrid4;
    default:
      return nullptr;  // the settings pages show no list
  }
}

void TForm1::FormCreate(const ScreenMetrics& screen) {
  state_ = StartUpFormState(files_, screen, drawingTargetByDefault_);
  if (state_.TargetIsDrawingFile) ShowDrawingTarget(state_);
  Move(state_.Left, state_.Top);
  messageFilter_->RegisterFilter(platform_);
  PageControl1->ChangeSelection(0);
  ShowState();
  StringGrid1->SetFocus();
  // The preview opens again if it was open when the program last ended.
  if (state_.PreviewOpen) CallAfter([this] { PreviewClick(); });
}

void TForm1::FormClose(wxCloseEvent&) {
  for (ListGrid* grid : {StringGrid1, StringGrid2, StringGrid3, StringGrid4})
    if (grid->IsCellEditControlShown()) grid->SaveEditControlValue();
  binding_.Pull();
  const wxPoint position = GetPosition();
  state_.Left = position.x;
  state_.Top = position.y;
  state_.DxfWaitTime = DxfWaitTimeFromEdit26(state_);
  try {
    ShutDownFormState(state_, files_);
  } catch (const std::exception& error) {
    // The settings would otherwise be lost without a word: say so before the window goes.
    ReportError(std::string("設定ファイルを保存できませんでした。\n") + error.what());
  }
  excel_.Release();
  messageFilter_->RevokeFilter(platform_);
  Destroy();
}

void TForm1::RunCommand(const std::function<void()>& command) {
  RunCommand(std::string_view(), command);
}

void TForm1::RunCommand(std::string_view step, const std::function<void()>& command) {
  for (ListGrid* grid : {StringGrid1, StringGrid2, StringGrid3, StringGrid4}) {
    if (grid->IsCellEditControlShown()) {
      grid->SaveEditControlValue();
      grid->HideCellEditControl();
    }
    grid->PullSelection();
  }
  // A cell typed just now is a step of its own, not part of the command's.
  histories_.CloseStepsBetweenHandlers();
  ListStep listStep(histories_, step);
  binding_.Pull();
  controlsChanged_ = false;  // the state holds the controls now; the preview must not pull anew
  std::string failure;
  ++commandsRunning_;
  try {
    command();
  } catch (const std::exception& error) {
    failure = error.what();
    if (failure.empty()) failure = "エラーが発生しました。";
  }
  --commandsRunning_;
  ShowState();
  if (!failure.empty()) ReportError(failure);
}

void TForm1::ShowState() {
  binding_.Push();
  for (ListGrid* grid : {StringGrid1, StringGrid2, StringGrid3, StringGrid4}) grid->ShowGrid();
  // After any command the row indicator counts the rows the list has now; a stale count
  // would misstate the list after a paste or a read.
  UpdateRowIndicator();
}

void TForm1::ReportError(const std::string& text) {
  ui_.ShowError(text);
}

void TForm1::OpenDrawingAtStart(const std::string& path) {
  RunCommand([this, &path] { OpenDrawingTarget(state_, cadPlatform_, path); });
}

void TForm1::SpeedButton5Click() {
  RunCommand([this] { targetCadForm_->ShowFor(state_); });
}

}  // namespace vensa
