#include "app/preview_drawing.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include <wx/bitmap.h>
#include <wx/font.h>
#include <wx/image.h>

namespace vensa {
namespace {

// How far outside the canvas a line is still followed before it is cut, in pixels.
constexpr double kClipMargin = 4.0;
// Largest label drawn, in pixels: beyond it a label covers the canvas and says nothing.
constexpr double kMaxLabelPixels = 2000.0;
// Cells of the grid that remembers where labels were drawn.
constexpr int kLabelCell = 2;
// Circles up to this radius in pixels are set pixel by pixel among the marks.
constexpr int kLargestMarkedCircle = 64;

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

// The marks of rows, points and small circles, written straight into the pixels of an
// image with alpha and drawn over the picture at once: a device context's call per mark
// would cost about a hundred times as much on a list of 100,000 rows.
class MarkLayer {
 public:
  MarkLayer(int width, int height) : width_(width), height_(height), image_(width, height, false) {
    image_.InitAlpha();
    std::fill_n(image_.GetAlpha(), static_cast<std::size_t>(width) * height, 0);
    rgb_ = image_.GetData();
    alpha_ = image_.GetAlpha();
  }

  void UseColour(const wxColour& c) {
    red_ = c.Red();
    green_ = c.Green();
    blue_ = c.Blue();
  }

  void Pixel(int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const std::size_t i = static_cast<std::size_t>(y) * width_ + static_cast<std::size_t>(x);
    rgb_[3 * i] = red_;
    rgb_[3 * i + 1] = green_;
    rgb_[3 * i + 2] = blue_;
    alpha_[i] = 255;
    used_ = true;
  }

  // A square of 3 by 3 pixels.
  void Dot(wxPoint p) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) Pixel(p.x + dx, p.y + dy);
  }

  // A plus sign 9 pixels across.
  void Cross(wxPoint p) {
    for (int d = -4; d <= 4; ++d) {
      Pixel(p.x + d, p.y);
      Pixel(p.x, p.y + d);
    }
  }

  // A line of whole pixels (Bresenham's rule), both ends included.
  void Line(wxPoint a, wxPoint b) {
    const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int error = dx + dy;
    for (;;) {
      Pixel(a.x, a.y);
      if (a == b) return;
      const int twice = 2 * error;
      if (twice >= dy) {
        error += dy;
        a.x += sx;
      }
      if (twice <= dx) {
        error += dx;
        a.y += sy;
      }
    }
  }

  // A circle of whole pixels round the centre (the midpoint rule).
  void Circle(wxPoint c, int r) {
    int x = r, y = 0, error = 1 - r;
    while (x >= y) {
      for (const auto& [dx, dy] : {std::pair{x, y}, std::pair{y, x}}) {
        Pixel(c.x + dx, c.y + dy);
        Pixel(c.x - dx, c.y + dy);
        Pixel(c.x + dx, c.y - dy);
        Pixel(c.x - dx, c.y - dy);
      }
      ++y;
      if (error < 0) {
        error += 2 * y + 1;
      } else {
        --x;
        error += 2 * (y - x) + 1;
      }
    }
  }

  void DrawOn(wxDC& dc) const {
    if (used_) dc.DrawBitmap(wxBitmap(image_), 0, 0, true);
  }

 private:
  int width_;
  int height_;
  wxImage image_;
  unsigned char* rgb_ = nullptr;
  unsigned char* alpha_ = nullptr;
  unsigned char red_ = 0, green_ = 0, blue_ = 0;
  bool used_ = false;
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

// Sets one polyline's pixels among the marks; the parts outside the canvas are cut off
// first, so a deep zoom never rounds a far vertex.
void DrawPolyline(MarkLayer& marks, const PreviewView& view,
                  const std::vector<ScenePoint>& vertices, const ScenePolyline& line) {
  if (line.count < 2) return;
  const std::size_t last = line.first + line.count - 1;
  const std::size_t end = line.closed ? last + 1 : last;
  const double m = kClipMargin;
  for (std::size_t i = line.first; i < end; ++i) {
    const ScenePoint& a = vertices[i];
    const ScenePoint& b = vertices[i == last ? line.first : i + 1];
    double ax = view.ToX(a.x), ay = view.ToY(a.y), bx = view.ToX(b.x), by = view.ToY(b.y);
    if (!ClipSegment(ax, ay, bx, by, -m, -m, view.Width() + m, view.Height() + m)) continue;
    marks.Line(wxPoint(static_cast<int>(std::lround(ax)), static_cast<int>(std::lround(ay))),
               wxPoint(static_cast<int>(std::lround(bx)), static_cast<int>(std::lround(by))));
  }
}

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
    // The text's height is the height of its capitals, as the CAD draws it; where the
    // capitals start is what the plot's alignment fixes.
    double left = px, capTop = py;
    switch (t.kind) {
      case SceneTextKind::kName:  // on its base line from the point
        capTop = py - pixels;
        break;
      case SceneTextKind::kCoord:  // below and right of the point
        break;
      case SceneTextKind::kParcel:  // centred on the point
        left = px - width / 2.0;
        capTop = py - pixels / 2.0;
        break;
    }
    if (left > view_.Width() || capTop > view_.Height() || left + width < 0 || capTop + pixels < 0)
      return;
    // Labels collide by their capitals' boxes, a pixel inside: a name above its point and
    // the coordinates below it touch without overlapping, as in the drawing.
    const wxPoint at(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(capTop)));
    const int height = static_cast<int>(std::lround(pixels));
    if (!cells_.Take(wxRect(at.x + 1, at.y + 1, std::max(width - 2, 1), std::max(height - 2, 1))))
      return;
    const wxPoint box(at.x, at.y - static_cast<int>(std::lround(ascent_ - pixels)));
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
    ascent_ = h - descent;
  }

  wxDC& dc_;
  const PreviewView& view_;
  LabelCells cells_;
  int em_ = 0;
  int digit_ = 0;
  double ascent_ = 0.0;
};

}  // namespace

void DrawPlotScene(wxDC& dc, const PlotScene& scene, const PreviewView& view) {
  const int w = view.Width(), h = view.Height();
  dc.SetBackground(wxBrush(PreviewColours::Background()));
  dc.Clear();

  {
    LabelPainter labels(dc, view);
    for (const SceneText& t : scene.texts) labels.Draw(scene, t);
  }

  MarkLayer marks(w, h);
  for (const bool parcels : {false, true}) {
    marks.UseColour(parcels ? PreviewColours::Parcel() : PreviewColours::Polyline());
    for (const ScenePolyline& line : scene.polylines)
      if (line.parcel == parcels) DrawPolyline(marks, view, scene.vertices, line);
  }
  const double r = scene.circleRadius * view.Scale();
  // A circle wider than a million pixels shows nothing at this zoom but a stray arc.
  if (!scene.circles.empty() && r <= 1e6) {
    const int radius = std::max(static_cast<int>(std::lround(r)), 1);
    // Large circles are few on the canvas at once: the device context draws them smooth.
    const bool large = radius > kLargestMarkedCircle;
    dc.SetPen(wxPen(PreviewColours::Circle()));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    marks.UseColour(PreviewColours::Circle());
    PixelMarks centres(w, h);
    for (const std::uint32_t k : scene.circles) {
      const double x = view.ToX(scene.entries[k].x), y = view.ToY(scene.entries[k].y);
      if (x + r < 0 || y + r < 0 || x - r > w || y - r > h) continue;
      // One circle per centre pixel: the others would be drawn on top of it. A centre off
      // the canvas has no pixel to mark, and its circle is drawn all the same.
      const wxPoint centre(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
      if (PixelOf(view, x, y, false) && !centres.Take(centre)) continue;
      if (large) {
        dc.DrawCircle(centre, radius);
      } else {
        marks.Circle(centre, radius);
      }
    }
  }

  // Each kind sets its mark once per pixel: a fitted long list puts many rows on one.
  for (const bool selected : {false, true}) {
    marks.UseColour(selected ? PreviewColours::Entry() : PreviewColours::LeftOut());
    PixelMarks taken(w, h);
    for (const SceneEntry& e : scene.entries) {
      if (e.selected != selected) continue;
      const std::optional<wxPoint> at = PixelOf(view, e.x, e.y);
      if (!at || !taken.Take(*at)) continue;
      marks.Dot(*at);
      if (!selected) marks.Circle(*at, 3);  // left out: ringed, so it shows on any mark
    }
  }
  marks.UseColour(PreviewColours::Point());
  PixelMarks taken(w, h);
  for (const std::uint32_t k : scene.points) {
    const std::optional<wxPoint> at = PixelOf(view, scene.entries[k].x, scene.entries[k].y);
    if (at && taken.Take(*at)) marks.Cross(*at);
  }
  marks.DrawOn(dc);

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
