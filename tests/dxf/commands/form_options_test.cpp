#include "dxf/commands/form_options.h"

#include <gtest/gtest.h>

namespace vensa {
namespace {

// Every control gets a value of its own, so a control wired to the wrong option shows.
TEST(FormOptionsTest, EachPlotOptionComesFromItsOwnControl) {
  FormState s = InitialFormState();
  s.CheckBox21.checked = true;
  s.CheckBox5 = {true, false};  // disabled, yet its state counts
  s.CheckBox28.checked = false;
  s.CheckBox7.checked = true;
  s.Edit7.text = "_";
  s.CheckBox22.checked = true;
  s.CheckBox26.checked = false;
  s.CheckBox23.checked = true;
  s.CheckBox4.checked = false;
  s.CheckBox11.checked = true;
  s.Edit2.text = "L2";
  s.Edit8.text = "L8";
  s.Edit18.text = "L18";
  s.Edit9.text = "L9";
  s.Edit10.text = "L10";
  s.Edit1.text = "1";
  s.Edit13.text = "13";
  s.Edit19.text = "19";
  s.UpDown6.position = 6;
  s.Edit31.text = "1-3";
  const PlotOptions o = PlotOptionsFromForm(s);
  EXPECT_TRUE(o.pline);
  EXPECT_TRUE(o.closed);
  EXPECT_FALSE(o.is3d);
  EXPECT_TRUE(o.reorder);
  EXPECT_EQ(o.delimiter, "_");
  EXPECT_TRUE(o.point);
  EXPECT_FALSE(o.circle);
  EXPECT_TRUE(o.nameLabel);
  EXPECT_FALSE(o.coordLabel);
  EXPECT_TRUE(o.zOnly);
  EXPECT_EQ(o.plineLayer + o.pointLayer + o.circleLayer + o.nameLayer + o.coordLayer,
            "L2L8L18L9L10");
  EXPECT_EQ(o.nameHeight + "/" + o.coordHeight + "/" + o.radius, "1/13/19");
  EXPECT_EQ(o.decimals, 6);
  EXPECT_EQ(o.range, "1-3");
}

TEST(FormOptionsTest, EachTableOptionComesFromItsOwnControl) {
  FormState s = InitialFormState();
  s.Edit15.text = "15";
  s.Edit16.text = "16";
  s.Edit17.text = "17";
  s.Edit14.text = "14";
  s.Edit20.text = "20";
  s.CheckBox9.checked = true;
  s.CheckBox8.checked = true;
  s.Edit11.text = "L11";
  s.Edit12.text = "L12";
  const TableOptions o = TableOptionsFromForm(s);
  EXPECT_EQ(
      o.rowHeight + "/" + o.nameWidth + "/" + o.coordWidth + "/" + o.textHeight + "/" + o.decimals,
      "15/16/17/14/20");
  EXPECT_TRUE(o.divideBy1000);
  EXPECT_TRUE(o.zColumn);
  EXPECT_EQ(o.lineLayer + o.textLayer, "L11L12");
}

TEST(FormOptionsTest, InitialFormGivesTheOptionDefaults) {
  const FormState s = InitialFormState();
  const PlotOptions o = PlotOptionsFromForm(s);
  const PlotOptions d;
  EXPECT_EQ(o.coordLabel, d.coordLabel);
  EXPECT_EQ(o.nameLayer, d.nameLayer);
  EXPECT_EQ(o.decimals, d.decimals);
  EXPECT_EQ(o.radius, d.radius);
  const TableOptions t = TableOptionsFromForm(s);
  EXPECT_EQ(t.decimals, TableOptions{}.decimals);
  EXPECT_EQ(t.lineLayer, TableOptions{}.lineLayer);
}

}  // namespace
}  // namespace vensa
