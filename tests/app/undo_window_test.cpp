// Undo and redo in the window's lists: each kind of change on the coordinate list (read
// from the example drawing, typed, pasted, sorted, cleared) undone through the pop-up menu
// and the keys, and redone; the text list undone by the keys while it has the focus.
#include <functional>
#include <string>
#include <vector>

#include <wx/notebook.h>

#include "app/wx_clipboard.h"
#include "state/coord_list_view.h"
#include "tests/app/window_fixture.h"

namespace vensa::test {
namespace {

class UndoWindowTest : public ScriptedDialogsTest {
 protected:
  void SetUp() override {
    drawingTargetByDefault_ = true;
    OpenScripted();
    form_->OpenDrawingAtStart(VENSA_EXAMPLE_DRAWING);
    list_ = Grid("StringGrid1");
  }

  // Every cell of a list, and what its view shows of it.
  std::vector<std::string> Shown(const char* name) const {
    ListGrid* view = Grid(name);
    const TextGrid& grid = view->Grid();
    std::vector<std::string> shown{std::to_string(view->GetNumberRows())};
    for (int r = 0; r < grid.RowCount(); ++r)
      for (int c = 0; c < grid.ColCount(); ++c) shown.push_back(grid.Cell(c, r));
    return shown;
  }

  void Key(int key, int modifiers) {
    sim_.Char(key, modifiers);
    WaitForIdle();
  }

  std::string Caption(int item) { return form_->PopupMenu1Items()[item].caption; }

  ListGrid* list_ = nullptr;
};

TEST_F(UndoWindowTest, EachChangeOfTheCoordinateListIsUndoneAndRedone) {
  const std::vector<std::pair<const char*, std::function<void()>>> changes = {
      {"CADから", [&] { Click("Button4"); }},
      {"入力",
       [&] {
         ClickCell(list_, 2, 0);
         sim_.Text("Q9");
         WaitForIdle();
         Key(WXK_RETURN, 0);
       }},
      {"貼り付け",
       [&] {
         WxClipboard().SetText("p\t1\t2\r\nq\t3\t4\r\n");
         ASSERT_TRUE(form_->PopupMenu1Click("先頭セルから貼り付け（ペースト）"));
       }},
      {"並べ替え", [&] { ASSERT_TRUE(form_->PopupMenu1Click("測点名でソート")); }},
      {"クリア", [&] { ASSERT_TRUE(form_->PopupMenu1Click("表示データをすべてクリア")); }},
  };
  EXPECT_EQ(Caption(0), "元に戻す");
  EXPECT_FALSE(form_->PopupMenu1Click("元に戻す"));  // disabled: nothing to undo
  for (const auto& [step, change] : changes) {
    SCOPED_TRACE(step);
    const std::vector<std::string> before = Shown("StringGrid1");
    change();
    WaitForIdle();
    const std::vector<std::string> after = Shown("StringGrid1");
    ASSERT_NE(after, before) << step;
    ASSERT_EQ(Caption(0), std::string("元に戻す: ") + step);
    EXPECT_EQ(Caption(1), "やり直し");

    ASSERT_TRUE(form_->PopupMenu1Click(Caption(0)));
    EXPECT_EQ(Shown("StringGrid1"), before) << step;
    EXPECT_EQ(form_->State().StatusBar1[0], RowIndicatorText(form_->State().StringGrid1));
    ASSERT_EQ(Caption(1), std::string("やり直し: ") + step);
    list_->SetFocus();  // (a click here might make a double click with the last one)
    WaitForIdle();
    Key('Y', wxMOD_CONTROL);
    EXPECT_EQ(Shown("StringGrid1"), after) << step;
    Key('Z', wxMOD_CONTROL);
    EXPECT_EQ(Shown("StringGrid1"), before) << step;
    Key('Z', wxMOD_CONTROL | wxMOD_SHIFT);
    EXPECT_EQ(Shown("StringGrid1"), after) << step;
  }
  EXPECT_TRUE(dialogs_.Errors().empty()) << dialogs_.Errors().front();
}

TEST_F(UndoWindowTest, TheKeysUndoInTheListThatHasTheFocus) {
  Click("Button4");  // CADから
  Find<wxNotebook>("PageControl1")->SetSelection(3);
  WaitForIdle();
  const std::vector<std::string> texts = Shown("StringGrid2");
  const std::vector<std::string> points = Shown("StringGrid1");
  Click("Button6");  // TEXT 取得
  ASSERT_NE(Shown("StringGrid2"), texts);
  ClickCell(Grid("StringGrid2"), 0, 0);
  Key('Z', wxMOD_CONTROL);
  EXPECT_EQ(Shown("StringGrid2"), texts);
  EXPECT_EQ(Shown("StringGrid1"), points);
  EXPECT_EQ(form_->State().StringGrid1.DataRowCount(), 7);
}

// With the focus on the button just clicked, the keys act on the list of the page shown;
// a text field keeps them for its own text.
TEST_F(UndoWindowTest, AfterAButtonTheKeysUndoInTheListOfThePageShown) {
  const std::vector<std::string> points = Shown("StringGrid1");
  Click("Button4");  // CADから
  const std::vector<std::string> read = Shown("StringGrid1");
  ASSERT_NE(read, points);
  Find("Edit31")->SetFocus();
  WaitForIdle();
  Key('Z', wxMOD_CONTROL);
  EXPECT_EQ(Shown("StringGrid1"), read);
  Find("Button4")->SetFocus();
  WaitForIdle();
  Key('Z', wxMOD_CONTROL);
  EXPECT_EQ(Shown("StringGrid1"), points);
  // The current row where it was before the step, the row indicator with it.
  EXPECT_EQ(form_->State().StringGrid1.current.row, 1);
  EXPECT_EQ(form_->State().StatusBar1[0], RowIndicatorText(form_->State().StringGrid1));
  Key('Y', wxMOD_CONTROL);
  EXPECT_EQ(Shown("StringGrid1"), read);
}

}  // namespace
}  // namespace vensa::test
