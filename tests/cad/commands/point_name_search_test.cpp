#include "cad/commands/point_name_search.h"

#include <gtest/gtest.h>

#include <random>

#include "core/coord_list.h"
#include "core/geometry.h"
#include "core/number_read.h"

namespace vensa {
namespace {

// Every row against every text in table order: the names the index must reproduce.
std::vector<std::string> LiteralNames(const TextGrid& list, const std::vector<TTextBlk>& texts,
                                      double range) {
  std::vector<std::string> names;
  for (int r = 1; r < list.RowCount(); ++r) {
    const TAcadPoint p{ReadNumberCell(list.Cell(1, r)), ReadNumberCell(list.Cell(2, r)), 0};
    std::string name = list.Cell(0, r);
    double best = range * 100;
    for (const TTextBlk& t : texts) {
      const TAcadPoint at = TextPosition(t);
      if (NearlyEqual2D(p, at, range) && Distance2D(p, at) < best) {
        if (t.str.find(',') != std::string::npos) continue;
        name = t.str;
        best = Distance2D(p, at);
      }
    }
    names.push_back(name);
  }
  return names;
}

// Points and texts on a coarse lattice, so that ties, window edges and cell edges occur.
TEST(PointNameSearch, IndexNamesAsTheLiteralScan) {
  std::mt19937 random(5);
  auto coordinate = [&] { return static_cast<double>(random() % 80) * 0.25 - 10.0; };
  // Texts far out, or a range of any size, must not change a name (nor turn the index off).
  // Without the texts far out, the smaller ranges search through cells of the plane.
  for (const bool farOut : {true, false}) {
    for (double range : {0.5, 1.0, 2.5, 1e-3, 1e-12, 1e300}) {
      TextGrid list = TextGrid::WithHeaders(CoordListHeaders(), 300);
      for (int r = 1; r <= 300; ++r) {
        list.SetCell(1, r, std::to_string(coordinate()));
        list.SetCell(2, r, std::to_string(coordinate()));
      }
      list.SetCell(1, 300, "1e300");
      std::vector<TTextBlk> texts(200);
      for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i].str = (i % 17 == 0 ? "c," : "T") + std::to_string(i);
        texts[i].pt10 = {coordinate(), coordinate(), 0};
      }
      if (farOut) {
        texts[5].pt10 = {1e300, 0, 0};
        texts[6].pt10 = {-1e300, 1e300, 0};
        texts[7].pt10 = {1e300, texts[8].pt10.y, 0};
      }
      const std::vector<std::string> expected = LiteralNames(list, texts, range);
      NameRowsAfterTexts(list, 300, texts, PointNameSearch{range, std::nullopt, ""});
      for (int r = 1; r <= 300; ++r)
        ASSERT_EQ(list.Cell(0, r), expected[r - 1]) << farOut << " " << range << " " << r;
    }
  }
}

// A list long enough to be searched by several threads names its rows as one would.
TEST(PointNameSearch, LongListNamesAsTheLiteralScan) {
  std::mt19937 random(11);
  auto coordinate = [&] { return static_cast<double>(random() % 400) * 0.25; };
  TextGrid list = TextGrid::WithHeaders(CoordListHeaders(), 60000);
  for (int r = 1; r <= 60000; ++r) {
    list.SetCell(1, r, std::to_string(coordinate()));
    list.SetCell(2, r, std::to_string(coordinate()));
  }
  std::vector<TTextBlk> texts(300);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    texts[i].str = "T" + std::to_string(i);
    texts[i].pt10 = {coordinate(), coordinate(), 0};
  }
  const std::vector<std::string> expected = LiteralNames(list, texts, 2.0);
  NameRowsAfterTexts(list, 60000, texts, PointNameSearch{2.0, std::nullopt, ""});
  for (int r = 1; r <= 60000; ++r) ASSERT_EQ(list.Cell(0, r), expected[r - 1]) << r;
}

// Texts piled on one spot are all equally near: the first in table order names every row,
// and each row looks at a few texts, not at all of them (the tie rule passes over the
// parts of the plane whose texts all come later).
TEST(PointNameSearch, TextsOnOneSpotNameEveryRowAfterTheFirstLookingAtFew) {
  constexpr int kRows = 4000;
  for (const double spread : {0.0, 1e-5}) {
    TextGrid list = TextGrid::WithHeaders(CoordListHeaders(), kRows);
    std::vector<TTextBlk> texts(kRows);
    for (int r = 1; r <= kRows; ++r) {
      list.SetCell(1, r, "100");
      list.SetCell(2, r, "200");
      // In table order from the far end of the pile, so the first text is the nearest.
      texts[static_cast<std::size_t>(r - 1)].str = "T" + std::to_string(r);
      texts[static_cast<std::size_t>(r - 1)].pt10 = {100.0 + spread * r, 200.0, 0};
    }
    const std::size_t looked =
        NameRowsAfterTexts(list, kRows, texts, PointNameSearch{5.0, std::nullopt, ""});
    for (int r = 1; r <= kRows; ++r) ASSERT_EQ(list.Cell(0, r), "T1") << spread << " " << r;
    EXPECT_LE(looked, static_cast<std::size_t>(kRows) * 64) << spread;
  }
}

// A text of a megabyte beside a hundred points would be copied into each of them: the
// names outgrow their budget and are refused before any row changes.
TEST(PointNameSearch, NamesBeyondTheirBudgetAreRefusedBeforeAnyRowChanges) {
  TextGrid list = TextGrid::WithHeaders(CoordListHeaders(), 100);
  for (int r = 1; r <= 100; ++r) {
    list.SetCell(0, r, "keep");
    list.SetCell(1, r, std::to_string(r * 0.01));
    list.SetCell(2, r, "0");
  }
  std::vector<TTextBlk> texts(1);
  texts[0].str = std::string(std::size_t{1} << 20, 'N');
  EXPECT_THROW(NameRowsAfterTexts(list, 100, texts, PointNameSearch{5.0, std::nullopt, ""}),
               PointNameBudgetError);
  for (int r = 1; r <= 100; ++r) EXPECT_EQ(list.Cell(0, r), "keep");
  // Ten rows take 10 MB: within the budget.
  NameRowsAfterTexts(list, 10, texts, PointNameSearch{5.0, std::nullopt, ""});
  EXPECT_EQ(list.Cell(0, 10).size(), std::size_t{1} << 20);
}

}  // namespace
}  // namespace vensa
