#include "core/encoding.h"

#include <gtest/gtest.h>

namespace vensa {
namespace {

const std::string kSokuten = "測点";                  // UTF-8
const std::string kSokutenSjis = "\x91\xAA\x93\x5F";  // the same in CP932

TEST(AnsiCodePage, RoundTripsJapaneseText) {
  EXPECT_EQ(Utf8ToAnsi(kSokuten), kSokutenSjis);
  EXPECT_EQ(AnsiToUtf8(kSokutenSjis), kSokuten);
  EXPECT_EQ(AnsiToUtf8("\xBA\xDE"), "ｺﾞ");  // half-width kana are single bytes
  EXPECT_EQ(Utf8ToAnsi("ABC"), "ABC");
  EXPECT_TRUE(FitsAnsi("測点名レイヤ"));
}

TEST(AnsiCodePage, UnmappableCharactersBecomeQuestionMarks) {
  // U+00E9 and an emoji have no place in CP932; the rest of the text survives.
  EXPECT_EQ(Utf8ToAnsi("caf\xC3\xA9-\xF0\x9F\x98\x80-" + kSokuten), "caf?-?-" + kSokutenSjis);
  EXPECT_FALSE(FitsAnsi("caf\xC3\xA9"));
  // A sequence cut short is one "?" and never takes the line end after it along.
  EXPECT_EQ(Utf8ToAnsi("A\xE6\xB8\r\n" + kSokuten), "A?\r\n" + kSokutenSjis);
  // A lead byte without its trail byte is no character.
  EXPECT_EQ(AnsiToUtf8("A\x91"), "A\xEF\xBF\xBD");
}

TEST(DecodeText, ByteOrderMarksSelectTheEncoding) {
  auto d = DecodeText("\xEF\xBB\xBF" + kSokuten);
  EXPECT_EQ(d.text, kSokuten);
  EXPECT_EQ(d.encoding, TextEncoding::Utf8Bom);

  d = DecodeText(std::string("\xFF\xFE\x2C\x6E\xB9\x70", 6));
  EXPECT_EQ(d.text, kSokuten);
  EXPECT_EQ(d.encoding, TextEncoding::Utf16LeBom);

  d = DecodeText(std::string("\xFE\xFF\x6E\x2C\x70\xB9", 6));
  EXPECT_EQ(d.text, kSokuten);
  EXPECT_EQ(d.encoding, TextEncoding::Utf16BeBom);
}

TEST(DecodeText, WithoutBomValidUtf8IsUtf8AndTheRestIsAnsi) {
  auto d = DecodeText("A01,1," + kSokuten);
  EXPECT_EQ(d.encoding, TextEncoding::Utf8);
  EXPECT_EQ(d.text, "A01,1," + kSokuten);

  d = DecodeText("A01,1," + kSokutenSjis);
  EXPECT_EQ(d.encoding, TextEncoding::Ansi);
  EXPECT_EQ(d.text, "A01,1," + kSokuten);

  d = DecodeText("plain ascii");
  EXPECT_EQ(d.encoding, TextEncoding::Ansi);
}

TEST(DecodeText, BrokenUtf16IsReplacedNotDropped) {
  // A lone high surrogate and an odd last byte.
  const auto d = DecodeText(std::string("\xFF\xFE\x41\x00\x00\xD8\x42\x00\x43", 9));
  EXPECT_EQ(d.text,
            "A\xEF\xBF\xBD"
            "B\xEF\xBF\xBD");
}

TEST(EncodeText, RoundTripsEveryEncoding) {
  const std::string text = "G00,01,\r\n" + kSokuten + "\xF0\xA0\xAE\x9F\r\n";
  for (TextEncoding e : {TextEncoding::Utf8, TextEncoding::Utf8Bom, TextEncoding::Utf16LeBom,
                         TextEncoding::Utf16BeBom}) {
    const auto d = DecodeText(EncodeText(text, e));
    EXPECT_EQ(d.text, text);
    EXPECT_EQ(d.encoding, e);
  }
  EXPECT_EQ(EncodeText(kSokuten, TextEncoding::Ansi), kSokutenSjis);
}

}  // namespace
}  // namespace vensa
