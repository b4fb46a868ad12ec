#include "core/text.h"

#include <gtest/gtest.h>

namespace vensa {
namespace {

TEST(TrimBlanks, RemovesSpacesAndControlCharactersOnly) {
  EXPECT_EQ(TrimBlanks(" \t A B \r\n"), "A B");
  EXPECT_EQ(TrimBlanks("   "), "");
  // A full-width space is a character of the name, not a blank.
  EXPECT_EQ(TrimBlanks("\xE3\x80\x80P1"), "\xE3\x80\x80P1");
  EXPECT_EQ(TrimLeftBlanks("  a "), "a ");
  EXPECT_EQ(TrimRightBlanks("  a "), "  a");
}

TEST(CompareUtf16, OrdersByCodeUnitsNotBytes) {
  EXPECT_LT(CompareUtf16("A", "B"), 0);
  EXPECT_LT(CompareUtf16("A", "AB"), 0);
  EXPECT_EQ(CompareUtf16("測点", "測点"), 0);
  EXPECT_GT(CompareUtf16("a", "B"), 0);  // case counts
  // U+FF21 (full-width A) is above every surrogate in UTF-16, but a supplementary
  // character (U+20B9F) is below it: UTF-8 byte order says the opposite.
  const std::string fullWidthA = "\xEF\xBC\xA1";
  const std::string supplementary = "\xF0\xA0\xAE\x9F";
  EXPECT_LT(CompareUtf16(supplementary, fullWidthA), 0);
  EXPECT_GT(CompareUtf16(fullWidthA, supplementary), 0);
  EXPECT_LT(CompareUtf16("P" + supplementary, "P" + fullWidthA), 0);
}

TEST(SplitLines, AcceptsEveryLineEnd) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
  EXPECT_EQ(SplitLines("a\n\nb\n"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("\r\r\n"), (Lines{"", ""}));
}

TEST(IsValidUtf8, RejectsMalformedSequences) {
  EXPECT_TRUE(IsValidUtf8("plain"));
  EXPECT_TRUE(IsValidUtf8("測点\xEF\xBF\xBD"));
  EXPECT_FALSE(IsValidUtf8("\x82\xA0"));          // Shift_JIS あ
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xE6\xB8"));          // cut short
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
}

TEST(FirstLineThatIsNoText, FindsTheLineOfTheFirstControlCharacterOrBadByte) {
  struct Case {
    std::string text;
    std::size_t line;
  };
  const Case cases[] = {
      {"A\t1\t2\r\n\r\n測点\t3\rlast", 0},
      {"", 0},
      {std::string("A\t1\r\nB\0\t2\r\n", 11), 2},
      {"A\nB\nC\x1b[0m\n", 3},
      {"A\r\n\x7f", 2},
      {"ok\r\n\xff\xfe\r\n", 2},
      {"\xe6\xb8\xac\r\xe6\xb8", 2},  // a character cut off
  };
  for (const Case& c : cases) EXPECT_EQ(FirstLineThatIsNoText(c.text), c.line) << c.text;
}

TEST(LineBreaksToBlanks, KeepsEverythingElse) {
  EXPECT_EQ(LineBreaksToBlanks("A\r\nB\nC"), "A  B C");
}

}  // namespace
}  // namespace vensa

namespace vensa {
namespace {

TEST(AsciiCase, OnlyAsciiLettersChangeCase) {
  EXPECT_EQ(AsciiUpper("Gcad.Application.23"), "GCAD.APPLICATION.23");
  EXPECT_EQ(AsciiLower("TextSize"), "textsize");
  EXPECT_EQ(AsciiUpper("ｶﾅａ測点"), "ｶﾅａ測点");  // full-width letters and kana stay
  EXPECT_TRUE(EqualsIgnoringAsciiCase("ketasuu", "Ketasuu"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("key", "keys"));
  EXPECT_TRUE(EndsWithIgnoringAsciiCase("field.SIM", ".sim"));
  EXPECT_FALSE(EndsWithIgnoringAsciiCase("sim", ".sim"));
}

}  // namespace
TEST(QuotedExcerpt, CutsLongTextsBeforeACharacterAndShowsControlsAsQuestionMarks) {
  const std::string kanji = "測";  // three bytes
  const std::pair<std::string, std::string> cases[] = {
      {"12.5", "12.5"},
      {std::string(40, '1'), std::string(40, '1')},
      {std::string(10'000'000, '1'), std::string(40, '1') + "..."},
      // 13 characters are 39 bytes: the 14th would be cut inside.
      {[&] {
         std::string t;
         for (int i = 0; i < 20; ++i) t += kanji;
         return t;
       }(),
       [&] {
         std::string t;
         for (int i = 0; i < 13; ++i) t += kanji;
         return t + "...";
       }()},
      {std::string("a\tb\nc\0d", 7), "a?b?c?d"},
      {"\xff\xfe", "??"},
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(QuotedExcerpt(text), shown);
}

}  // namespace vensa
