// The window without a running spreadsheet: "Exceｌから" and the two "Excelへ" on
// spreadsheet files chosen in the (scripted) file dialogs.
#include <string>
#include <vector>

#include "core/file_io.h"
#include "tests/app/window_fixture.h"

namespace vensa::test {
namespace {

class SheetFileWindowTest : public ScriptedDialogsTest {
 protected:
  void SetUp() override { OpenScripted(); }

  std::vector<std::string> Rows() const {
    const TextGrid& list = form_->State().StringGrid1;
    std::vector<std::string> rows;
    for (int r = 1; r <= list.DataRowCount(); ++r) {
      rows.push_back(list.Cell(0, r) + "|" + list.Cell(1, r) + "|" + list.Cell(2, r));
    }
    return rows;
  }
};

TEST_F(SheetFileWindowTest, ListsFromAndToCsvAndXlsxFiles) {
  const std::vector<std::string> expected = {"境界1|-32836.454|-24010.239", "\"A,1\"|12.5|-3",
                                             "001|0.001|2"};
  dialogs_.QueueFileName(dir_.Write("in.csv",
                                    "\xEF\xBB\xBF境界1,-32836.454,-24010.239\r\n"
                                    "\"\"\"A,1\"\"\",12.500,-3\r\n"
                                    "001,1e-3,2\r\n"
                                    ",,\r\nafter,1,1\r\n"));
  Click("Button1");  // Exceｌから: up to the first empty X or Y
  EXPECT_EQ(Rows(), expected);

  const std::string csv = dir_.File("out.csv");
  const std::string xlsx = dir_.File("out.xlsx");
  dialogs_.QueueFileName(csv);
  Click("Button5");  // Excelへ
  EXPECT_EQ(
      ReadFileBytes(csv),
      "\xEF\xBB\xBF境界1,-32836.454,-24010.239\r\n\"\"\"A,1\"\"\",12.5,-3\r\n001,0.001,2\r\n");
  dialogs_.QueueFileName(xlsx);
  Click("Button5");
  dialogs_.QueueFileName(xlsx);
  Click("Button1");
  EXPECT_EQ(Rows(), expected);
  EXPECT_TRUE(dialogs_.Errors().empty()) << dialogs_.Errors().front();
}

}  // namespace
}  // namespace vensa::test
