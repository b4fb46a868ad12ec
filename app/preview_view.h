// How the preview maps drawing coordinates onto its pixels: one scale for both axes, the
// drawing's x to the right and its y up, a drawing point at the canvas's centre. Portable
// arithmetic only; the window keeps one and changes it by pan, zoom and fit.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "dxf/plot_scene.h"

namespace vensa {

class PreviewView {
 public:
  // Pixels left free around a fitted scene.
  static constexpr int kFitMargin = 24;
  // How far one can zoom, in pixels per drawing unit.
  static constexpr double kMinScale = 1e-6;
  static constexpr double kMaxScale = 1e6;

  int Width() const { return width_; }
  int Height() const { return height_; }
  double Scale() const { return scale_; }

  double ToX(double x) const { return (x - centreX_) * scale_ + width_ / 2.0; }
  double ToY(double y) const { return height_ / 2.0 - (y - centreY_) * scale_; }
  double FromX(double px) const { return centreX_ + (px - width_ / 2.0) / scale_; }
  double FromY(double py) const { return centreY_ - (py - height_ / 2.0) / scale_; }

  // A new canvas size keeps the drawing point at the centre and the scale.
  void Resize(int width, int height) {
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
  }

  // Everything inside the margin, centred; a scene of one point shows 10 units across.
  void Fit(const SceneBounds& b) {
    if (b.empty) {
      centreX_ = centreY_ = 0.0;
      scale_ = 1.0;
      return;
    }
    centreX_ = (b.minX + b.maxX) / 2.0;
    centreY_ = (b.minY + b.maxY) / 2.0;
    const double w = std::max(width_ - 2 * kFitMargin, 1);
    const double h = std::max(height_ - 2 * kFitMargin, 1);
    const double dx = b.maxX - b.minX, dy = b.maxY - b.minY;
    constexpr double kNone = std::numeric_limits<double>::infinity();
    double s = std::min(dx > 0 ? w / dx : kNone, dy > 0 ? h / dy : kNone);
    if (s == kNone) s = std::min(w, h) / 10.0;
    scale_ = std::clamp(s, kMinScale, kMaxScale);
  }

  // Zooms by `factor` keeping the drawing point under the pixel (px, py) where it is.
  void ZoomAbout(double factor, double px, double py) {
    const double x = FromX(px), y = FromY(py);
    scale_ = std::clamp(scale_ * factor, kMinScale, kMaxScale);
    centreX_ = x - (px - width_ / 2.0) / scale_;
    centreY_ = y + (py - height_ / 2.0) / scale_;
  }

  // Moves the drawing with the pointer by (dx, dy) pixels.
  void Pan(double dx, double dy) {
    centreX_ -= dx / scale_;
    centreY_ += dy / scale_;
  }

  // Whether any of the bounds shows on the canvas.
  bool Shows(const SceneBounds& b) const {
    return !b.empty && ToX(b.maxX) >= 0 && ToX(b.minX) <= width_ && ToY(b.minY) >= 0 &&
           ToY(b.maxY) <= height_;
  }

 private:
  int width_ = 1;
  int height_ = 1;
  double centreX_ = 0.0;
  double centreY_ = 0.0;
  double scale_ = 1.0;
};

// The entry nearest the pixel (px, py) within `tolerance` pixels, or -1. A linear pass:
// a click is rare, and 100,000 entries take well under a millisecond.
inline std::int64_t EntryNear(const PlotScene& scene, const PreviewView& view, double px, double py,
                              double tolerance) {
  std::int64_t best = -1;
  double bestSquare = tolerance * tolerance * (1.0 + 1e-9);  // the first of equals wins
  for (std::size_t k = 0; k < scene.entries.size(); ++k) {
    const double dx = view.ToX(scene.entries[k].x) - px;
    const double dy = view.ToY(scene.entries[k].y) - py;
    const double square = dx * dx + dy * dy;
    if (square < bestSquare) {
      bestSquare = square;
      best = static_cast<std::int64_t>(k);
    }
  }
  return best;
}

}  // namespace vensa
