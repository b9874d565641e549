#include "window/control_names.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace ohmcalc {
namespace {

TEST(ControlNames, WhatAScreenReaderSaysAndUnknownNames) {
  EXPECT_EQ(AccessibleName(ControlNamed("Text6")), "第2行 电流 A");
  EXPECT_EQ(AccessibleName(ControlNamed("Command4")), "第2行 除以");
  EXPECT_EQ(AccessibleName(ControlNamed("Command22")), "第6行 乘以");
  EXPECT_EQ(AccessibleName(ControlNamed("Command17")), "第7行 清除");
  EXPECT_EQ(AccessibleName(ControlNamed("Label2")), "电阻  Ω");
  EXPECT_EQ(ResultAnnouncement(7, "4.5"), "第7行 功率 W 4.5");
  EXPECT_EQ(ResultAnnouncement(1, "6"), "第1行 电压 v 6");
  EXPECT_EQ(DesignerAidsName(3), "第3行 设计参考");
  EXPECT_STREQ(ControlNamed("Text9").name, "Text9");
  EXPECT_STREQ(BoxControl(21).name, "Text21");
  EXPECT_THROW(ControlNamed("Text22"), std::out_of_range);
  EXPECT_THROW(ControlNamed(""), std::out_of_range);
  EXPECT_THROW(BoxControl(0), std::out_of_range);
  EXPECT_THROW(BoxControl(22), std::out_of_range);
}

}  // namespace
}  // namespace ohmcalc
