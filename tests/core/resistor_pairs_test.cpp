#include "core/resistor_pairs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/decimal_double.h"
#include "core/decimal_text.h"
#include "core/designer_aids.h"
#include "core/e_series.h"
#include "tests/core/recording_field_store.h"

namespace ohmcalc {
namespace {

DecimalNumber Decimal(const char* text) { return *ReadDecimal(text, {}); }

// Every stocked part, 1 Ω to 10 MΩ, in ohms.
std::vector<double> StockedParts() {
  std::vector<double> parts;
  for (double decade = 1; decade <= 1e6; decade *= 10) {
    for (std::uint16_t mantissa : E24().values) parts.push_back(mantissa / 10.0 * decade);
  }
  parts.push_back(1e7);
  return parts;
}

// The nearest any two parts come to `target`, trying them all.
double ExhaustiveBestDeviation(Connection connection, double target) {
  std::vector<double> parts = StockedParts();
  double best = HUGE_VAL;
  for (double a : parts) {
    for (double b : parts) {
      double combined = connection == Connection::kSeries ? a + b : a * b / (a + b);
      best = std::min(best, std::fabs((combined - target) / target));
    }
  }
  return best * 100.0;
}

TEST(ResistorPairs, SearchFindsWhatTryingEveryPairFinds) {
  // Odd values across the whole range and beyond both ends.
  for (double target = 0.3; target < 3e7; target *= 1.37) {
    std::string text = NumberToText(target);
    for (Connection connection : {Connection::kSeries, Connection::kParallel}) {
      PartPair pair = NearestE24Pair(connection, Decimal(text.c_str()));
      EXPECT_NEAR(std::fabs(pair.deviation_percent), ExhaustiveBestDeviation(connection, target), 1e-9)
          << text << (connection == Connection::kSeries ? " in series" : " in parallel");
      double combined = ToDouble(pair.combined);
      double main = ToDouble(pair.main), partner = ToDouble(pair.partner);
      EXPECT_NEAR(combined, connection == Connection::kSeries ? main + partner : main * partner / (main + partner),
                  combined * 1e-12);
    }
  }
}

std::vector<std::string> PairLines(const char* ohms, const NumberLocale& locale = {}) {
  RecordingFieldStore boxes;
  boxes.Type(9, ohms);
  std::string aids = DesignerAids(kCalcRows[2], boxes, locale);
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; start < aids.size(); start = end + 1) {
    end = aids.find('\n', start);
    if (end == std::string::npos) end = aids.size();
    std::string line = aids.substr(start, end - start);
    if (line.starts_with("E24 两只")) lines.push_back(line);
  }
  return lines;
}

TEST(ResistorPairs, ShownOnlyWhenNearerThanTheNearestSinglePart) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(PairLines("500."), (Lines{"E24 两只串联 470 Ω + 30 Ω = 500 Ω 0 %", "E24 两只并联 1 kΩ ∥ 1 kΩ = 500 Ω 0 %"}))
      << "exact pairs; equal parts and the main part nearest the target win ties";
  EXPECT_EQ(PairLines("666.8"),
            (Lines{"E24 两只串联 620 Ω + 47 Ω = 667 Ω +0.03 %", "E24 两只并联 1 kΩ ∥ 2 kΩ = 666.7 Ω −0.02 %"}));
  EXPECT_EQ(PairLines("666,8", NumberLocale{","}),
            (Lines{"E24 两只串联 620 Ω + 47 Ω = 667 Ω +0,03 %", "E24 两只并联 1 kΩ ∥ 2 kΩ = 666,7 Ω −0,02 %"}));
  EXPECT_EQ(PairLines("0.7"), (Lines{"E24 两只并联 1.3 Ω ∥ 1.5 Ω = 696.4 mΩ −0.51 %"}))
      << "below 1 Ω only parts in parallel reach";
  EXPECT_EQ(PairLines("2.85"),
            (Lines{"E24 两只串联 1.8 Ω + 1.1 Ω = 2.9 Ω +1.75 %", "E24 两只并联 3 Ω ∥ 56 Ω = 2.847 Ω −0.09 %"}))
      << "the larger total wins a tie";
  for (const char* no_pair_helps : {"4700", "0.3", "25E6", "3E7", "1E12", "1E-320", "1.5E+308"}) {
    EXPECT_EQ(PairLines(no_pair_helps), Lines{}) << no_pair_helps;
  }
  RecordingFieldStore boxes;
  boxes.Type(9, "1.5E+308");
  EXPECT_NE(DesignerAids(kCalcRows[2], boxes).find("E24 1.5E+308 Ω 0 %"), std::string::npos)
      << "the series lines stay at the top of the double range";
}

}  // namespace
}  // namespace ohmcalc
