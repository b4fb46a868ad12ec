// "プレビュー": a resizable window beside the main window that shows what "CADへ" would put
// into the drawing now, from the coordinate list and the plot's options, and follows both
// as they change. The wheel zooms about the pointer, dragging pans, a double click, "F" or
// Home fits everything; a click on a row's point makes that row the list's current one,
// and the current row is marked. "PNG で保存" saves the picture.
#pragma once

#include <functional>

#include <wx/bitmap.h>
#include <wx/frame.h>
#include <wx/stattext.h>

#include "app/preview_view.h"
#include "dxf/commands/plot_preview.h"
#include "platform/ui.h"
#include "state/form_state.h"
#include "state/settings_file.h"

namespace vensa {

inline constexpr char kPreviewTitle[] = "プレビュー";
inline constexpr char kPngSaveFilter[] = "PNG 画像 (*.png)|*.png";

class PreviewWindow : public wxFrame {
 public:
  struct Link {
    // The plot's input as the main window holds it now.
    std::function<PlotPreviewInput()> input;
    // Makes a row of the coordinate list current and selected, scrolled into view.
    std::function<void(int row)> selectRow;
  };

  // `state` is the main window's: the list and its current row are read from it, and the
  // preview's placement is kept in it for the settings file. Dialogs go through `dialogs`.
  PreviewWindow(wxWindow* parent, FormState& state, Ui& dialogs, Link link);

  // Shows the window at `where` (only when it is not shown already) and raises it.
  void Open(const WindowRect& where);

  // Builds the scene again when the list, the options or the scale changed since it was
  // drawn, and marks the list's current row anew; the window does so whenever it is idle.
  // True when the scene was built again.
  bool Follow();
  // Everything in view.
  void FitAll();
  // "PNG で保存": the picture into a PNG file the user names (asked before one is replaced).
  void SavePng();

  // The picture as shown: the scene and the current row's mark, the canvas's size.
  wxBitmap Picture();
  const PlotScene& Scene() const { return scene_; }
  const PreviewView& View() const { return view_; }
  wxWindow* Canvas() const { return canvas_; }

 private:
  void OnPaint();
  void OnCanvasSize();
  void OnWheel(wxMouseEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnClose(wxCloseEvent& event);
  void KeepPlacement();
  // The picture drawn again at the next paint (the view or the scene changed).
  void Redraw();
  void RenderBuffer();
  void ShowCount();

  FormState& state_;
  Ui& dialogs_;
  Link link_;
  wxWindow* canvas_ = nullptr;
  wxStaticText* count_ = nullptr;

  PlotScene scene_;
  PlotPreviewInput drawn_;
  bool built_ = false;
  bool fitted_ = false;
  PreviewView view_;
  wxBitmap buffer_;  // the scene at the current view, without the current row's mark
  bool bufferValid_ = false;
  int markedRow_ = 0;

  bool pressed_ = false;
  bool dragging_ = false;
  wxPoint pressedAt_;
  wxPoint lastAt_;
};

}  // namespace vensa
