#include "app/preview_drawing.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include <wx/font.h>

namespace vensa {
namespace {

// How far outside the canvas a line is still followed before it is cut, in pixels.
constexpr double kClipMargin = 4.0;
// Largest label drawn, in pixels: beyond it a label covers the canvas and says nothing.
constexpr double kMaxLabelPixels = 2000.0;
// Cells of the grid that remembers where labels were drawn.
constexpr int kLabelCell = 4;

// One flag per pixel: whether a kind already drew its mark there.
class PixelMarks {
 public:
  PixelMarks(int width, int height)
      : width_(width), height_(height), marks_(static_cast<std::size_t>(width) * height) {}
  // False when outside the canvas or already marked; marks it otherwise.
  bool Take(wxPoint p) {
    if (p.x < 0 || p.y < 0 || p.x >= width_ || p.y >= height_) return false;
    std::uint8_t& mark =
        marks_[static_cast<std::size_t>(p.y) * width_ + static_cast<std::size_t>(p.x)];
    if (mark) return false;
    mark = 1;
    return true;
  }

 private:
  int width_;
  int height_;
  std::vector<std::uint8_t> marks_;
};

// The pixel of a drawing point, when it lies on the canvas (nothing else is rounded: a
// point far off a deep zoom would not fit an int). `drawing` false: (x, y) are pixels.
std::optional<wxPoint> PixelOf(const PreviewView& view, double x, double y, bool drawing = true) {
  const double px = drawing ? view.ToX(x) : x, py = drawing ? view.ToY(y) : y;
  if (!(px >= -0.5 && py >= -0.5 && px < view.Width() - 0.5 && py < view.Height() - 0.5))
    return std::nullopt;
  return wxPoint(static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py)));
}

// The canvas cells labels cover: a label is drawn only where none lies yet.
class LabelCells {
 public:
  LabelCells(int width, int height)
      : cols_(width / kLabelCell + 1),
        rows_(height / kLabelCell + 1),
        cells_(static_cast<std::size_t>(cols_) * rows_) {}

  // Takes the cells of the box when all of them are free.
  bool Take(const wxRect& box) {
    const int c0 = std::max(box.x / kLabelCell, 0);
    const int r0 = std::max(box.y / kLabelCell, 0);
    const int c1 = std::min(box.GetRight() / kLabelCell, cols_ - 1);
    const int r1 = std::min(box.GetBottom() / kLabelCell, rows_ - 1);
    for (int r = r0; r <= r1; ++r)
      for (int c = c0; c <= c1; ++c)
        if (cells_[Index(c, r)]) return false;
    for (int r = r0; r <= r1; ++r)
      for (int c = c0; c <= c1; ++c) cells_[Index(c, r)] = 1;
    return true;
  }

 private:
  std::size_t Index(int c, int r) const {
    return static_cast<std::size_t>(r) * cols_ + static_cast<std::size_t>(c);
  }
  int cols_;
  int rows_;
  std::vector<std::uint8_t> cells_;
};

// The part of the segment a-b inside the rectangle (Liang-Barsky); false when none is.
bool ClipSegment(double& ax, double& ay, double& bx, double& by, double left, double top,
                 double right, double bottom) {
  double t0 = 0.0, t1 = 1.0;
  const double dx = bx - ax, dy = by - ay;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {ax - left, right - ax, ay - top, bottom - ay};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
  }
  const double x0 = ax + t0 * dx, y0 = ay + t0 * dy;
  bx = ax + t1 * dx;
  by = ay + t1 * dy;
  ax = x0;
  ay = y0;
  return true;
}

// Draws one polyline as runs of whole pixels: the parts outside the canvas are cut off,
// and vertices falling on the pixel of the one before are left out.
class LineRuns {
 public:
  LineRuns(wxDC& dc, const PreviewView& view) : dc_(dc), view_(view) {}

  void Draw(const std::vector<ScenePoint>& vertices, const ScenePolyline& line) {
    if (line.count < 2) return;
    const std::size_t end = line.first + line.count + (line.closed ? 1 : 0);
    for (std::size_t i = line.first; i + 1 < end; ++i) {
      const ScenePoint& a = vertices[i];
      const ScenePoint& b = vertices[Wrap(i + 1, line)];
      Segment(view_.ToX(a.x), view_.ToY(a.y), view_.ToX(b.x), view_.ToY(b.y));
    }
    Flush();
  }

 private:
  static std::size_t Wrap(std::size_t i, const ScenePolyline& line) {
    return i < line.first + line.count ? i : line.first;
  }

  void Segment(double ax, double ay, double bx, double by) {
    const double ex = bx, ey = by;
    const double m = kClipMargin;
    if (!ClipSegment(ax, ay, bx, by, -m, -m, view_.Width() + m, view_.Height() + m)) {
      Flush();
      return;
    }
    const wxPoint a(std::lround(ax), std::lround(ay));
    if (run_.empty() || run_.back() != a) {
      // Entering the canvas anew: the run so far ends.
      if (!run_.empty()) Flush();
      run_.push_back(a);
    }
    const wxPoint b(std::lround(bx), std::lround(by));
    if (run_.back() != b) run_.push_back(b);
    if (bx != ex || by != ey) Flush();  // left the canvas
  }

  void Flush() {
    if (run_.size() >= 2) dc_.DrawLines(static_cast<int>(run_.size()), run_.data());
    run_.clear();
  }

  wxDC& dc_;
  const PreviewView& view_;
  std::vector<wxPoint> run_;
};

// A rough width of a text in pixels at a font whose digits are `digit` wide and whose
// em is `em`: wide (non-ASCII) characters an em, the others a digit.
int TextWidth(std::string_view text, int digit, int em) {
  int width = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      width += digit;
    } else if ((c & 0xC0) != 0x80) {
      width += em;
    }
  }
  return width;
}

class LabelPainter {
 public:
  LabelPainter(wxDC& dc, const PreviewView& view)
      : dc_(dc), view_(view), cells_(view.Width(), view.Height()) {}

  void Draw(const PlotScene& scene, const SceneText& t) {
    const double pixels = t.height * view_.Scale();
    if (pixels < kMinLabelPixels || pixels > kMaxLabelPixels) return;
    UseFont(pixels);
    const std::string_view text = scene.Text(t);
    const int width = TextWidth(text, digit_, em_);
    const double px = view_.ToX(t.x), py = view_.ToY(t.y);
    // The text's height is the height of its capitals, as the CAD draws it: the font's
    // ascent sits above the capitals' top by the rest.
    const double capTop = ascent_ - pixels;
    double left = px, top = py;
    switch (t.kind) {
      case SceneTextKind::kName:  // on its base line from the point
        top = py - ascent_;
        break;
      case SceneTextKind::kCoord:  // below and right of the point
        top = py - capTop;
        break;
      case SceneTextKind::kParcel:  // centred on the point
        left = px - width / 2.0;
        top = py - capTop - pixels / 2.0;
        break;
    }
    if (left > view_.Width() || top > view_.Height() || left + width < 0 ||
        top + charHeight_ < 0)
      return;
    const wxRect box(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)),
                     std::max(width, 1), charHeight_);
    if (!cells_.Take(box)) return;
    dc_.SetTextForeground(ColourOf(t.kind));
    dc_.DrawText(wxString::FromUTF8(text.data(), text.size()), box.x, box.y);
  }

 private:
  static wxColour ColourOf(SceneTextKind kind) {
    switch (kind) {
      case SceneTextKind::kName:
        return PreviewColours::NameLabel();
      case SceneTextKind::kCoord:
        return PreviewColours::CoordLabel();
      case SceneTextKind::kParcel:
        return PreviewColours::Parcel();
    }
    return PreviewColours::NameLabel();
  }

  // The labels of one kind share a height: the font changes only between kinds.
  void UseFont(double pixels) {
    const int em = static_cast<int>(std::lround(pixels * 1.4));
    if (em == em_) return;
    em_ = em;
    dc_.SetFont(wxFont(wxFontInfo(wxSize(0, em))));
    wxCoord w = 0, h = 0, descent = 0;
    dc_.GetTextExtent("0", &w, &h, &descent);
    digit_ = w;
    charHeight_ = h;
    ascent_ = h - descent;
  }

  wxDC& dc_;
  const PreviewView& view_;
  LabelCells cells_;
  int em_ = 0;
  int digit_ = 0;
  int charHeight_ = 0;
  double ascent_ = 0.0;
};

}  // namespace

void DrawPlotScene(wxDC& dc, const PlotScene& scene, const PreviewView& view) {
  const int w = view.Width(), h = view.Height();
  dc.SetBackground(wxBrush(PreviewColours::Background()));
  dc.Clear();

  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  LineRuns lines(dc, view);
  for (const bool parcels : {false, true}) {
    dc.SetPen(wxPen(parcels ? PreviewColours::Parcel() : PreviewColours::Polyline()));
    for (const ScenePolyline& line : scene.polylines)
      if (line.parcel == parcels) lines.Draw(scene.vertices, line);
  }

  if (!scene.circles.empty()) {
    const double r = scene.circleRadius * view.Scale();
    dc.SetPen(wxPen(PreviewColours::Circle()));
    PixelMarks marks(w, h);
    for (const std::uint32_t k : scene.circles) {
      const double x = view.ToX(scene.entries[k].x), y = view.ToY(scene.entries[k].y);
      if (x + r < 0 || y + r < 0 || x - r > w || y - r > h || r > 1e6) continue;
      // One circle per centre pixel: the others would be drawn on top of it. A centre off
      // the canvas has no pixel to mark, and its circle is drawn all the same.
      const wxPoint centre(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
      if (PixelOf(view, x, y, false) && !marks.Take(centre)) continue;
      dc.DrawCircle(centre, std::max(static_cast<int>(std::lround(r)), 1));
    }
  }

  {
    LabelPainter labels(dc, view);
    for (const SceneText& t : scene.texts) labels.Draw(scene, t);
  }

  dc.SetPen(*wxTRANSPARENT_PEN);
  for (const bool selected : {false, true}) {
    dc.SetBrush(wxBrush(selected ? PreviewColours::Entry() : PreviewColours::LeftOut()));
    PixelMarks marks(w, h);
    for (const SceneEntry& e : scene.entries) {
      if (e.selected != selected) continue;
      const std::optional<wxPoint> at = PixelOf(view, e.x, e.y);
      if (at && marks.Take(*at)) dc.DrawRectangle(at->x - 1, at->y - 1, 3, 3);
    }
  }

  if (!scene.points.empty()) {
    dc.SetPen(wxPen(PreviewColours::Point()));
    PixelMarks marks(w, h);
    for (const std::uint32_t k : scene.points) {
      const std::optional<wxPoint> at = PixelOf(view, scene.entries[k].x, scene.entries[k].y);
      if (!at || !marks.Take(*at)) continue;
      dc.DrawLine(at->x - 4, at->y, at->x + 5, at->y);
      dc.DrawLine(at->x, at->y - 4, at->x, at->y + 5);
    }
  }

  if (!scene.note.empty()) {
    dc.SetFont(wxFont(wxFontInfo(wxSize(0, 13))));
    dc.SetTextForeground(PreviewColours::Note());
    dc.DrawText(wxString::FromUTF8(scene.note), 6, 6);
  }
}

void DrawCurrentRow(wxDC& dc, const PlotScene& scene, const PreviewView& view, std::int32_t row) {
  const std::int64_t k = scene.EntryOfRow(row);
  if (k < 0) return;
  const SceneEntry& e = scene.entries[static_cast<std::size_t>(k)];
  const double x = view.ToX(e.x), y = view.ToY(e.y);
  if (x < -10 || y < -10 || x > view.Width() + 10 || y > view.Height() + 10) return;
  dc.SetPen(wxPen(PreviewColours::Current(), 2));
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.DrawRectangle(static_cast<int>(std::lround(x)) - 6, static_cast<int>(std::lround(y)) - 6, 13,
                   13);
}

}  // namespace vensa
