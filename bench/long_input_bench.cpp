// Evaluation cost of very long box texts; the ranges show it grows linearly.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/memory_field_store.h"
#include "core/calc_rows.h"

namespace {

std::string Digits(std::size_t size) { return "0." + std::string(size, '3'); }
std::string Blanks(std::size_t size) { return std::string(size / 2, ' ') + "7" + std::string(size / 2, ' '); }
std::string Junk(std::size_t size) {
  std::string text;
  const std::string piece = "1a,\xE4\xB8\xAD\t-.e";
  while (text.size() < size) text += piece;
  return text;
}
std::string FullWidth(std::size_t size) {
  std::string text;
  while (text.size() < size) text += "\uFF13";  // ３
  return text;
}

template <std::string (*Make)(std::size_t)>
void BM_ParseLong(benchmark::State& state) {
  std::string text = Make(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(ohmcalc::ParseNumber(text));
    } catch (const ohmcalc::RunTimeError&) {
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseLong<Digits>)
    ->Name("ParseNumber/digits")
    ->RangeMultiplier(4)
    ->Range(1 << 16, 1 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseLong<Blanks>)
    ->Name("ParseNumber/blanks")
    ->RangeMultiplier(4)
    ->Range(1 << 16, 1 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseLong<Junk>)
    ->Name("ParseNumber/junk")
    ->RangeMultiplier(4)
    ->Range(1 << 16, 1 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseLong<FullWidth>)
    ->Name("ParseNumber/full_width")
    ->RangeMultiplier(4)
    ->Range(1 << 16, 1 << 20)
    ->Unit(benchmark::kMillisecond);

void BM_EvaluateRowMegabyteOperand(benchmark::State& state) {
  ohmcalc::MemoryFieldStore boxes;
  boxes.Set(19, Digits(1 << 20));
  boxes.Set(20, Blanks(1 << 20));
  for (auto _ : state) ohmcalc::EvaluateRow(ohmcalc::kCalcRows[6], boxes);
}
BENCHMARK(BM_EvaluateRowMegabyteOperand)->Unit(benchmark::kMillisecond);

}  // namespace
