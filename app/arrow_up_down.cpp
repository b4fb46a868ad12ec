#include "app/arrow_up_down.h"

#include <wx/dcclient.h>
#include <wx/renderer.h>
#include <wx/settings.h>
#include <wx/spinbutt.h>

namespace vensa {
namespace {

// A filled triangle in `r` pointing up, down, left or right.
void DrawArrow(wxDC& dc, const wxRect& r, wxDirection direction) {
  const wxPoint c = r.GetPosition() + wxPoint(r.width / 2, r.height / 2);
  const int s = std::max(2, std::min(r.width, r.height) / 4);
  wxPoint points[3];
  switch (direction) {
    case wxUP:
      points[0] = {c.x - s, c.y + s / 2}, points[1] = {c.x + s, c.y + s / 2},
      points[2] = {c.x, c.y - s / 2 - 1};
      break;
    case wxDOWN:
      points[0] = {c.x - s, c.y - s / 2}, points[1] = {c.x + s, c.y - s / 2},
      points[2] = {c.x, c.y + s / 2 + 1};
      break;
    case wxLEFT:
      points[0] = {c.x + s / 2, c.y - s}, points[1] = {c.x + s / 2, c.y + s},
      points[2] = {c.x - s / 2 - 1, c.y};
      break;
    default:
      points[0] = {c.x - s / 2, c.y - s}, points[1] = {c.x - s / 2, c.y + s},
      points[2] = {c.x + s / 2 + 1, c.y};
      break;
  }
  dc.DrawPolygon(3, points);
}

}  // namespace

ArrowUpDown::ArrowUpDown(wxWindow* parent, const wxString& name, const wxPoint& pos,
                         bool horizontal)
    : wxControl(parent, wxID_ANY, pos, horizontal ? wxSize(30, 21) : wxSize(15, 21), wxBORDER_NONE,
                wxDefaultValidator, name),
      horizontal_(horizontal) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &ArrowUpDown::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &ArrowUpDown::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &ArrowUpDown::OnLeftDown, this);
}

wxSize ArrowUpDown::DoGetBestSize() const {
  return horizontal_ ? wxSize(30, 21) : wxSize(15, 21);
}

bool ArrowUpDown::IsUpHalf(const wxPoint& point) const {
  const wxSize size = GetClientSize();
  return horizontal_ ? point.x >= size.x / 2 : point.y < size.y / 2;
}

void ArrowUpDown::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  const wxSize size = GetClientSize();
  dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
  dc.Clear();
  const wxRect first =
      horizontal_ ? wxRect(0, 0, size.x / 2, size.y) : wxRect(0, 0, size.x, size.y / 2);
  const wxRect second = horizontal_ ? wxRect(size.x / 2, 0, size.x - size.x / 2, size.y)
                                    : wxRect(0, size.y / 2, size.x, size.y - size.y / 2);
  const int flags = IsEnabled() ? 0 : int{wxCONTROL_DISABLED};
  wxRendererNative::Get().DrawPushButton(this, dc, first, flags);
  wxRendererNative::Get().DrawPushButton(this, dc, second, flags);
  const wxColour ink = IsEnabled() ? wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT)
                                   : wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT);
  dc.SetBrush(wxBrush(ink));
  dc.SetPen(wxPen(ink));
  DrawArrow(dc, first, horizontal_ ? wxLEFT : wxUP);
  DrawArrow(dc, second, horizontal_ ? wxRIGHT : wxDOWN);
}

void ArrowUpDown::OnLeftDown(wxMouseEvent& event) {
  if (!IsEnabled()) return;
  wxSpinEvent spin(IsUpHalf(event.GetPosition()) ? wxEVT_SPIN_UP : wxEVT_SPIN_DOWN, GetId());
  spin.SetEventObject(this);
  ProcessWindowEvent(spin);
}

}  // namespace vensa
