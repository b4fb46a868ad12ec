// What the window's preview draws: the plot "CADへ" would write now, as a scene, and the
// input that decides it, so that the preview builds the scene again only when that changed.
#pragma once

#include <cstdint>
#include <vector>

#include "dxf/plot.h"
#include "dxf/plot_scene.h"
#include "state/form_state.h"

namespace vensa {

// Everything the plot is built from besides the list's cells: compared with the input of
// the scene shown, it says whether the scene must be built again.
struct PlotPreviewInput {
  std::uint64_t listRevision = 0;
  PlotOptions options;
  std::vector<PlotParcel> parcels;
  double scale = 1.0;

  friend bool operator==(const PlotPreviewInput&, const PlotPreviewInput&) = default;
};

// The coordinate list's revision, the plot's options and parcels as the form holds them,
// and the drawing scale the plot would take.
PlotPreviewInput PlotPreviewInputFromForm(const FormState& state, double scale);

// Reordering by nearness takes time that grows with the square of the rows: past this many
// rows the preview says so instead of holding the window while it reorders.
inline constexpr int kPreviewReorderRowLimit = 5'000;
inline constexpr char kPreviewReorderTooLongMessage[] =
    "行が多いため「2点目以降座標順」はプレビューしません";

// The scene of "CADへ" on the form's coordinate list with `input`. A list not in use gives
// an empty scene noting kListNotInUseMessage, a size no drawing can take one noting the
// size's error: the preview says why it is empty, as the plot would.
PlotScene PlotPreviewScene(const FormState& state, const PlotPreviewInput& input);

}  // namespace vensa
