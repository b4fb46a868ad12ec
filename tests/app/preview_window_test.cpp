// The preview window through the real window: what it draws lands on the pixels the list's
// coordinates give, it follows the list and the controls, picks rows, zooms, pans, saves a
// PNG and opens again where it was.
#include <cmath>
#include <fstream>
#include <iterator>

#include <wx/image.h>
#include <wx/imagpng.h>

#include "app/preview_drawing.h"
#include "app/preview_window.h"
#include "core/coord_list.h"
#include "tests/app/window_fixture.h"

namespace vensa::test {
namespace {

class PreviewWindowTest : public ScriptedDialogsTest {
 protected:
  void SetUp() override {
    OpenScripted();
    // A rectangle 100 wide, 50 high; row 4 outside the plot range.
    form_->RunCommand([this] {
      FormState& s = form_->State();
      TextGrid& list = s.StringGrid1;
      list.SetRowCount(5);
      const char* rows[4][3] = {
          {"A-1", "0", "0"}, {"A-2", "100", "0"}, {"A-3", "100", "50"}, {"B-1", "0", "50"}};
      for (int r = 1; r <= 4; ++r)
        for (int c = 0; c < 3; ++c) list.SetCell(c, r, rows[r - 1][c]);
      RenumberPlotNo(list);
      s.Edit31.text = "1-3";
      s.CheckBox4.checked = false;  // no labels: the fitted bounds are the points
    });
    form_->PreviewClick();
    preview_ = form_->Preview();
    ASSERT_NE(preview_, nullptr);
    ASSERT_TRUE(WaitUntil([this] { return preview_->IsShownOnScreen(); }));
    WaitForIdle();
    preview_->FitAll();
    WaitForIdle();
  }

  // Where a drawing point falls after a fit, computed from the canvas size alone: the
  // bounds 0..100 by 0..50 scaled into the canvas less its margin, centred, y up.
  wxPoint FittedPixel(double x, double y) const {
    const wxSize size = preview_->Canvas()->GetClientSize();
    const double margin = PreviewView::kFitMargin;
    const double scale = std::min((size.x - 2 * margin) / 100.0, (size.y - 2 * margin) / 50.0);
    return {static_cast<int>(std::lround((x - 50) * scale + size.x / 2.0)),
            static_cast<int>(std::lround(size.y / 2.0 - (y - 25) * scale))};
  }

  wxColour PixelAt(const wxPoint& p) {
    const wxImage image = preview_->Picture().ConvertToImage();
    return {image.GetRed(p.x, p.y), image.GetGreen(p.x, p.y), image.GetBlue(p.x, p.y)};
  }

  wxPoint OnScreen(const wxPoint& p) const { return preview_->Canvas()->ClientToScreen(p); }

  PreviewWindow* preview_ = nullptr;
};

TEST_F(PreviewWindowTest, FittedPointsFallOnThePixelsOfTheirCoordinates) {
  EXPECT_EQ(PixelAt(FittedPixel(0, 0)), PreviewColours::Entry());
  EXPECT_EQ(PixelAt(FittedPixel(100, 0)), PreviewColours::Entry());
  EXPECT_EQ(PixelAt(FittedPixel(100, 50)), PreviewColours::Entry());
  EXPECT_EQ(PixelAt(FittedPixel(0, 50)), PreviewColours::LeftOut());  // outside "1-3"
  EXPECT_EQ(PixelAt(FittedPixel(50, 25)), PreviewColours::Background());
  EXPECT_EQ(preview_->GetTitle(), ToWx(kPreviewTitle));
}

TEST_F(PreviewWindowTest, FollowsTheListAndTheControlsAndPicksRows) {
  // A click on the point of row 3 makes it the list's current row, marked in the preview.
  sim_.MouseMove(OnScreen(FittedPixel(100, 50)));
  WaitForIdle();
  sim_.MouseClick();
  ASSERT_TRUE(WaitUntil([this] { return Grid("StringGrid1")->GetGridCursorRow() == 2; }));
  EXPECT_EQ(form_->State().StringGrid1.current.row, 3);
  WaitForIdle();
  EXPECT_EQ(PixelAt(FittedPixel(100, 50) + wxPoint(6, 0)), PreviewColours::Current());

  // A cell typed into the list: the scene is built again, the view stays.
  Grid("StringGrid1")->GetTable()->SetValue(0, 1, "50");
  WaitForIdle();
  EXPECT_EQ(preview_->Scene().entries[0].x, 50.0);
  EXPECT_EQ(PixelAt(FittedPixel(50, 0)), PreviewColours::Entry());
  EXPECT_EQ(PixelAt(FittedPixel(0, 0)), PreviewColours::Background());

  // "POINT" ticked: drawn at once, before any command ran.
  auto* point = Find<wxCheckBox>("CheckBox22");
  point->SetValue(true);
  wxCommandEvent ticked(wxEVT_CHECKBOX, point->GetId());
  ticked.SetEventObject(point);
  point->ProcessWindowEvent(ticked);
  WaitForIdle();
  EXPECT_EQ(preview_->Scene().points.size(), 3u);
  EXPECT_EQ(PixelAt(FittedPixel(100, 0) + wxPoint(4, 0)), PreviewColours::Point());
}

TEST_F(PreviewWindowTest, AnUndoIsDrawnAsAnyOtherChange) {
  ASSERT_TRUE(form_->PopupMenu1Click("表示データをすべてクリア"));
  ASSERT_TRUE(
      WaitUntil([this] { return PixelAt(FittedPixel(100, 0)) == PreviewColours::Background(); }));
  ASSERT_TRUE(form_->PopupMenu1Click("元に戻す: クリア"));
  EXPECT_TRUE(
      WaitUntil([this] { return PixelAt(FittedPixel(100, 0)) == PreviewColours::Entry(); }));
}

TEST_F(PreviewWindowTest, WheelZoomsAboutThePointerAndDraggingPans) {
  const PreviewView& view = preview_->View();
  const wxPoint at = FittedPixel(100, 0);
  const double x = view.FromX(at.x), y = view.FromY(at.y), scale = view.Scale();
  wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
  wheel.SetPosition(at);
  wheel.m_wheelRotation = 240;
  wheel.m_wheelDelta = 120;
  preview_->Canvas()->ProcessWindowEvent(wheel);
  EXPECT_NEAR(view.Scale(), scale * 1.25 * 1.25, 1e-9);
  EXPECT_NEAR(view.FromX(at.x), x, 1e-9);
  EXPECT_NEAR(view.FromY(at.y), y, 1e-9);
  const double before = view.ToX(0);
  Drag(OnScreen({50, 50}), OnScreen({90, 70}));
  EXPECT_NEAR(view.ToX(0), before + 40, 1e-6);
  EXPECT_EQ(form_->State().StringGrid1.current.row, 1);  // a drag picks no row

  preview_->Canvas()->SetFocus();
  sim_.Char('F');
  WaitForIdle();
  EXPECT_EQ(PixelAt(FittedPixel(0, 0)), PreviewColours::Entry());
}

TEST_F(PreviewWindowTest, SavesItsPictureAsPngAndOpensAgainWhereItWas) {
  const std::string png = dir_.File("preview.png");
  dialogs_.QueueFileName(png);
  preview_->SavePng();
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
  const wxImage saved(ToWx(png), wxBITMAP_TYPE_PNG);
  ASSERT_TRUE(saved.IsOk());
  EXPECT_EQ(saved.GetSize(), preview_->Canvas()->GetClientSize());
  EXPECT_TRUE(dialogs_.Errors().empty());

  preview_->SetSize(40, 30, 500, 360);
  WaitForIdle();
  const wxRect placed = preview_->GetRect();
  Close();
  std::ifstream ini(dir_.File("vensa.ini"), std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(ini), {}};
  EXPECT_NE(text.find("[Preview]\r\nOpen=1\r\n"), std::string::npos) << text;

  Open();
  ASSERT_TRUE(WaitUntil([this] { return form_->Preview() && form_->Preview()->IsShown(); }));
  EXPECT_EQ(form_->Preview()->GetSize(), placed.GetSize());
}

}  // namespace
}  // namespace vensa::test
