#include "cad/cad_value.h"

#include <gtest/gtest.h>

#include "platform/automation_error.h"

namespace vensa {
namespace {

TEST(VariantToPointTest, TakesTheFirstThreeElements) {
  EXPECT_EQ(VariantToPoint(std::vector<double>{1.5, -2, 3}), (TAcadPoint{1.5, -2, 3}));
  EXPECT_EQ(VariantToPoint(std::vector<double>{1, 2, 3, 4}), (TAcadPoint{1, 2, 3}));
}

TEST(VariantToPointTest, AnythingButAThreeNumberArrayIsAnError) {
  EXPECT_THROW(VariantToPoint(CadValue{}), VariantError);
  EXPECT_THROW(VariantToPoint(std::vector<double>{1, 2}), VariantError);
  EXPECT_THROW(VariantToPoint(CadValue{2.0}), VariantError);
  EXPECT_THROW(VariantToPoint(CadValue{std::string("1,2,3")}), VariantError);
}

TEST(VariantToNumberTest, NumbersIntegersAndNumericText) {
  EXPECT_EQ(VariantToDouble(CadValue{100.0}), 100.0);
  EXPECT_EQ(VariantToDouble(CadValue{std::int32_t{3}}), 3.0);
  EXPECT_EQ(VariantToDouble(CadValue{std::string("2.5")}), 2.5);
  EXPECT_THROW(VariantToDouble(CadValue{std::string("abc")}), VariantError);
  EXPECT_THROW(VariantToDouble(CadValue{}), VariantError);
  EXPECT_THROW(VariantToDouble(std::vector<double>{1, 2, 3}), VariantError);

  EXPECT_EQ(VariantToInteger(CadValue{std::int32_t{1}}), 1);
  EXPECT_EQ(VariantToInteger(CadValue{4.0}), 4);
  EXPECT_THROW(VariantToInteger(CadValue{4.5}), VariantError);
  EXPECT_THROW(VariantToInteger(CadValue{1e12}), VariantError);
}

TEST(VariantTextTest, ShowsEveryKind) {
  EXPECT_EQ(VariantText(CadValue{}), "(empty)");
  EXPECT_EQ(VariantText(CadValue{0.1}), "0.1");
  EXPECT_EQ(VariantText(std::vector<double>{1, 2.5, 0}), "1,2.5,0");
  EXPECT_EQ(VariantText(CadValue{std::string("TEXT")}), "TEXT");
}

}  // namespace
}  // namespace vensa
