#include "state/target_list_box.h"

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "state_test_util.h"

namespace vensa {
namespace {

using Lines = std::vector<std::string>;

TargetListBox Shown(const Lines& lines, std::string_view progId) {
  TargetListBox box;
  TargetListShow(box, {lines, TextEncoding::Ansi}, progId);
  return box;
}

TEST(TargetListBoxTest, ShowingSortsWithoutCaseAndSelectsTheTarget) {
  TargetListBox box = Shown({"zcad\tZcad.Application", "GCAD 2023\tGcad.Application.23",
                             "Other CAD\tOther.Application", "b\tB"},
                            "Gcad.Application");
  EXPECT_EQ(box.ListBox1, (Lines{"b\tB", "GCAD 2023\tGcad.Application.23",
                                 "Other CAD\tOther.Application", "zcad\tZcad.Application"}));
  EXPECT_EQ(box.ItemIndex, 1);
  EXPECT_EQ(box.Edit1, "GCAD 2023");
  EXPECT_EQ(box.Edit2, "Gcad.Application.23");

  box.Edit1 = "typed";
  TargetListShow(box, {{"X\tY"}, TextEncoding::Utf8Bom}, "Nothing");
  EXPECT_EQ(box.ItemIndex, -1);
  EXPECT_EQ(box.Edit1, "typed");  // no match keeps the boxes
  EXPECT_EQ(box.fileEncoding, TextEncoding::Utf8Bom);
}

TEST(TargetListBoxTest, ClickOnALineWithoutTab) {
  TargetListBox box = Shown({"Plain.Application"}, "none");
  TargetListClick(box, 0);
  EXPECT_EQ(box.Edit1, "");
  EXPECT_EQ(box.Edit2, "Plain.Application");
  TargetListClick(box, 5);  // outside the list: nothing
  EXPECT_EQ(box.ItemIndex, 0);
}

TEST(TargetListBoxTest, AddingTakesTheSortedPlaceAndAcceptsDuplicates) {
  TargetListBox box = Shown({"Alpha\tA", "Gamma\tG"}, "none");
  box.Edit1 = "beta";
  box.Edit2 = "B";
  TargetListAdd(box);
  EXPECT_EQ(box.ListBox1, (Lines{"Alpha\tA", "beta\tB", "Gamma\tG"}));
  EXPECT_EQ(box.ItemIndex, 1);
  box.Edit1 = "BETA";
  TargetListAdd(box);  // equal without case: the first such entry is selected
  EXPECT_EQ(box.ListBox1, (Lines{"Alpha\tA", "beta\tB", "BETA\tB", "Gamma\tG"}));
  EXPECT_EQ(box.ItemIndex, 1);
  EXPECT_EQ(box.Edit1, "beta");
  TargetListAdd(box);
  EXPECT_EQ(std::count(box.ListBox1.begin(), box.ListBox1.end(), "beta\tB"), 2);
}

TEST(TargetListBoxTest, DeletingSelectsTheNextOrThePreviousEntry) {
  TargetListBox box = Shown({"a\t1", "b\t2", "c\t3"}, "2");
  EXPECT_TRUE(TargetListDelete(box));
  EXPECT_EQ(box.ItemIndex, 1);
  EXPECT_EQ(box.Edit1, "c");
  EXPECT_TRUE(TargetListDelete(box));  // the last one: the one before it
  EXPECT_EQ(box.ItemIndex, 0);
  EXPECT_EQ(box.Edit1, "a");
  EXPECT_TRUE(TargetListDelete(box));
  EXPECT_TRUE(box.ListBox1.empty());
  EXPECT_EQ(box.ItemIndex, -1);
  EXPECT_EQ(box.Edit1, "");
  EXPECT_EQ(box.Edit2, "");
  EXPECT_FALSE(TargetListDelete(box));
}

TEST(TargetListBoxTest, ChangingKeepsThePlaceAndNeedsASelection) {
  TargetListBox box = Shown({"a\t1", "b\t2"}, "none");
  box.Edit1 = "zz";
  EXPECT_FALSE(TargetListChange(box));
  TargetListClick(box, 0);
  box.Edit1 = "zz";
  box.Edit2 = "9";
  EXPECT_TRUE(TargetListChange(box));
  EXPECT_EQ(box.ListBox1, (Lines{"zz\t9", "b\t2"}));
  EXPECT_EQ(box.ItemIndex, 0);
}

TEST(TargetListBoxTest, ConfirmingTakesTheEditBoxes) {
  TargetListBox box = Shown({"GCAD 2023\tGcad.Application.23"}, "Gcad.Application.23");
  box.Edit2 = "Typed.Application";  // never added: taken as typed
  FormState s = InitialFormState();
  TargetListConfirm(box, s);
  EXPECT_EQ(s.Caption, "Vensa2023.8.9 [ GCAD 2023 ]");
  EXPECT_EQ(s.TargetProgID, "Typed.Application");
  EXPECT_EQ(s.Edit35.text, "GCAD 2023");
  EXPECT_EQ(s.Edit36.text, "Typed.Application");
}

class TargetListFileTest : public testing::ScratchDir {};

TEST_F(TargetListFileTest, ShowReadsAndSaveWritesTheDisplayedOrder) {
  const std::string path = PathOf("TargetCAD_APIVersion.txt");
  TargetListBox box;
  box.Edit1 = "kept";
  EXPECT_FALSE(TargetListShowFile(box, path, "x"));
  EXPECT_EQ(box.Edit1, "kept");
  SaveFileAtomically(path, "\xEF\xBB\xBFzeta\tZ\r\nalpha\tA\r\n");
  EXPECT_TRUE(TargetListShowFile(box, path, "Z"));
  EXPECT_EQ(box.Edit1, "zeta");
  SaveTargetList(box, path);
  EXPECT_EQ(ReadFileBytes(path),
            "\xEF\xBB\xBF"
            "alpha\tA\r\nzeta\tZ\r\n");
  while (TargetListDelete(box)) {
  }
  SaveTargetList(box, path);
  EXPECT_EQ(ReadFileBytes(path), "\xEF\xBB\xBF");
}

}  // namespace
}  // namespace vensa
