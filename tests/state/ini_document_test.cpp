#include "state/ini_document.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "state_test_util.h"

namespace vensa {
namespace {

using testing::ExpectSameLines;

TEST(IniDocumentTest, NamesAndValuesAreTrimmedAndMatchWithoutCase) {
  const IniDocument doc("[ Excel ]\n  ColN =  7  \r\n[textsize]\rketasuu=4\n");
  EXPECT_EQ(doc.Get("Excel", "ColN"), "7");
  EXPECT_EQ(doc.Get("EXCEL", "coln"), "7");
  EXPECT_EQ(doc.Get("TextSize", "Ketasuu"), "4");
  EXPECT_EQ(doc.Get("Excel", "Ketasuu"), std::nullopt);
  EXPECT_EQ(doc.Get("Form", "Left"), std::nullopt);
}

TEST(IniDocumentTest, CommentsGarbageAndKeysOutsideSectionsAreNeverRead) {
  const IniDocument doc(
      "ColN=1\n[Excel\n[Excel]\n;ColX=5\nno equals sign\n=orphan\nDlm=\nHead=\"  a \"\n"
      "Tail='b'\nOne=\"\n");
  EXPECT_EQ(doc.Get("Excel", "ColX"), std::nullopt);
  EXPECT_EQ(doc.Get("Excel", "ColN"), std::nullopt);
  EXPECT_EQ(doc.Get("Excel", "Dlm"), "");
  EXPECT_EQ(doc.Get("Excel", "Head"), "  a ");  // quotes keep the blanks
  EXPECT_EQ(doc.Get("Excel", "Tail"), "b");
  EXPECT_EQ(doc.Get("Excel", "One"), "\"");
}

TEST(IniDocumentTest, ARunOfEmptyLinesIsHeldAsOneLineAndWrittenBackAsItWas) {
  const std::string text = std::string(100000, '\n') + "[S]\n \r\n\r\nk=v\n\n";
  IniDocument doc(text);
  EXPECT_EQ(doc.Lines().size(), 5u);  // blanks, [S], blanks, k=v, blank
  EXPECT_EQ(doc.Get("S", "k"), "v");
  doc.Set("S", "k", "w");
  doc.Set("S", "new", "x");
  const std::string out = doc.Text();
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 100000 + 6);
  EXPECT_EQ(out.substr(out.size() - 16), "\r\nk=w\r\nnew=x\r\n\r\n");
}

TEST(IniDocumentTest, FirstSectionAndFirstKeyWin) {
  IniDocument doc("[A]\nk=1\nk=2\n[a]\nk=3\nj=4\n");
  EXPECT_EQ(doc.Get("A", "k"), "1");
  EXPECT_EQ(doc.Get("A", "j"), std::nullopt);
  doc.Set("A", "K", "9");
  doc.Set("A", "j", "5");
  ExpectSameLines(doc.Text(), {"[A]", "k=9", "k=2", "j=5", "[a]", "k=3", "j=4"});
}

TEST(IniDocumentTest, SetAddsMissingKeysAfterTheSectionsLastKey) {
  IniDocument doc("junk\n[S]\nx=1\n; note\n\n[T]\n");
  doc.Set("S", "y", "2");
  doc.Set("T", "z", "3");
  doc.Set("U", "w", "4");
  ExpectSameLines(doc.Text(),
                  {"junk", "[S]", "x=1", "y=2", "; note", "", "[T]", "z=3", "[U]", "w=4"});
}

TEST(IniDocumentTest, ValuesThatWouldChangeOnReadingAreQuoted) {
  IniDocument doc;
  for (const std::string v : {" ", " a", "b ", "\"q\"", "'q'", "plain", "", "x\"y"}) {
    doc.Set("S", "k", v);
    EXPECT_EQ(IniDocument(doc.Text()).Get("S", "k"), v) << "[" << v << "]";
  }
  doc.Set("S", "k", "two\r\nlines");
  EXPECT_EQ(IniDocument(doc.Text()).Get("S", "k"), "two  lines");
  EXPECT_EQ(doc.Lines().size(), 2u);
}

}  // namespace
}  // namespace vensa
