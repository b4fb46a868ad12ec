#include "app/preview_window.h"

#include <cmath>
#include <exception>
#include <string>

#include <wx/button.h>
#include <wx/dcbuffer.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/mstream.h>
#include <wx/panel.h>
#include <wx/sizer.h>

#include "app/form_binding.h"
#include "app/preview_drawing.h"
#include "core/file_io.h"
#include "core/number_format.h"

namespace vensa {
namespace {

// A click within this many pixels of a row's point picks the row.
constexpr double kPickPixels = 6.0;
// A press that moves farther than this is a drag, not a click.
constexpr int kDragPixels = 3;
// One notch of the wheel.
constexpr double kWheelZoom = 1.25;

}  // namespace

PreviewWindow::PreviewWindow(wxWindow* parent, FormState& state, Ui& dialogs, Link link)
    : wxFrame(parent, wxID_ANY, ToWx(kPreviewTitle), wxDefaultPosition, wxDefaultSize,
              wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT, "PreviewWindow"),
      state_(state),
      dialogs_(dialogs),
      link_(std::move(link)) {
  SetFont(parent->GetFont());
  auto* bar = new wxPanel(this, wxID_ANY);
  auto* fit = new wxButton(bar, wxID_ANY, ToWx("全体表示"), wxDefaultPosition, wxDefaultSize, 0,
                           wxDefaultValidator, "PreviewFit");
  auto* save = new wxButton(bar, wxID_ANY, ToWx("PNG で保存"), wxDefaultPosition, wxDefaultSize, 0,
                            wxDefaultValidator, "PreviewSavePng");
  count_ = new wxStaticText(bar, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, 0, "PreviewCount");
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(fit, 0, wxALL, 2);
  row->Add(save, 0, wxALL, 2);
  row->Add(count_, 1, wxALIGN_CENTER_VERTICAL | wxLEFT, 8);
  bar->SetSizer(row);

  canvas_ = new wxWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                         wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE, "PreviewCanvas");
  canvas_->SetBackgroundStyle(wxBG_STYLE_PAINT);
  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(bar, 0, wxEXPAND);
  column->Add(canvas_, 1, wxEXPAND);
  SetSizer(column);

  fit->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { FitAll(); });
  save->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { SavePng(); });
  canvas_->Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
  canvas_->Bind(wxEVT_SIZE, [this](wxSizeEvent&) { OnCanvasSize(); });
  canvas_->Bind(wxEVT_MOUSEWHEEL, &PreviewWindow::OnWheel, this);
  canvas_->Bind(wxEVT_LEFT_DOWN, &PreviewWindow::OnLeftDown, this);
  canvas_->Bind(wxEVT_MOTION, &PreviewWindow::OnMotion, this);
  canvas_->Bind(wxEVT_LEFT_UP, &PreviewWindow::OnLeftUp, this);
  canvas_->Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent&) { FitAll(); });
  canvas_->Bind(wxEVT_MOUSE_CAPTURE_LOST,
                [this](wxMouseCaptureLostEvent&) { pressed_ = dragging_ = false; });
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (key == 'F' || key == WXK_HOME || key == WXK_NUMPAD_HOME) {
      FitAll();
      return;
    }
    event.Skip();
  });
  Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
    event.Skip();
    if (IsShown()) Follow();
  });
  Bind(wxEVT_MOVE, [this](wxMoveEvent& event) {
    event.Skip();
    KeepPlacement();
  });
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    event.Skip();
    KeepPlacement();
  });
  Bind(wxEVT_CLOSE_WINDOW, &PreviewWindow::OnClose, this);
}

void PreviewWindow::Open(const WindowRect& where) {
  if (!IsShown()) {
    SetSize(where.left, where.top, where.width, where.height);
    Show();
  }
  Raise();
  state_.PreviewOpen = true;
  KeepPlacement();
}

void PreviewWindow::KeepPlacement() {
  if (!IsShown() || IsIconized() || IsMaximized()) return;
  const wxRect r = GetRect();
  state_.PreviewLeft = r.x;
  state_.PreviewTop = r.y;
  state_.PreviewWidth = r.width;
  state_.PreviewHeight = r.height;
}

void PreviewWindow::OnClose(wxCloseEvent& event) {
  // Closed by the user it only hides, keeping its scene; the main window's end takes it.
  if (!event.CanVeto()) {
    event.Skip();
    return;
  }
  state_.PreviewOpen = false;
  Hide();
}

bool PreviewWindow::Follow() {
  PlotPreviewInput input = link_.input();
  const bool changed = !built_ || !(input == drawn_);
  if (changed) {
    const bool wasEmpty = scene_.entries.empty();
    try {
      scene_ = PlotPreviewScene(state_, input);
    } catch (const std::exception& error) {
      // Said in the picture, once for this input: an error box at every idle would never end.
      scene_ = PlotScene();
      scene_.note = error.what();
    }
    drawn_ = std::move(input);
    built_ = true;
    // A list that was empty, or that now lies wholly out of view, is shown whole; an edit
    // elsewhere keeps the view where the user put it.
    if (!fitted_ || wasEmpty || !view_.Shows(scene_.bounds)) FitAll();
    ShowCount();
    Redraw();
  }
  const int row = state_.StringGrid1.current.row;
  if (row != markedRow_) {
    markedRow_ = row;
    canvas_->Refresh(false);
  }
  return changed;
}

void PreviewWindow::ShowCount() {
  const std::string text = scene_.note.empty()
                               ? "図形 " + FormatFixed(static_cast<double>(scene_.entityCount), 0)
                               : std::string();
  count_->SetLabel(ToWx(text));
}

void PreviewWindow::FitAll() {
  const wxSize size = canvas_->GetClientSize();
  view_.Resize(size.x, size.y);
  view_.Fit(scene_.bounds);
  // A canvas not laid out yet fits again when it gets its size.
  fitted_ = size.x > 1 && size.y > 1;
  Redraw();
}

void PreviewWindow::Redraw() {
  bufferValid_ = false;
  canvas_->Refresh(false);
}

void PreviewWindow::RenderBuffer() {
  const wxSize size(view_.Width(), view_.Height());
  if (!buffer_.IsOk() || buffer_.GetSize() != size) buffer_.Create(size);
  wxMemoryDC dc(buffer_);
  DrawPlotScene(dc, scene_, view_);
  bufferValid_ = true;
}

wxBitmap PreviewWindow::Picture() {
  if (!bufferValid_) RenderBuffer();
  wxBitmap picture(buffer_.GetSize());
  wxMemoryDC dc(picture);
  dc.DrawBitmap(buffer_, 0, 0);
  DrawCurrentRow(dc, scene_, view_, markedRow_);
  dc.SelectObject(wxNullBitmap);
  return picture;
}

void PreviewWindow::OnPaint() {
  wxAutoBufferedPaintDC dc(canvas_);
  if (!bufferValid_) RenderBuffer();
  dc.DrawBitmap(buffer_, 0, 0);
  DrawCurrentRow(dc, scene_, view_, markedRow_);
}

void PreviewWindow::OnCanvasSize() {
  const wxSize size = canvas_->GetClientSize();
  view_.Resize(size.x, size.y);
  if (!fitted_ && built_) FitAll();
  Redraw();
}

void PreviewWindow::OnWheel(wxMouseEvent& event) {
  const int delta = event.GetWheelDelta() > 0 ? event.GetWheelDelta() : 120;
  const double notches = static_cast<double>(event.GetWheelRotation()) / delta;
  view_.ZoomAbout(std::pow(kWheelZoom, notches), event.GetX(), event.GetY());
  Redraw();
}

void PreviewWindow::OnLeftDown(wxMouseEvent& event) {
  canvas_->SetFocus();
  pressed_ = true;
  dragging_ = false;
  pressedAt_ = lastAt_ = event.GetPosition();
  if (!canvas_->HasCapture()) canvas_->CaptureMouse();
}

void PreviewWindow::OnMotion(wxMouseEvent& event) {
  if (!pressed_ || !event.LeftIsDown()) return;
  const wxPoint at = event.GetPosition();
  const wxPoint moved = at - pressedAt_;
  if (!dragging_ && std::abs(moved.x) <= kDragPixels && std::abs(moved.y) <= kDragPixels) return;
  dragging_ = true;
  view_.Pan(at.x - lastAt_.x, at.y - lastAt_.y);
  lastAt_ = at;
  Redraw();
}

void PreviewWindow::OnLeftUp(wxMouseEvent& event) {
  if (canvas_->HasCapture()) canvas_->ReleaseMouse();
  const bool click = pressed_ && !dragging_;
  pressed_ = dragging_ = false;
  if (!click) return;
  const std::int64_t k = EntryNear(scene_, view_, event.GetX(), event.GetY(), kPickPixels);
  if (k >= 0 && link_.selectRow) link_.selectRow(scene_.entries[static_cast<std::size_t>(k)].row);
}

void PreviewWindow::SavePng() {
  const std::optional<std::string> path =
      dialogs_.SaveFileDialogProposing(kPngSaveFilter, std::string(kPreviewTitle) + ".png");
  if (!path) return;
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
  wxMemoryOutputStream stream;
  if (!Picture().ConvertToImage().SaveFile(stream, wxBITMAP_TYPE_PNG)) {
    dialogs_.ShowError("PNG 画像を作れませんでした: " + *path);
    return;
  }
  std::string bytes(stream.GetLength(), '\0');
  stream.CopyTo(bytes.data(), bytes.size());
  try {
    // The dialog asked before an existing file is replaced.
    SaveFileAtomically(*path, bytes);
  } catch (const std::exception& error) {
    dialogs_.ShowError(error.what());
  }
}

}  // namespace vensa
