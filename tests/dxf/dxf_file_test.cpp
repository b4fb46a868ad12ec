#include "dxf/dxf_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/encoding.h"
#include "core/error.h"
#include "core/file_io.h"
#include "dxf/dxf_fragments.h"
#include "tests/support/temp_dir.h"

namespace vensa {
namespace {

TEST(EncodeDxf, JapaneseLayerInCp932WithoutByteOrderMark) {
  DxfBuilder out;
  WriteDxfHeader(out);
  WriteEntitiesOpener(out);
  WritePoint(out, "測点名レイヤ", DxfPoint({1, 2, 0}));
  WriteDxfClosing(out);
  const std::string bytes = EncodeDxf(out.Take());
  EXPECT_EQ(bytes.substr(0, 5), "  0\r\n");  // no byte-order mark
  EXPECT_NE(bytes.find("  8\r\n\x91\xAA\x93\x5F\x96\xBC\x83\x8C\x83\x43\x83\x84\r\n 10\r\n"),
            std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 10), "  0\r\nEOF\r\n");
}

TEST(EncodeDxf, AsciiTextStaysAsItIs) {
  const std::string text = "  0\r\nSECTION\r\n  8\r\nVENSA_PLINE\r\n";
  EXPECT_EQ(EncodeDxf(text), text);
  EXPECT_EQ(EncodeDxf(""), "");
}

// The text is converted run by run where it stands; the result must be what converting
// the whole text gives, wherever the runs fall and whether the bytes shrink (half-width
// katakana: 3 bytes to 1) or a character has no place in the code page.
TEST(EncodeDxf, RunByRunEqualsConvertingTheWholeText) {
  const std::string texts[] = {
      "測点",
      "A測点1\r\n",
      "ｱｲｳｴｵ-12345678 測点名レイヤ\r\n測点2\r\nX",
      "😀 no place\r\n€ß\r\n",
      std::string(37, 'a') + "ｶﾀｶﾅ" + std::string(9, 'b') + "漢字" + "\r\n",
  };
  for (const std::string& text : texts) {
    EXPECT_EQ(EncodeDxf(text), Utf8ToAnsi(text)) << text;
  }
  std::string many;
  for (int i = 0; i < 2000; ++i) many += (i % 3 ? "測点" : "ｱ") + std::to_string(i) + "\r\n";
  EXPECT_EQ(EncodeDxf(many), Utf8ToAnsi(many));

  // Far more distinct runs than remembered conversions: none may stand in for another.
  std::string distinct;
  for (char32_t cp = 0x4E00; cp < 0x4E00 + 3000; ++cp) {
    distinct += static_cast<char>(0xE0 | (cp >> 12));
    distinct += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    distinct += static_cast<char>(0x80 | (cp & 0x3F));
    distinct += cp % 7 ? "\r\n" : "-";
  }
  EXPECT_EQ(EncodeDxf(distinct), Utf8ToAnsi(distinct));
}

TEST(EncodeDxf, BrokenSequenceNeverSwallowsTheLineEnd) {
  // A cut-off UTF-8 sequence at the end of a value: the line end after it must survive.
  const std::string bytes = EncodeDxf("  1\r\nA\xE6\xB8\r\n 41\r\n1.0\r\n");
  EXPECT_EQ(bytes.substr(0, 6), "  1\r\nA");
  EXPECT_EQ(bytes.substr(bytes.size() - 12), "\r\n 41\r\n1.0\r\n");
}

class InsertFileTest : public ::testing::Test {
 protected:
  std::string PathOf(const char* name) const { return PathToUtf8(dir_ / name); }

  test::TempDir temp_;
  const std::filesystem::path& dir_ = temp_.path();
};

TEST_F(InsertFileTest, WritesTheEncodedBytesAndReplacesAnOldFile) {
  const std::string path = PathOf("挿入.dxf");
  SaveFileAtomically(path, "old contents that are longer than the new ones");
  DxfFileWriter file(path);
  file.Builder().Text(8, "測点");
  file.Builder().Literal(0, "EOF");
  file.Commit();
  EXPECT_EQ(ReadFileBytes(path), "  8\r\n\x91\xAA\x93\x5F\r\n  0\r\nEOF\r\n");
}

TEST_F(InsertFileTest, UnwritableFolderIsReportedWithThePath) {
  const std::string path = PathOf("missing/insert.dxf");
  try {
    DxfFileWriter file(path);
    FAIL() << "no error";
  } catch (const FileCreateError& e) {
    EXPECT_EQ(e.path(), path);
  }
}

// A drawing written in chunks as it is built gives the same bytes as one encoded whole,
// wherever the chunks end (here every few pairs, through Japanese values).
TEST_F(InsertFileTest, StreamedFileEqualsTheWholeText) {
  auto draw = [](DxfBuilder& out) {
    WriteDxfHeader(out);
    WriteEntitiesOpener(out);
    for (int i = 0; i < 300; ++i)
      WritePoint(out, i % 2 ? "測点名レイヤ" : "ｶﾅ", DxfPoint({i * 1.5, -i / 3.0, 0}));
    WriteDxfClosing(out);
  };
  DxfBuilder whole;
  draw(whole);
  const std::string path = PathOf("streamed.dxf");
  DxfFileWriter file(path, 64);
  draw(file.Builder());
  EXPECT_FALSE(FileExists(path));  // nothing replaces the file before the commit
  file.Commit();
  EXPECT_EQ(ReadFileBytes(path), EncodeDxf(whole.Take()));
}

TEST_F(InsertFileTest, DrawingAbandonedMidwayLeavesTheOldFile) {
  const std::string path = PathOf("insert.dxf");
  SaveFileAtomically(path, "old");
  {
    DxfFileWriter file(path, 16);
    WriteDxfHeader(file.Builder());
    // An error while building: the writer goes without a commit.
  }
  EXPECT_EQ(ReadFileBytes(path), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
}  // namespace vensa
