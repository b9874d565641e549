#include "window/report_wording.h"

#include <gtest/gtest.h>

namespace ohmcalc {
namespace {

// The windows' error tests take their wording from here; this holds it to
// the words a user is meant to read.
TEST(ReportWording, EachErrorInItsOwnWords) {
  EXPECT_EQ(ReportText(6), "运行时错误 6：\n\n溢出");
  EXPECT_EQ(ReportText(11), "运行时错误 11：\n\n除数为零");
  EXPECT_EQ(ReportText(13), "运行时错误 13：\n\n类型不匹配");
}

}  // namespace
}  // namespace ohmcalc
