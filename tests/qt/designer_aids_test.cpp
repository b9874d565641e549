#include "tests/qt/form_fixture.h"

namespace ohmcalc {
namespace {

using DesignerAidsInWindow = FormTest;

TEST_F(DesignerAidsInWindow, FollowTheResultBoxThroughEvaluateErrorAndClear) {
  Type(7, "10");
  Type(8, "20m");
  Click("Command8");
  EXPECT_EQ(Box(9)->text(), "500.");
  const QString aids = Box(9)->toolTip();
  EXPECT_TRUE(aids.startsWith(QString::fromUtf8("= 500 Ω\n"))) << aids.toStdString();
  EXPECT_TRUE(aids.contains(QString::fromUtf8("I = 19.6 mA，P = 196 mW"))) << aids.toStdString();
  EXPECT_EQ(Box(9)->accessibleDescription(), aids);

  Type(8, "0");
  ClickExpectingReport([&] { Click("Command8"); }, [](QMessageBox&) {});
  EXPECT_EQ(Box(9)->text(), "500.");
  EXPECT_EQ(Box(9)->toolTip(), aids);
  Type(7, "5");  // the recheck follows the voltage
  EXPECT_TRUE(Box(9)->toolTip().contains(QString::fromUtf8("I = 9.8 mA"))) << Box(9)->toolTip().toStdString();

  Click("Command9");
  EXPECT_TRUE(Box(9)->toolTip().isEmpty());
  EXPECT_TRUE(Box(9)->accessibleDescription().isEmpty());

  Type(18, "0.2");  // a hand edit counts as much as a result
  EXPECT_TRUE(Box(18)->toolTip().startsWith(QString::fromUtf8("= 200 mW\n额定功率 ≥ 1/4 W")));
}

}  // namespace
}  // namespace ohmcalc
