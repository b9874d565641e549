// Cost of each conversion and of one formatted-row evaluation.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "bench/memory_field_store.h"
#include "core/calc_rows.h"
#include "core/designer_aids.h"

namespace {

void BM_ParseNumber(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ohmcalc::ParseNumber("  3.333333333E-05 "));
}
BENCHMARK(BM_ParseNumber);

void BM_NumberToText(benchmark::State& state) {
  double value = 10.0 / 3.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(ohmcalc::NumberToText(value));
  }
}
BENCHMARK(BM_NumberToText);

void BM_FormatResult(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ohmcalc::FormatResult("3.33333333333333"));
}
BENCHMARK(BM_FormatResult);

void BM_EvaluateFormattedRow(benchmark::State& state) {
  ohmcalc::MemoryFieldStore boxes;
  boxes.Set(4, "10");
  boxes.Set(5, "3");
  for (auto _ : state) ohmcalc::EvaluateRow(ohmcalc::kCalcRows[1], boxes);
  if (boxes.Get(6) != "3.333333333") state.SkipWithError("wrong result");
}
BENCHMARK(BM_EvaluateFormattedRow);

void BM_EvaluateSquareDivideRow(benchmark::State& state) {
  ohmcalc::MemoryFieldStore boxes;
  boxes.Set(19, "230");
  boxes.Set(20, "4.7e3");
  for (auto _ : state) ohmcalc::EvaluateRow(ohmcalc::kCalcRows[6], boxes);
}
BENCHMARK(BM_EvaluateSquareDivideRow);

// The heaviest aids: a resistance, with six series, a part and a recheck.
void BM_DesignerAidsResistance(benchmark::State& state) {
  ohmcalc::MemoryFieldStore boxes;
  boxes.Set(7, "10");
  boxes.Set(9, "500.");
  for (auto _ : state) benchmark::DoNotOptimize(ohmcalc::DesignerAids(ohmcalc::kCalcRows[2], boxes));
}
BENCHMARK(BM_DesignerAidsResistance);

void BM_DesignerAidsCurrent(benchmark::State& state) {
  ohmcalc::MemoryFieldStore boxes;
  boxes.Set(6, "0.054545455");
  for (auto _ : state) benchmark::DoNotOptimize(ohmcalc::DesignerAids(ohmcalc::kCalcRows[1], boxes));
}
BENCHMARK(BM_DesignerAidsCurrent);

}  // namespace
