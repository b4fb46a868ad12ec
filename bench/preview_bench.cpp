// Timing of the preview window on a coordinate list of 100,000 points: the list shown in
// the preview (the scene built, fitted and painted), then pan and zoom steps, each painted.
// Two spreads of points, along a traverse and over an area, each with the default options
// (coordinate labels) and with every kind on. Needs a display (xvfb-run -a preview_bench).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/main_form.h"
#include "app/preview_window.h"
#include "bench/window_run.h"
#include "core/coord_list.h"
#include "core/number_format.h"
#include "platform/none/no_com_platform.h"

namespace {

using namespace vensa;
using namespace vensa::bench;
using Clock = std::chrono::steady_clock;

constexpr int kRows = 100'000;
constexpr int kSteps = 20;

double Ms(Clock::time_point since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

// Row r of a traverse runs along a line; of an area, over a square of about 316 by 316.
void FillList(TextGrid& list, bool area) {
  list.SetRowCount(kRows + 1);
  std::string text;
  for (int r = 1; r <= kRows; ++r) {
    const double x = area ? (r % 317) * 10.0 + (r % 7) * 0.9 : -39525.623 + r * 0.137;
    const double y = area ? (r / 317) * 10.0 + (r % 5) * 1.1 : 60295.494 - r * 0.071;
    list.SetCell(kColName, r, "P-" + std::to_string(r));
    text.clear();
    AppendFixed(text, x, 3);
    list.SetCell(kColX, r, text);
    text.clear();
    AppendFixed(text, y, 3);
    list.SetCell(kColY, r, text);
    list.SetCell(kColZ, r, "12.500");
  }
  RenumberPlotNo(list);
}

struct Steps {
  double mean = 0.0;
  double worst = 0.0;
};

// Each step sends its event to the canvas and paints at once.
template <class Send>
Steps Time(wxWindow* canvas, Send send) {
  Steps s;
  for (int i = 0; i < kSteps; ++i) {
    const auto start = Clock::now();
    send(i);
    canvas->Update();
    const double ms = Ms(start);
    s.mean += ms / kSteps;
    s.worst = std::max(s.worst, ms);
  }
  return s;
}

void Run(TForm1& form, PreviewWindow& preview, bool area, bool everything) {
  form.RunCommand([&] {
    FormState& s = form.State();
    FillList(s.StringGrid1, area);
    for (CheckBoxState* box : {&s.CheckBox21, &s.CheckBox22, &s.CheckBox26, &s.CheckBox23})
      box->checked = everything;
  });
  Settle();
  wxWindow* canvas = preview.Canvas();

  // Shown: the scene built for a list that changed, fitted and painted (best of 3).
  double shown = 1e300, built = 1e300;
  for (int run = 0; run < 3; ++run) {
    form.State().StringGrid1.SetCell(kColName, 1, "P-1");  // a new revision, same cells
    const auto start = Clock::now();
    preview.Follow();
    built = std::min(built, Ms(start));
    preview.FitAll();
    canvas->Refresh(false);
    canvas->Update();
    shown = std::min(shown, Ms(start));
  }

  const wxPoint centre(canvas->GetClientSize().x / 2, canvas->GetClientSize().y / 2);
  wxMouseEvent press(wxEVT_LEFT_DOWN);
  press.SetPosition(centre);
  press.SetLeftDown(true);
  canvas->ProcessWindowEvent(press);
  const Steps pan = Time(canvas, [&](int i) {
    wxMouseEvent move(wxEVT_MOTION);
    move.SetLeftDown(true);
    move.SetPosition(centre + wxPoint(8 * (i + 1), 5 * (i + 1)));
    canvas->ProcessWindowEvent(move);
  });
  wxMouseEvent release(wxEVT_LEFT_UP);
  release.SetPosition(centre + wxPoint(8 * kSteps, 5 * kSteps));
  canvas->ProcessWindowEvent(release);

  preview.FitAll();
  canvas->Update();
  const Steps zoom = Time(canvas, [&](int i) {
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.SetPosition(centre + wxPoint(30, -20));
    wheel.m_wheelDelta = 120;
    wheel.m_wheelRotation = i < kSteps / 2 ? 120 : -120;  // in, then out again
    canvas->ProcessWindowEvent(wheel);
  });

  // Close enough that the labels are read (about 15 to 20 pixels high), then panned.
  for (int notch = 0; notch < 16; ++notch) {
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.SetPosition(centre);
    wheel.m_wheelDelta = 120;
    wheel.m_wheelRotation = 120;
    canvas->ProcessWindowEvent(wheel);
  }
  canvas->Update();
  canvas->ProcessWindowEvent(press);
  const Steps labelled = Time(canvas, [&](int i) {
    wxMouseEvent move(wxEVT_MOTION);
    move.SetLeftDown(true);
    move.SetPosition(centre + wxPoint(8 * (i + 1), 5 * (i + 1)));
    canvas->ProcessWindowEvent(move);
  });
  canvas->ProcessWindowEvent(release);

  std::printf(
      "%-8s %-17s scene %5.1f ms, shown (built, fitted, painted) %5.1f ms; "
      "step (mean/worst): pan %4.1f/%4.1f, zoom %4.1f/%4.1f, pan among labels "
      "%4.1f/%4.1f ms [%d entities]\n",
      area ? "area" : "traverse", everything ? "every kind" : "coordinate labels", built, shown,
      pan.mean, pan.worst, zoom.mean, zoom.worst, labelled.mean, labelled.worst,
      preview.Scene().entityCount);
}

}  // namespace

int main(int argc, char** argv) {
  return RunWithMainWindow(argc, argv, "vensa_preview_bench",
                           [](TForm1& window, const std::filesystem::path&, NoComPlatform&) {
                             TForm1* form = &window;
                             form->PreviewClick();
                             PreviewWindow& preview = *form->Preview();
                             preview.SetClientSize(800, 600);
                             Settle();
                             std::printf("%d rows, canvas %dx%d\n", kRows,
                                         preview.Canvas()->GetClientSize().x,
                                         preview.Canvas()->GetClientSize().y);
                             for (const bool area : {false, true})
                               for (const bool everything : {false, true})
                                 Run(*form, preview, area, everything);
                           });
}
