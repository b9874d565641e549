#include "core/designer_aids.h"

#include <array>
#include <cmath>
#include <optional>

#include "core/decimal_double.h"
#include "core/decimal_text.h"
#include "core/engineering_reading.h"
#include "core/number_conversion.h"
#include "core/power_rating.h"
#include "core/preferred_values.h"
#include "core/resistor_marking.h"
#include "core/resistor_pairs.h"

namespace ohmcalc {
namespace {

constexpr std::array<Quantity, 7> kResultQuantities = {Quantity::kVoltage, Quantity::kCurrent, Quantity::kResistance,
                                                       Quantity::kVoltage, Quantity::kCurrent, Quantity::kPower,
                                                       Quantity::kPower};

constexpr std::string_view kVolt = "V";
constexpr std::string_view kAmpere = "A";
constexpr std::string_view kOhm = "\u03A9";  // Greek capital omega, as the unit labels write it
constexpr std::string_view kWatt = "W";
constexpr std::string_view kMinus = "\u2212";
constexpr std::string_view kNearestMark = " \u2605";  // ★
constexpr int kMarginFactor = 2;                      // the part runs at 1/kMarginFactor of its rating at most
constexpr int kPairDeviationDecimals = 2;
constexpr int kCombinedDigits = 4;

struct PairLine {
  Connection connection;
  std::string_view label;
  std::string_view joint;
};
constexpr std::array<PairLine, 2> kPairLines = {{
    {Connection::kSeries, "E24 两只串联 ", " + "}, {Connection::kParallel, "E24 两只并联 ", " \u2225 "},  // ∥
}};

std::string_view UnitOf(Quantity quantity) {
  switch (quantity) {
    case Quantity::kVoltage:
      return kVolt;
    case Quantity::kCurrent:
      return kAmpere;
    case Quantity::kResistance:
      return kOhm;
    case Quantity::kPower:
      break;
  }
  return kWatt;
}

// The magnitude of a deviation as shown, without its sign: "6.0", "0.20".
std::string ShownMagnitude(double percent, int decimals) { return FixedAscii(std::fabs(percent), decimals); }

// Equal-length digit strings with the same number of decimals compare as numbers.
bool ShownSmaller(const std::string& left, const std::string& right) {
  return left.size() != right.size() ? left.size() < right.size() : left < right;
}

std::string WithSeparator(std::string text, const NumberLocale& locale) {
  auto point = text.find('.');
  if (point != std::string::npos) text.replace(point, 1, locale.decimal_separator);
  return text;
}

// "−6.0 %", "+2.20 %"; a deviation that shows as zero carries no sign.
std::string ShownDeviation(const std::string& magnitude, double percent, const NumberLocale& locale) {
  bool zero = magnitude.find_first_not_of("0.") == std::string::npos;
  std::string sign = zero ? "" : std::string(percent < 0 ? kMinus : "+");
  return sign + WithSeparator(magnitude, locale) + " %";
}

std::string Reading(const DecimalNumber& value, Quantity quantity, const NumberLocale& locale) {
  return EngineeringReading(value, UnitOf(quantity), locale);
}

// "E24  470 Ω −6.0 % | 510 Ω +2.0 % ★", or "E24  4.7 kΩ 0 % ★" on a hit.
// The star goes by the deviations as shown; a tie goes to the value above.
// Returns the neighbour marked nearest.
const PreferredValue& AppendSeriesLine(std::string& out, const ESeries& series, const Neighbours& neighbours,
                                       const NumberLocale& locale) {
  out += series.name;
  out += ' ';
  if (neighbours.exact) {
    out += Reading(neighbours.below.value, Quantity::kResistance, locale);
    out += " 0 %";
    out += kNearestMark;
    return neighbours.below;
  }
  std::string below = ShownMagnitude(neighbours.below.deviation_percent, series.deviation_decimals);
  std::string above = ShownMagnitude(neighbours.above.deviation_percent, series.deviation_decimals);
  bool below_nearest = ShownSmaller(below, above);
  auto append = [&](const PreferredValue& value, const std::string& magnitude, bool nearest) {
    out += Reading(value.value, Quantity::kResistance, locale);
    out += ' ';
    out += ShownDeviation(magnitude, value.deviation_percent, locale);
    if (nearest) out += kNearestMark;
  };
  append(neighbours.below, below, below_nearest);
  out += " | ";
  append(neighbours.above, above, !below_nearest);
  return below_nearest ? neighbours.below : neighbours.above;
}

std::string RatingText(const PowerRating& rating, const NumberLocale& locale) {
  std::string text(rating.text);
  text += " W";
  if (rating.denominator != 1) {
    text += " (";
    AppendPlain(text, ToDecimal15(rating.Watts()), locale);
    text += " W)";
  }
  return text;
}

void AppendRatingLines(std::string& out, double watts, const NumberLocale& locale) {
  if (!(watts > 0.0)) return;
  const PowerRating* rating = NextRating(watts);
  out += "\n额定功率";
  if (rating == nullptr) {
    out += "：超出常用额定功率（";
    out += LargestRating().text;
    out += " W 以上）";
    return;
  }
  out += " ≥ " + RatingText(*rating, locale);
  const PowerRating* margin = NextRating(watts * kMarginFactor);
  out += "，留 ";
  AppendPlain(out, ToDecimal15(kMarginFactor), locale);
  out += " 倍余量（负载 ≤ ";
  AppendPlain(out, ToDecimal15(100.0 / kMarginFactor), locale);
  out += " %）";
  out += margin == nullptr ? "超出常用额定功率" : "选 ≥ " + RatingText(*margin, locale);
  out += "\n降额：环境温度高于 70 °C 时需再降额";
}

// The nearest E24 part: its code and bands, and the current and power it
// gives with this row's voltage.
void AppendE24Step(std::string& out, const PreferredValue& part, const CalcRow& row, const FieldStore& boxes,
                   const NumberLocale& locale) {
  out += "\nE24 " + Reading(part.value, Quantity::kResistance, locale);
  std::string details;
  if (auto code = ResistorCode(part.value)) details += *code;
  if (auto bands = ColourBands(part.value)) details += (details.empty() ? "" : "，") + std::string("色环 ") + *bands;
  if (!details.empty()) out += "：" + details;

  auto volts = ReadDecimalInRange(boxes.Get(row.a), locale);
  if (!volts) return;
  double ohms = ToDouble(part.value);
  double voltage = ToDouble(*volts);
  double amperes = voltage / ohms;
  double watts = voltage * amperes;
  if (!std::isfinite(amperes) || !std::isfinite(watts)) return;
  // The power as a box would show it, so the rating agrees with the reading.
  DecimalNumber shown_watts = ToDecimal15(watts);
  out += "；用它时 I = " + Reading(ToDecimal15(amperes), Quantity::kCurrent, locale);
  out += "，P = " + Reading(shown_watts, Quantity::kPower, locale);
  AppendRatingLines(out, ToDouble(shown_watts), locale);
}

// "E24 两只串联 470 Ω + 30 Ω = 500 Ω 0 %", for each way of joining two parts
// that comes strictly nearer than the single part `single`.
void AppendPairLines(std::string& out, const DecimalNumber& ohms, const PreferredValue& single,
                     const NumberLocale& locale) {
  if (!WithinPairReach(ohms)) return;
  for (const PairLine& line : kPairLines) {
    PartPair pair = NearestE24Pair(line.connection, ohms);
    if (!(std::fabs(pair.deviation_percent) < std::fabs(single.deviation_percent))) continue;
    out += '\n';
    out += line.label;
    out += Reading(pair.main, Quantity::kResistance, locale);
    out += line.joint;
    out += Reading(pair.partner, Quantity::kResistance, locale);
    out += " = " + EngineeringReading(pair.combined, UnitOf(Quantity::kResistance), locale, kCombinedDigits) + ' ';
    out += pair.exact ? "0 %"
                      : ShownDeviation(ShownMagnitude(pair.deviation_percent, kPairDeviationDecimals),
                                       pair.deviation_percent, locale);
  }
}

void AppendResistanceAids(std::string& out, const DecimalNumber& ohms, const CalcRow& row, const FieldStore& boxes,
                          const NumberLocale& locale) {
  if (ohms.IsZero() || ohms.negative || !(ToDouble(ohms) > 0.0)) return;  // below the smallest double too
  out += "\n标称值 · 偏差";
  std::optional<PreferredValue> e24_pick;
  for (const ESeries& series : kESeries) {
    out += '\n';
    Neighbours neighbours = FindNeighbours(series, ohms);
    const PreferredValue& nearest = AppendSeriesLine(out, series, neighbours, locale);
    if (&series == &E24()) e24_pick = nearest;
  }
  AppendE24Step(out, *e24_pick, row, boxes, locale);
  AppendPairLines(out, ohms, *e24_pick, locale);
}

}  // namespace

Quantity ResultQuantity(const CalcRow& row) { return kResultQuantities.at(static_cast<std::size_t>(row.number - 1)); }

bool DesignerAidsRead(const CalcRow& row, int box) {
  return box == row.c || (box == row.a && ResultQuantity(row) == Quantity::kResistance);
}

std::string DesignerAids(const CalcRow& row, const FieldStore& boxes, const NumberLocale& locale) {
  auto value = ReadDecimalInRange(boxes.Get(row.c), locale);
  if (!value) return {};
  Quantity quantity = ResultQuantity(row);
  std::string reading = Reading(*value, quantity, locale);
  std::string out = (ReadsExactly(*value) ? "= " : "≈ ") + reading;
  if (quantity == Quantity::kResistance) {
    // Near the top of the double range the next standard value is beyond
    // it; no part is that large, so such a resistance gets its reading only.
    try {
      std::string aids;
      AppendResistanceAids(aids, *value, row, boxes, locale);
      out += aids;
    } catch (const RunTimeError&) {
    }
  }
  if (quantity == Quantity::kPower) AppendRatingLines(out, ToDouble(*value), locale);
  return out;
}

}  // namespace ohmcalc
