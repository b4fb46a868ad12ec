#include "dxf/drawing_reader.h"
#include "cad/sim/drawing_file.h"

#include <gtest/gtest.h>

#include "core/number_format.h"
#include "core/text.h"
#include "dxf/drawing_text.h"
#include "dxf/dxf_group_reader.h"
#include "tests/support/temp_dir.h"

namespace vensa {
namespace {

// Pairs written "code value" (the value may be empty), joined by the line end.
std::string Dxf(std::initializer_list<std::string_view> pairs, std::string_view eol = "\r\n") {
  std::string text;
  for (std::string_view pair : pairs) {
    const std::size_t blank = pair.find(' ');
    text += pair.substr(0, blank);
    text += eol;
    if (blank != std::string_view::npos) text += pair.substr(blank + 1);
    text += eol;
  }
  return text;
}

std::string P(const TAcadPoint& p) {
  return FormatG15(p.x) + "," + FormatG15(p.y) + "," + FormatG15(p.z);
}

std::string Numbers(const std::vector<double>& values) {
  std::string out;
  for (double v : values) out += (out.empty() ? "" : " ") + FormatG15(v);
  return out;
}

// One line per entity with the values the CAD reports for its class.
std::vector<std::string> Described(const Drawing& d) {
  std::vector<std::string> lines;
  for (const DrawingEntity& e : d.Entities()) {
    std::string s = e.className + " " + e.layer;
    const std::string& c = e.className;
    if (c == "AcDbCircle" || c == "AcDbArc") s += " c=" + P(e.center) + " r=" + FormatG15(e.radius);
    if (c == "AcDbArc") s += " from " + P(e.start) + " to " + P(e.end);
    if (c == "AcDbText") {
      s += " \"" + e.text + "\" at " + P(e.insertion) + " align " + P(e.alignment) + " " +
           std::to_string(e.horizontalAlignment) + "/" + std::to_string(e.verticalAlignment);
    }
    if (c.find("olyline") != std::string::npos) {
      s += " [" + Numbers(e.coordinates) + "] b[" + Numbers(e.bulges) +
           "] z=" + FormatG15(e.elevation) + " n=" + P(e.normal) + (e.closed ? " closed" : "");
    }
    if (c == "AcDbPoint") s += " " + Numbers(e.coordinates);
    lines.push_back(s);
  }
  return lines;
}

std::string MessageOf(std::string_view bytes) {
  try {
    ReadDrawing(bytes);
  } catch (const DxfReadError& e) {
    return e.what();
  }
  return "(read)";
}

TEST(DrawingText, CodePageOfTheVersionAndHeaderWithEscapes) {
  struct Case {
    const char* version;
    const char* codePage;
    std::string raw;
    std::string expected;
  } cases[] = {
      {"AC1009", "ANSI_932", "\x91\xaa\x93_", "測点"},
      {"AC1009", "", "\x91\xaa\x93_", "測点"},             // no code page: the system's ANSI one
      {"AC1015", "ANSI_932", "\x95\\U+0041", "表U+0041"},  // 0x5C as a trail byte
      {"AC1015", "ansi_1252", "Ma\xdf", "Maß"},
      {"AC1018", "ANSI_932", "A\\U+2603\\U+D83D\\U+DE00", "A☃😀"},
      {"AC1018", "ANSI_1252", "\\M+18351 \\U+DE00 \\X", "ゲ \xEF\xBF\xBD \\X"},
      {"AC1021", "ANSI_1252", "測点", "測点"},  // UTF-8 from 2007 on, whatever the header says
      {"AC1032", "", "a\xff", "a\xEF\xBF\xBD"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DrawingTextDecoder(c.version, c.codePage).Decode(c.raw), c.expected)
        << c.version << " " << c.codePage << " " << c.raw;
  }
}

TEST(ReadDrawing, RefusesWhatIsNoReadableAsciiDxfAndSaysWhere) {
  const std::string header = Dxf({"0 SECTION", "2 HEADER", "9 $ACADVER", "1 AC1009", "0 ENDSEC"});
  const std::string entities = Dxf({"0 SECTION", "2 ENTITIES"});
  const std::string end = Dxf({"0 ENDSEC", "0 EOF"});
  struct Case {
    std::string bytes;
    std::string message;
  } cases[] = {
      {"", "空のファイルです"},
      {" \r\n", "空のファイルです"},
      // A file of zeros is binary, not empty.
      {std::string(100000, '\0'), "バイナリのファイルです"},
      {header + entities + Dxf({"0 TEXT", "1 A"}) + std::string(1, '\0') + end,
       "19 行目に NUL 文字"},
      {std::string("AutoCAD Binary DXF\r\n\x1a\0", 22), "バイナリ形式の DXF は読めません"},
      {std::string("AC1032\0\0\0", 9), "DWG ファイルは読めません"},
      {"PK\x03\x04\x01\x02 zip", "1 行目 はグループコードではありません: \"PK???? zip\""},
      {std::string(100000, 'x'),
       "1 行目 はグループコードではありません: \"" + std::string(40, 'x') + "\""},
      {header, "途中で終わっています"},
      {header + entities + Dxf({"0 POINT", "10 1"}), "途中で終わっています"},
      {header + "  0\r\nSECTION\r\n  2", "13 行目 のグループコードに値の行がありません"},
      {Dxf({"0 TABLE"}), "1 行目: SECTION ではありません: \"TABLE\""},
      {header + entities + Dxf({"0 CIRCLE", "40 1,5"}) + end,
       "(グループ 40) は数値ではありません: \"1,5\""},
      {header + entities + Dxf({"0 VERTEX", "10 1"}) + end, "POLYLINE の外に VERTEX があります"},
      {header + entities + Dxf({"0 POLYLINE", "70 0", "0 VERTEX"}) + end,
       "15 行目: POLYLINE に SEQEND がありません"},
      {header + entities + Dxf({"0 POLYLINE", "0 LINE"}) + end,
       "POLYLINE の中に \"LINE\" があります"},
      {header + entities + Dxf({"10 1"}) + end, "15 行目: 0 グループが来るべきところに 10"},
      // Coordinates that are no finite numbers, as read or once in world coordinates.
      {header + entities + Dxf({"0 POINT", "10 nan"}) + end, "(グループ 10) は数値ではありません"},
      {header + entities +
           Dxf({"0 CIRCLE", "10 3", "20 4", "40 1", "210 1e308", "220 1e308", "230 1e308"}) + end,
       "15 行目: 座標が有限の数になりません"},
  };
  for (const Case& c : cases) {
    const std::string message = MessageOf(c.bytes);
    EXPECT_NE(message.find(c.message), std::string::npos) << message;
    EXPECT_TRUE(IsValidUtf8(message)) << message;
  }
  test::TempDir dir;
  const std::string path = dir.Write("壊れた.dxf", header);
  try {
    ReadDrawingFile(path);
    FAIL();
  } catch (const DrawingFileError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル \"" + path +
                                         "\" を読み込めません。DXF: ファイルが途中で終わっています "
                                         "(EOF がありません)");
  }
}

TEST(ReadDrawing, ModelSpaceEntitiesAsTheCadReportsThem) {
  const std::string text = Dxf(
      {"999 written by hand", "0 SECTION", "2 HEADER", "9 $ACADVER", "1 AC1009", "9 $DWGCODEPAGE",
       "3 ANSI_932", "9 $DIMSCALE", "40 500", "9 $UCSORG", "10 1", "20 2", "30 0", "0 ENDSEC",
       // Block definitions are not in the drawing's entity list.
       "0 SECTION", "2 BLOCKS", "0 BLOCK", "2 B", "0 LINE", "8 IN", "0 ENDBLK", "0 ENDSEC",
       "0 SECTION", "2 ENTITIES",
       // A mirrored circle and arc: their centre and ends come in world coordinates.
       "0 CIRCLE", "8 \x89\x7e", "10 3", "20 4", "30 0.5", "40 2", "210 0", "220 0", "230 -1",
       "0 ARC", "10 1", "20 2", "40 3", "50 0", "51 90", "230 -1",
       // Texts: both points into world coordinates, alignment kept.
       "0 TEXT", "10 1", "20 2", "11 7", "21 8", "40 1.5", "1 B-2", "72 1", "73 2", "230 -1",
       "0 TEXT", "10 5", "20 6", "40 2.5", "1 \x91\xaa\x93_1",
       // Polylines keep the vertices of their own system.
       "0 POLYLINE", "66 1", "10 0", "20 0", "30 1.5", "70 1", "230 -1", "0 VERTEX", "10 1", "20 1",
       "42 0.25", "0 VERTEX", "10 2", "20 2", "70 16", "0 VERTEX", "10 4", "20 1", "0 SEQEND",
       "0 POLYLINE", "70 8", "0 VERTEX", "10 0", "20 0", "30 1", "0 VERTEX", "10 2", "20 0", "30 2",
       "0 SEQEND",
       // A block reference with attributes, passed over as one entity.
       "0 INSERT", "2 B", "66 1", "10 20", "20 20", "0 ATTRIB", "1 a", "0 ATTRIB", "1 b",
       "0 SEQEND", "0 POINT", "10 9", "20 9", "30 1",
       // Paper space.
       "0 LINE", "67 1", "10 0", "20 0", "11 5", "21 5", "0 ENDSEC", "0 EOF"});
  const Drawing d = ReadDrawing(text);
  const std::vector<std::string> expected = {
      "AcDbCircle 円 c=-3,4,-0.5 r=2",
      "AcDbArc 0 c=-1,2,0 r=3 from -4,2,0 to -1,5,0",
      "AcDbText 0 \"B-2\" at -1,2,0 align -7,8,0 1/2",
      "AcDbText 0 \"測点1\" at 5,6,0 align 0,0,0 0/0",
      "AcDb2dPolyline 0 [1 1 0 4 1 0] b[0.25 0] z=1.5 n=0,0,-1 closed",
      "AcDb3dPolyline 0 [0 0 1 2 0 2] b[0 0] z=0 n=0,0,1",
      "AcDbBlockReference 0",
      "AcDbPoint 0 9 9 1"};
  EXPECT_EQ(Described(d), expected);
  EXPECT_EQ(d.dimscale, 500.0);
  EXPECT_EQ(P(d.ucsOrigin) + " " + P(d.ucsXDir) + " " + P(d.ucsYDir), "1,2,0 1,0,0 0,1,0");
  // Cut anywhere before the end of its EOF line, the drawing is refused, never read in part.
  for (std::size_t n = 0; n + 2 < text.size(); ++n) {
    EXPECT_THROW(ReadDrawing(std::string_view(text).substr(0, n)), DxfReadError) << n;
  }
}

TEST(ReadDrawing, EightMegabytesOfBarePointsAreRefusedNotListedInGigabytes) {
  std::string text = "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n";
  for (int i = 0; i < 600000; ++i) text += "  0\r\nPOINT\r\n";
  text += "  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
  EXPECT_NE(MessageOf(text).find("点や図形が多すぎます (600000 個)"), std::string::npos);
  // A tenth of them is taken: below 256 MB of listing every drawing is.
  EXPECT_EQ(MessageOf(text.substr(0, 29 + 60000 * 12) + "  0\r\nENDSEC\r\n  0\r\nEOF\r\n"),
            "(read)");
}

TEST(ReadDrawing, TypeNamesNotInUpperCaseArePassedOverNotTakenForKnownClasses) {
  const Drawing d =
      ReadDrawing(Dxf({"0 SECTION", "2 ENTITIES", "0 Point", "10 1", "20 1", "0 Circle", "40 5",
                       "0 Text", "1 x", "0 POINT", "10 2", "20 3", "0 ENDSEC", "0 EOF"}));
  EXPECT_EQ(Described(d), (std::vector<std::string>{"AcDbUnknownEntity 0", "AcDbUnknownEntity 0",
                                                    "AcDbUnknownEntity 0", "AcDbPoint 0 2 3 0"}));
}

TEST(ReadDrawing, PaperSpaceByOwnerLayersAndAnyLineEnd) {
  // The 2000 format: the owner decides, reactors in their application group do not; texts
  // in the system's code page when the header names none.
  const std::initializer_list<std::string_view> pairs = {"0 SECTION",
                                                         "2 HEADER",
                                                         "9 $ACADVER",
                                                         "1 AC1015",
                                                         "0 ENDSEC",
                                                         "0 SECTION",
                                                         "2 TABLES",
                                                         "0 TABLE",
                                                         "2 LAYER",
                                                         "0 LAYER",
                                                         "2 0",
                                                         "0 LAYER",
                                                         "2 \x8b\xab\x8a"
                                                         "E",
                                                         "0 ENDTAB",
                                                         "0 TABLE",
                                                         "2 BLOCK_RECORD",
                                                         "0 BLOCK_RECORD",
                                                         "5 1F",
                                                         "2 *Model_Space",
                                                         "0 BLOCK_RECORD",
                                                         "5 1B",
                                                         "2 *Paper_Space",
                                                         "0 BLOCK_RECORD",
                                                         "5 D2",
                                                         "2 *Paper_Space0",
                                                         "0 ENDTAB",
                                                         "0 ENDSEC",
                                                         "0 SECTION",
                                                         "2 ENTITIES",
                                                         "0 LWPOLYLINE",
                                                         "5 30",
                                                         "102 {ACAD_REACTORS",
                                                         "330 1B",
                                                         "102 }",
                                                         "330 1F",
                                                         "100 AcDbEntity",
                                                         "8 \x8b\xab\x8a"
                                                         "E",
                                                         "90 2",
                                                         "70 1",
                                                         "38 2.5",
                                                         "10 1",
                                                         "20 2",
                                                         "42 -1",
                                                         "10 3",
                                                         "20 4",
                                                         "210 0",
                                                         "220 0",
                                                         "230 -1",
                                                         "1001 APP",
                                                         "1000 x",
                                                         "0 LINE",
                                                         "330 1B",
                                                         "10 0",
                                                         "20 0",
                                                         "11 1",
                                                         "21 1",
                                                         "0 TEXT",
                                                         "330 D2",
                                                         "1 p",
                                                         "0 ENDSEC",
                                                         "0 EOF"};
  for (std::string_view eol : {"\r\n", "\n", "\r"}) {
    const Drawing d = ReadDrawing(Dxf(pairs, eol));
    EXPECT_EQ(Described(d), std::vector<std::string>{
                                "AcDbPolyline 境界 [1 2 3 4] b[-1 0] z=2.5 n=0,0,-1 closed"});
    EXPECT_EQ(d.layers, (std::vector<std::string>{"0", "境界"}));
    EXPECT_EQ(d.dimscale, 1.0);  // a new drawing's value
  }
}

TEST(OpenDrawingFile, TheDrawingWithItsLayersAndHeaderAsTheSubstituteCad) {
  test::TempDir dir;
  const std::string path = dir.Write(
      "a.DXF",
      Dxf({"0 SECTION", "2 HEADER", "9 $DIMSCALE", "40 2",      "9 $UCSXDIR", "10 0",    "20 1",
           "30 0",      "0 ENDSEC", "0 SECTION",   "2 TABLES",  "0 TABLE",    "2 LAYER", "0 LAYER",
           "2 EMPTY",   "0 ENDTAB", "0 ENDSEC",    "0 SECTION", "2 ENTITIES", "0 POINT", "8 PTS",
           "10 1",      "20 2",     "0 TEXT",      "1 T",       "0 ENDSEC",   "0 EOF"}));
  const std::unique_ptr<SimCad> cad = OpenDrawingFile(path);
  ASSERT_EQ(cad->Entities().size(), 2u);
  EXPECT_EQ(cad->Entities()[1].className, "AcDbText");
  EXPECT_TRUE(cad->HasLayer("EMPTY") && cad->HasLayer("PTS"));
  EXPECT_EQ(VariantText(cad->SystemVariable("DIMSCALE")), "2");
  EXPECT_EQ(VariantText(cad->SystemVariable("UCSXDIR")), "0,1,0");
  EXPECT_TRUE(IsDrawingFileName(path));
  EXPECT_FALSE(IsDrawingFileName("a.dxf.txt"));
}

}  // namespace
}  // namespace vensa
