// Cost of each conversion and of one formatted-row evaluation.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "core/calc_rows.h"

namespace {

class MemoryFieldStore : public ohmcalc::FieldStore {
 public:
  std::string Get(int box) const override { return boxes_[static_cast<std::size_t>(box)]; }
  void Set(int box, std::string_view text) override { boxes_[static_cast<std::size_t>(box)] = text; }

 private:
  std::array<std::string, 22> boxes_;
};

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
  MemoryFieldStore boxes;
  boxes.Set(4, "10");
  boxes.Set(5, "3");
  for (auto _ : state) ohmcalc::EvaluateRow(ohmcalc::kCalcRows[1], boxes);
  if (boxes.Get(6) != "3.333333333") state.SkipWithError("wrong result");
}
BENCHMARK(BM_EvaluateFormattedRow);

void BM_EvaluateSquareDivideRow(benchmark::State& state) {
  MemoryFieldStore boxes;
  boxes.Set(19, "230");
  boxes.Set(20, "4.7e3");
  for (auto _ : state) ohmcalc::EvaluateRow(ohmcalc::kCalcRows[6], boxes);
}
BENCHMARK(BM_EvaluateSquareDivideRow);

}  // namespace
