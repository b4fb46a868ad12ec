#include "state/target_cad_list.h"

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "state_test_util.h"

namespace vensa {
namespace {

TEST(TargetEntryTest, SplitsAtTheFirstTab) {
  TargetEntry e = SplitTargetEntry("GCAD 2023\tGcad.Application.23");
  EXPECT_EQ(e.name, "GCAD 2023");
  EXPECT_EQ(e.progId, "Gcad.Application.23");
  e = SplitTargetEntry("NoTab.Application");
  EXPECT_EQ(e.name, "");
  EXPECT_EQ(e.progId, "NoTab.Application");
  e = SplitTargetEntry("a\tb\tc");
  EXPECT_EQ(e.name, "a");
  EXPECT_EQ(e.progId, "b\tc");
}

TEST(TargetEntryTest, MatchingIsACaseSensitiveSubstringAfterATab) {
  const std::string line = "GCAD 2023\tGcad.Application.23";
  EXPECT_TRUE(EntryMatchesProgId(line, "Gcad.Application.23"));
  EXPECT_TRUE(EntryMatchesProgId(line, "Gcad.Application"));  // may be followed by more
  EXPECT_FALSE(EntryMatchesProgId(line, "gcad.application.23"));
  EXPECT_FALSE(EntryMatchesProgId(line, "Application.23"));  // not right after the TAB
  EXPECT_FALSE(EntryMatchesProgId("Gcad.Application.23", "Gcad.Application.23"));
}

TEST(TargetCadListTest, RoundTripsInTheEncodingItWasReadIn) {
  const std::string text = "別のCAD\tOther.Application\r\nGCAD 2023\tGcad.Application.23\r\n";
  for (TextEncoding e : {TextEncoding::Ansi, TextEncoding::Utf8, TextEncoding::Utf8Bom,
                         TextEncoding::Utf16LeBom, TextEncoding::Utf16BeBom}) {
    const std::string bytes = EncodeText(text, e);
    const TargetCadList list = ParseTargetCadList(bytes);
    EXPECT_EQ(list.encoding, e);
    ASSERT_EQ(list.lines.size(), 2u);
    EXPECT_EQ(list.lines[0], "別のCAD\tOther.Application");
    EXPECT_EQ(TargetCadListBytes(list), bytes) << static_cast<int>(e);
  }
}

TEST(TargetCadListTest, WritingEndsEveryLineAndKeepsUnrepresentableNames) {
  TargetCadList list{{"A\tX", "B\tY"}, TextEncoding::Ansi};
  EXPECT_EQ(TargetCadListBytes(list), "A\tX\r\nB\tY\r\n");
  EXPECT_EQ(ParseTargetCadList("A\tX\nB\tY").lines, list.lines);  // last line without end
  list.lines = {"한국\tK.Application", "line\r\nbreak\tZ"};
  const std::string bytes = TargetCadListBytes(list);
  EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(ParseTargetCadList(bytes).lines,
            (std::vector<std::string>{"한국\tK.Application", "line  break\tZ"}));
  EXPECT_EQ(TargetCadListBytes({{}, TextEncoding::Ansi}), "");
}

class TargetCadFileTest : public testing::ScratchDir {};

TEST_F(TargetCadFileTest, MissingFileIsNoListAndWritingCreatesIt) {
  const std::string path = PathOf("TargetCAD_APIVersion.txt");
  EXPECT_EQ(ReadTargetCadList(path), std::nullopt);
  WriteTargetCadList(path, {{"名前\tP.Q"}, TextEncoding::Ansi});
  EXPECT_EQ(ReadFileBytes(path), Utf8ToAnsi("名前\tP.Q\r\n"));
  const auto back = ReadTargetCadList(path);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->lines, std::vector<std::string>{"名前\tP.Q"});
  EXPECT_EQ(TargetCadListPathForExecutable(PathOf("vensa.exe")), path);
}

TEST_F(TargetCadFileTest, StartUpLookupNamesTheTarget) {
  FormState s = InitialFormState();
  const std::string path = PathOf("TargetCAD_APIVersion.txt");
  EXPECT_FALSE(LookUpTargetName(s, path));
  EXPECT_EQ(s.Caption, "Vensa2023");
  EXPECT_EQ(s.Edit35.text, "");

  SaveFileAtomically(path,
                     "Other CAD\tOther.Application\r\nGCAD 2023\tGcad.Application.23 x64\r\n"
                     "Second\tGcad.Application.23\r\n");
  EXPECT_TRUE(LookUpTargetName(s, path));
  EXPECT_EQ(s.Caption, "Vensa2023.8.9 [ GCAD 2023 ]");
  EXPECT_EQ(s.Edit35.text, "GCAD 2023");
  EXPECT_EQ(s.Edit36.text, "Gcad.Application.23 x64");

  s = InitialFormState();
  s.TargetProgID = "Third.Application";
  EXPECT_FALSE(ApplyTargetName(s, {"Other CAD\tOther.Application"}));
  EXPECT_EQ(s.Caption, "Vensa2023");
  s.TargetProgID = "Z";
  EXPECT_TRUE(ApplyTargetName(s, {"a\tb\tZ"}));  // the TAB before the match counts
  EXPECT_EQ(s.Edit35.text, "a\tb");
  EXPECT_EQ(s.Edit36.text, "Z");
}

}  // namespace
}  // namespace vensa
