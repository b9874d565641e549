// What a megabyte in a box costs the window: putting it in, and a click on
// 等于 that reads it and reports or writes the result.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "qt/app_setup.h"
#include "qt/form1.h"

namespace {

QString MegabyteNumber() { return "0." + QString(1 << 20, QChar('3')); }

void BM_SetMegabyteText(benchmark::State& state) {
  ohmcalc::Form1 form(ohmcalc::NumberLocale{});
  form.show();
  QString text = MegabyteNumber();
  for (auto _ : state) {
    form.Box(4)->setText(text);
    QApplication::processEvents();
    state.PauseTiming();
    form.Box(4)->clear();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SetMegabyteText)->Unit(benchmark::kMillisecond);

void BM_ClickWithMegabyteOperand(benchmark::State& state) {
  ohmcalc::Form1 form(ohmcalc::NumberLocale{});
  form.show();
  form.Box(4)->setText(MegabyteNumber());
  form.Box(5)->setText("1");
  auto* equals = form.findChild<QPushButton*>("Command5");
  for (auto _ : state) {
    equals->click();
    QApplication::processEvents();
  }
  if (form.Box(6)->text() != "0.333333333") state.SkipWithError("wrong result");
}
BENCHMARK(BM_ClickWithMegabyteOperand)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ohmcalc::SetUpApplication(app);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
