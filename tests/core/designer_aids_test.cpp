#include "core/designer_aids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "core/decimal_text.h"
#include "core/e_series.h"
#include "core/engineering_reading.h"
#include "core/power_rating.h"
#include "core/preferred_values.h"
#include "core/resistor_marking.h"
#include "tests/core/recording_field_store.h"

namespace ohmcalc {
namespace {

const NumberLocale kPoint{"."};
const NumberLocale kComma{","};

DecimalNumber Decimal(const char* text) { return *ReadDecimal(text, kPoint); }

std::string Shown(const DecimalNumber& value) { return EngineeringReading(value, "\u03A9", kPoint); }

TEST(ESeriesTables, CountsRisingAndNesting) {
  for (std::size_t i = 0; i < kESeries.size(); ++i) {
    const ESeries& series = kESeries[i];
    SCOPED_TRACE(std::string(series.name));
    EXPECT_EQ(series.values.size(), 6u << i);
    EXPECT_TRUE(std::is_sorted(series.values.begin(), series.values.end(), std::less_equal<>()) &&
                std::adjacent_find(series.values.begin(), series.values.end()) == series.values.end());
    EXPECT_EQ(series.values.front(), series.digits == 2 ? 10 : 100);
    if (i == 0 || i == 3) continue;
    // Every second value of a finer series is the coarser one.
    const ESeries& coarser = kESeries[i - 1];
    for (std::size_t j = 0; j < coarser.values.size(); ++j) EXPECT_EQ(coarser.values[j], series.values[2 * j]);
  }
}

TEST(ESeriesTables, FollowTheFormulaExceptWhereTheStandardDeparts) {
  const std::set<int> e24_departures = {27, 30, 33, 36, 39, 43, 47, 82};
  for (const ESeries& series : kESeries) {
    SCOPED_TRACE(std::string(series.name));
    double scale = std::pow(10.0, series.digits - 1);
    auto n = static_cast<double>(series.values.size());
    for (std::size_t i = 0; i < series.values.size(); ++i) {
      int formula = static_cast<int>(std::lround(std::pow(10.0, static_cast<double>(i) / n) * scale));
      int stored = series.values[i];
      bool departs = series.digits == 2 ? e24_departures.count(stored) > 0 : series.name == "E192" && i == 185;
      EXPECT_EQ(stored != formula, departs) << "index " << i << ": " << stored << " vs " << formula;
    }
  }
}

struct NeighbourCase {
  const char* target;
  const char* series;
  const char* below;
  double below_percent;
  const char* above;
  double above_percent;
};

TEST(PreferredValues, NeighboursAcrossDecadesAndExactHits) {
  const NeighbourCase cases[] = {
      {"9600", "E24", "9.1 kΩ", -5.21, "10 kΩ", 4.17},
      {"0.95", "E24", "910 mΩ", -4.21, "1 Ω", 5.26},
      {"9.08", "E12", "8.2 Ω", -9.69, "10 Ω", 10.13},
      {"500", "E96", "499 Ω", -0.2, "511 Ω", 2.2},
      {"4700", "E24", "4.7 kΩ", 0, "4.7 kΩ", 0},
      {"0.001", "E192", "1 mΩ", 0, "1 mΩ", 0},
      {"1E+12", "E6", "1 TΩ", 0, "1 TΩ", 0},
      {"9.9", "E24", "9.1 Ω", -8.08, "10 Ω", 1.01},
      {"9.201", "E192", "9.2 Ω", -0.0109, "9.31 Ω", 1.184},
      {"1.0000001", "E6", "1 Ω", -0.00001, "1.5 Ω", 50},
  };
  for (const NeighbourCase& c : cases) {
    SCOPED_TRACE(std::string(c.target) + " in " + c.series);
    const ESeries& series =
        *std::find_if(kESeries.begin(), kESeries.end(), [&](const ESeries& s) { return s.name == c.series; });
    Neighbours found = FindNeighbours(series, Decimal(c.target));
    EXPECT_EQ(Shown(found.below.value), c.below);
    EXPECT_EQ(Shown(found.above.value), c.above);
    EXPECT_NEAR(found.below.deviation_percent, c.below_percent, 0.006);
    EXPECT_NEAR(found.above.deviation_percent, c.above_percent, 0.006);
    EXPECT_EQ(found.exact, c.below_percent == 0);
  }
}

TEST(EngineeringReading, ThreeDigitsCarryAndRangeEnds) {
  const std::pair<const char*, const char*> cases[] = {
      {"0.054545455", "54.5 mA"}, {"0.99996", "1 A"},         {"999.95", "1 kA"},
      {"999.4", "999 A"},         {"120", "120 A"},           {"0", "0 A"},
      {"-0.0025", "-2.5 mA"},     {"1E-12", "1 pA"},          {"9.99E-13", "9.99E-13 A"},
      {"999.4E+12", "999 TA"},    {"999.5E+12", "1E+15 A"},   {"1.23456E+20", "1.23E+20 A"},
      {"0.00000123", "1.23 µA"},  {"0.0000000047", "4.7 nA"}, {"4.7E+9", "4.7 GA"},
      {"-3.3E+6", "-3.3 MA"},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(EngineeringReading(Decimal(text), "A", kPoint), expected) << text;
  }
  EXPECT_EQ(EngineeringReading(Decimal("0.0545"), "A", kComma), "54,5 mA");
  EXPECT_EQ(EngineeringReading(Decimal("1.5E+20"), "V", kComma), "1,5E+20 V");
}

TEST(EngineeringReading, EveryPrefixReadsBack) {
  for (const char* text : {"4.7E-12", "4.7E-9", "4.7E-6", "4.7E-3", "4.7", "4.7E+3", "4.7E+6", "4.7E+9", "4.7E+12"}) {
    for (const NumberLocale& locale : {kPoint, kComma}) {
      std::string reading = EngineeringReading(Decimal(text), "", locale);
      reading.erase(reading.find(' '), 1);  // "4.7 k" is typed as "4.7k"
      EXPECT_EQ(ParseNumber(reading, locale), ParseNumber(text)) << reading;
    }
  }
}

TEST(PowerRatings, NextRatingAtAboveAndBeyondTheLadder) {
  const std::pair<double, const char*> cases[] = {
      {0.01, "1/20"}, {0.05, "1/20"}, {0.0500001, "1/16"}, {0.25, "1/4"}, {0.2500001, "1/2"}, {1, "1"},
      {7.5, "10"},    {100, "100"},   {100.001, nullptr},  {0, nullptr},  {-2, nullptr},
  };
  for (const auto& [watts, expected] : cases) {
    const PowerRating* rating = NextRating(watts);
    EXPECT_EQ(rating == nullptr ? "none" : rating->text, expected == nullptr ? "none" : expected) << watts;
  }
  // Each rating, in turn, is the watts its text says.
  for (const PowerRating* r = NextRating(0.01); r != nullptr; r = NextRating(r->Watts() * 1.001)) {
    std::string whole = std::to_string(r->numerator);
    EXPECT_EQ(r->text, r->denominator == 1 ? whole : whole + "/" + std::to_string(r->denominator));
  }
}

TEST(ResistorMarking, ColourBandsAndCodes) {
  const struct {
    const char* ohms;
    const char* bands;
    const char* code;
  } cases[] = {
      {"4700", "黄 紫 红 金", "4K7"},   {"10", "棕 黑 黑 金", "10R"},      {"4.7", "黄 紫 金 金", "4R7"},
      {"0.47", "黄 紫 银 金", "R47"},   {"1E+6", "棕 黑 绿 金", "1M0"},    {"510", "绿 棕 棕 金", "510R"},
      {"2.2E+6", "红 红 绿 金", "2M2"}, {"9.1E+10", "白 棕 白 金", "91G"}, {"0.01", nullptr, "R01"},
      {"1E+12", nullptr, "1T0"},        {"1E+11", nullptr, "100G"},        {"0.001", nullptr, "R001"},
      {"1E-4", nullptr, "100\u00B5"},   {"0", nullptr, nullptr},           {"1E-12", nullptr, "1p0"},
      {"4.75", nullptr, "4R75"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ohms);
    auto bands = ColourBands(Decimal(c.ohms));
    EXPECT_EQ(bands.value_or("none"), c.bands == nullptr ? "none" : c.bands);
    auto code = ResistorCode(Decimal(c.ohms));
    EXPECT_EQ(code.value_or("none"), c.code == nullptr ? "none" : c.code);
    if (code) {
      EXPECT_EQ(ParseNumber(*code), ParseNumber(c.ohms)) << "the code reads back";
    }
  }
}

std::string AidsFor(int row_number, const char* a, const char* c, const NumberLocale& locale = kPoint) {
  RecordingFieldStore boxes;
  const CalcRow& row = kCalcRows[static_cast<std::size_t>(row_number - 1)];
  boxes.Type(row.a, a);
  boxes.Type(row.c, c);
  return DesignerAids(row, boxes, locale);
}

TEST(DesignerAids, ResistanceRowGivesSeriesPartAndRecheck) {
  std::string aids = AidsFor(3, "10", "500.");
  EXPECT_NE(aids.find("E6 470 Ω −6.0 % ★ | 680 Ω +36.0 %\nE12 470 Ω −6.0 % ★ | 560 Ω +12.0 %\n"
                      "E24 470 Ω −6.0 % | 510 Ω +2.0 % ★\nE48 487 Ω −2.60 % | 511 Ω +2.20 % ★\n"
                      "E96 499 Ω −0.20 % ★ | 511 Ω +2.20 %\nE192 499 Ω −0.20 % ★ | 505 Ω +1.00 %\n"),
            std::string::npos)
      << aids;
  EXPECT_NE(aids.find("E24 510 Ω：510R，色环 绿 棕 棕 金；用它时 I = 19.6 mA，P = 196 mW"), std::string::npos) << aids;
  EXPECT_NE(aids.find("额定功率 ≥ 1/4 W (0.25 W)，留 2 倍余量（负载 ≤ 50 %）选 ≥ 1/2 W (0.5 W)"), std::string::npos);
  EXPECT_NE(aids.find("降额"), std::string::npos);
  // A tie as shown goes to the larger value.
  aids = AidsFor(3, "1", "10.5");
  EXPECT_NE(aids.find("E24 10 Ω −4.8 % | 11 Ω +4.8 % ★\n"), std::string::npos) << aids;
  EXPECT_NE(aids.find("\nE24 11 Ω：11R"), std::string::npos) << aids;
}

TEST(DesignerAids, ExactHitOnTheShownDecimalIsShownOnceAtZero) {
  RecordingFieldStore boxes;
  boxes.Type(7, "4.7");
  boxes.Type(8, "0.001");
  EvaluateRow(kCalcRows[2], boxes);
  std::string aids = DesignerAids(kCalcRows[2], boxes);
  EXPECT_NE(aids.find("E24 4.7 kΩ 0 % ★\n"), std::string::npos) << aids;
  EXPECT_EQ(aids.find("0.00 %"), std::string::npos) << aids;
}

TEST(DesignerAids, EachQuantityAndWhatIsNotANumber) {
  EXPECT_EQ(AidsFor(2, "1", "0.05454"), "≈ 54.5 mA");
  EXPECT_EQ(AidsFor(1, "1", "120"), "= 120 V");
  EXPECT_EQ(AidsFor(6, "1", "0,2", kComma),
            "= 200 mW\n额定功率 ≥ 1/4 W (0,25 W)，留 2 倍余量（负载 ≤ 50 %）选 ≥ 1/2 W (0,5 W)\n"
            "降额：环境温度高于 70 °C 时需再降额");
  EXPECT_EQ(AidsFor(7, "1", "250."), "= 250 W\n额定功率：超出常用额定功率（100 W 以上）");
  EXPECT_EQ(AidsFor(7, "1", "0"), "= 0 W");
  EXPECT_EQ(AidsFor(7, "1", "1.5"),
            "= 1.5 W\n额定功率 ≥ 2 W，留 2 倍余量（负载 ≤ 50 %）选 ≥ 3 W\n降额：环境温度高于 70 °C 时需再降额");
  EXPECT_EQ(AidsFor(3, "1", "-5."), "= -5 Ω");
  EXPECT_EQ(AidsFor(3, "1", "1.75E+308"), "= 1.75E+308 Ω") << "no standard value beyond the double range";
  EXPECT_EQ(AidsFor(3, "1", "1E-330"), "= 1E-330 Ω") << "below the smallest double";
  for (const char* not_a_number : {"", "abc", "1E+400", "0,2"}) EXPECT_EQ(AidsFor(6, "1", not_a_number), "");
  // No voltage to recheck with, or a power beyond the range: the part is still named.
  std::string aids = AidsFor(3, "x", "500.");
  EXPECT_NE(aids.find("E24 510 Ω：510R，色环 绿 棕 棕 金"), std::string::npos);
  EXPECT_EQ(aids.find("I ="), std::string::npos);
  aids = AidsFor(3, "1e200", "1E+10");
  EXPECT_NE(aids.find("E24 10 GΩ：10G"), std::string::npos) << aids;
  EXPECT_EQ(aids.find("I ="), std::string::npos) << aids;
}

TEST(DesignerAids, DependOnTheResultAndTheResistanceRowsVoltage) {
  for (const CalcRow& row : kCalcRows) {
    SCOPED_TRACE(row.number);
    EXPECT_TRUE(DesignerAidsRead(row, row.c));
    EXPECT_FALSE(DesignerAidsRead(row, row.b));
    EXPECT_EQ(DesignerAidsRead(row, row.a), row.number == 3);
  }
}

}  // namespace
}  // namespace ohmcalc
