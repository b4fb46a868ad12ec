// The list grids in the window: cell drawing, the current cell of the coordinate list,
// the editing keys, column dragging and the pop-up menu, driven through the display.
#include <wx/dcmemory.h>
#include <wx/testing.h>

#include "app/about_box.h"

#include "app/cell_renderers.h"
#include "app/wx_clipboard.h"
#include "tests/app/window_fixture.h"

namespace vensa::test {
namespace {

class GridWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    Open();
    list_ = Grid("StringGrid1");
  }

  // The coordinate list with these names and, for row r, X = r * 10 and Y = r * 100.
  void ShowList(const std::vector<std::string>& names) {
    TextGrid& grid = form_->State().StringGrid1;
    grid.SetRowCount(static_cast<int>(names.size()) + 1);
    for (int r = 1; r <= static_cast<int>(names.size()); ++r) {
      grid.SetCell(0, r, names[r - 1]);
      grid.SetCell(1, r, std::to_string(r * 10));
      grid.SetCell(2, r, std::to_string(r * 100));
      grid.SetCell(4, r, std::to_string(r));
    }
    form_->ShowState();
    WaitForIdle();
  }

  std::string Names() const {
    std::string names;
    const TextGrid& grid = form_->State().StringGrid1;
    for (int r = 1; r < grid.RowCount(); ++r) names += (r > 1 ? "," : "") + grid.Cell(0, r);
    return names;
  }

  void Key(int key, int modifiers) {
    sim_.Char(key, modifiers);
    WaitForIdle();
  }

  ListGrid* list_ = nullptr;
};

// The colour in the middle of a cell as its renderer draws it.
wxColour DrawnBackground(ListGrid* grid, int row, int col) {
  wxBitmap bitmap(40, 19);
  wxMemoryDC dc(bitmap);
  const wxGridCellAttrPtr attr(new wxGridCellAttr(*wxBLACK, *wxWHITE, grid->GetDefaultCellFont(),
                                                  wxALIGN_LEFT, wxALIGN_CENTRE));
  const wxGridCellRendererPtr renderer(grid->GetCellRenderer(row, col));
  renderer->Draw(*grid, *attr, dc, {0, 0, 40, 19}, row, col, false);
  wxColour colour;
  dc.GetPixel(2, 2, &colour);
  return colour;
}

TEST_F(GridWindowTest, PlotNoCellsOutsideThePlotRangeAreGrey) {
  ShowList({"a", "b", "c", "d", "e"});
  Find<wxTextCtrl>("Edit31")->SetValue("2-3");
  std::string shades;
  for (int row = 0; row < 5; ++row)
    shades += DrawnBackground(list_, row, 4) == wxColour(128, 128, 128) ? 'g' : 'w';
  EXPECT_EQ(shades, "gwwgg");
  Find<wxTextCtrl>("Edit31")->SetValue(" ");
  EXPECT_EQ(DrawnBackground(list_, 0, 4), *wxWHITE);
}

TEST_F(GridWindowTest, CurrentCellNeverRestsInPlotNo) {
  ShowList({"a", "b", "c"});
  sim_.MouseMove(CellCentre(list_, 1, 4));
  WaitForIdle();
  sim_.MouseClick();
  ASSERT_TRUE(WaitUntil([&] { return list_->GetGridCursorRow() == 1; }));
  EXPECT_EQ(list_->GetGridCursorCol(), 0);
  ASSERT_TRUE(WaitUntil([&] { return form_->State().StatusBar1[0] == " 2 / 3"; }));
}

TEST_F(GridWindowTest, EditingKeysOnTheCoordinateList) {
  ShowList({"a", "b", "c", "d"});
  ClickCell(list_, 1, 0);
  Key(WXK_DELETE, wxMOD_SHIFT);
  EXPECT_EQ(Names(), "a,c,d");
  EXPECT_EQ(form_->State().StatusBar1[0], " 2 / 3");
  Key(WXK_INSERT, wxMOD_SHIFT);
  EXPECT_EQ(Names(), "a,,c,d");
  EXPECT_EQ(list_->GetNumberRows(), 4);

  // A block dragged over rows 1-2 (view rows 0-1), columns 0-1: copy, cut, paste.
  Drag(CellCentre(list_, 0, 0), CellCentre(list_, 1, 1));
  ASSERT_TRUE(list_->IsInSelection(1, 1));
  Key('C', wxMOD_CONTROL);
  EXPECT_EQ(WxClipboard().GetText(), "a\t10\r\n\t\r\n");
  Key(WXK_DELETE, 0);
  EXPECT_EQ(Names(), ",,c,d");
  EXPECT_EQ(form_->State().StringGrid1.Cell(1, 1), "");

  WxClipboard().SetText("x\r\ny\r\n");
  Drag(CellCentre(list_, 0, 0), CellCentre(list_, 2, 0));
  Key('V', wxMOD_CONTROL);
  EXPECT_EQ(Names(), "x,y,x,d");
  Key('X', wxMOD_CONTROL);
  EXPECT_EQ(WxClipboard().GetText(), "x\r\ny\r\nx\r\n");
  EXPECT_EQ(Names(), ",,,d");
}

TEST_F(GridWindowTest, DraggedColumnTakesItsCellsAlong) {
  ShowList({"a", "b"});
  wxWindow* labels = list_->GetGridColLabelWindow();
  auto labelCentre = [&](int col) {
    const wxRect r = list_->CellToRect(0, col);
    return labels->ClientToScreen({r.x + r.width / 2, list_->GetColLabelSize() / 2});
  };
  Drag(labelCentre(1), labelCentre(3) + wxPoint(list_->GetColSize(3) / 2 - 2, 0));
  ASSERT_TRUE(WaitUntil([&] { return form_->State().StringGrid1.Cell(1, 0) != " X座標"; }));
  const TextGrid& grid = form_->State().StringGrid1;
  int xAt = -1;
  for (int col = 0; col < 5; ++col) {
    if (grid.Cell(col, 0) == " X座標") xAt = col;
    EXPECT_EQ(list_->GetColAt(col), col);  // positions and columns agree again
  }
  ASSERT_GT(xAt, 1);
  EXPECT_EQ(grid.Cell(xAt, 2), "20");
  EXPECT_EQ(grid.Cell(1, 2), "200");  // Y moved left into X's place
}

// The about box as it opens: its caption, size and texts; closed with its OK button.
class ExpectAboutBox : public wxExpectModalBase<TAboutBox, ExpectAboutBox> {
 public:
  explicit ExpectAboutBox(std::string& seen) : seen_(seen) {}

 protected:
  int OnInvoked(TAboutBox* box) const override {
    const wxSize size = box->GetClientSize();
    seen_ =
        box->GetTitle().utf8_string() + " " + std::to_string(size.x) + "x" + std::to_string(size.y);
    for (const char* name : {"ProductName", "Version", "OKButton"})
      seen_ += " " + wxWindow::FindWindowByName(name, box)->GetLabel().utf8_string();
    return wxID_OK;
  }

 private:
  std::string& seen_;
};

TEST_F(GridWindowTest, PopUpMenuItemsInOrderAndTheirEffects) {
  std::string captions;
  for (const TForm1::PopupItem& item : form_->PopupMenu1Items())
    captions += std::string(item.caption ? item.caption : "-") + "\n";
  EXPECT_EQ(captions,
            "元に戻す\nやり直し\n-\n選択範囲をコピー\nすべてコピー\n-\n"
            "現在セルから貼り付け（ペースト）\n"
            "先頭セルから貼り付け（ペースト）\n-\n選択範囲をクリア\n表示データをすべてクリア\n"
            "内部データをすべてクリア\n-\n測点名でソート\n測点名の番号のみでソート\n-\n"
            "同じ行データを整理\n-\n座標求積...\n地図 (緯度経度)...\n"
            "プレビュー\n-\nバージョン情報\n");

  ShowList({"b2", "a1"});
  ASSERT_TRUE(form_->PopupMenu1Click("すべてコピー"));
  EXPECT_EQ(WxClipboard().GetText(), "b2\t10\t100\r\na1\t20\t200\r\n");
  ASSERT_TRUE(form_->PopupMenu1Click("測点名でソート"));
  EXPECT_EQ(Names(), "a1,b2");
  WxClipboard().SetText("p\r\nq\r\nr\r\n");
  ClickCell(list_, 1, 0);
  ASSERT_TRUE(form_->PopupMenu1Click("現在セルから貼り付け（ペースト）"));
  EXPECT_EQ(Names(), "a1,p,q,r");
  EXPECT_EQ(form_->State().StatusBar1[0], " 2 / 4");
  ASSERT_TRUE(form_->PopupMenu1Click("表示データをすべてクリア"));
  EXPECT_EQ(list_->GetNumberRows(), 1);
  EXPECT_EQ(list_->GetCellValue(0, 4), "1");

  std::string about;
  wxTEST_DIALOG(form_->PopupMenu1Click("バージョン情報"), ExpectAboutBox(about));
  EXPECT_EQ(about, "バージョン情報 227x164 Vensa2023 Ver, 2023.8.9 OK");
}

}  // namespace
}  // namespace vensa::test
