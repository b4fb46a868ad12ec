// Timing of the window on a long list: a SIMA read of 100,000 points shown in the
// coordinate list (read, grid told its new row count, painted), then scrolling to the
// last row and back, each painted. Needs a display (xvfb-run -a window_bench).
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/main_form.h"
#include "bench/window_run.h"
#include "core/number_format.h"
#include "platform/none/no_com_platform.h"
#include "sima/sima_reader.h"

namespace {

using namespace vensa;
using namespace vensa::bench;
using Clock = std::chrono::steady_clock;

constexpr int kRecords = 100'000;

std::string SampleFile() {
  std::string text = "G00,03,bench,\r\nA00,\r\n";
  for (int i = 1; i <= kRecords; ++i) {
    const std::string number = std::to_string(i);
    text += "A01," + number + ",FK" + number + ",";
    AppendFixed(text, -39525.623 + i * 0.137, 3);
    text += ",";
    AppendFixed(text, 60295.494 - i * 0.071, 3);
    text += ",12.500,\r\n";
  }
  return text + "A99,\r\n";
}

double Ms(Clock::time_point since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
  return RunWithMainWindow(
      argc, argv, "vensa_window_bench",
      [](TForm1& window, const std::filesystem::path&, NoComPlatform&) {
        TForm1* form = &window;
        auto* grid = dynamic_cast<wxGrid*>(wxWindow::FindWindowByName("StringGrid1", form));
        const std::string file = SampleFile();

        auto start = Clock::now();
        form->RunCommand([&] {
          FormState& s = form->State();
          LoadSimaBytes(file, {s.CheckBox13.checked, s.CheckBox12.checked}, s.StringGrid3,
                        s.StringGrid1);
        });
        form->Update();
        const double shown = Ms(start);

        start = Clock::now();
        grid->MakeCellVisible(kRecords - 1, 0);
        grid->Update();
        grid->MakeCellVisible(0, 0);
        grid->Update();
        const double scrolled = Ms(start);

        std::printf("rows shown: %d\n", grid->GetNumberRows());
        std::printf("SIMA read of %d points shown in the coordinate list: %.1f ms\n", kRecords,
                    shown);
        std::printf("scrolled to the last row and back, painted: %.1f ms\n", scrolled);
      });
}
