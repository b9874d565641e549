#include "core/resistor_pairs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/decimal_double.h"
#include "core/e_series.h"

namespace ohmcalc {
namespace {

// Parts in tenths of an ohm, so every sum is an exact integer and every
// product of two parts an exact double.
constexpr int kDecades = 7;  // 1 Ω … 9.1 MΩ, then 10 MΩ
constexpr std::size_t kParts = kDecades * 24 + 1;
using PartTable = std::array<double, kParts>;
constexpr std::int64_t kLowestReachPower = -2;
constexpr std::int64_t kHighestReachPower = 8;

const PartTable& Parts() {
  static const PartTable parts = [] {
    PartTable table{};
    std::size_t next = 0;
    double scale = 1.0;
    for (int decade = 0; decade < kDecades; ++decade, scale *= 10.0) {
      for (std::uint16_t mantissa : E24().values) table[next++] = mantissa * scale;
    }
    table[next] = E24().values.front() * scale;
    return table;
  }();
  return parts;
}

struct Candidate {
  std::size_t main;
  std::size_t partner;
  double combined;  // tenths of an ohm
  double distance;  // from the target
};

double Combined(Connection connection, double main, double partner) {
  return connection == Connection::kSeries ? main + partner : main * partner / (main + partner);
}

// Whether `a` is the better choice than `b` for `target`. Ties go to equal
// parts, then to the main part nearer the target, then to the larger total.
bool Better(const Candidate& a, const Candidate& b, double target) {
  if (a.distance != b.distance) return a.distance < b.distance;
  bool a_equal = a.main == a.partner;
  bool b_equal = b.main == b.partner;
  if (a_equal != b_equal) return a_equal;
  const PartTable& parts = Parts();
  double a_main = std::fabs(parts[a.main] - target);
  double b_main = std::fabs(parts[b.main] - target);
  if (a_main != b_main) return a_main < b_main;
  return a.combined > b.combined;
}

DecimalNumber Ohms(double tenths) {
  DecimalNumber number = ToDecimal15(tenths);
  if (!number.IsZero()) number.exponent -= 1;
  return number;
}

}  // namespace

bool WithinPairReach(const DecimalNumber& target) {
  return !target.IsZero() && target.LeadingPower() >= kLowestReachPower && target.LeadingPower() <= kHighestReachPower;
}

PartPair NearestE24Pair(Connection connection, const DecimalNumber& target) {
  DecimalNumber target_tenths = target;
  target_tenths.exponent += 1;
  const double t = ToDouble(target_tenths);
  const PartTable& parts = Parts();

  std::optional<Candidate> best;
  auto consider = [&](std::size_t main, std::size_t partner) {
    double combined = Combined(connection, parts[main], parts[partner]);
    Candidate candidate{main, partner, combined, std::fabs(combined - t)};
    if (!best || Better(candidate, *best, t)) best = candidate;
  };
  // For each main part, the partners on either side of the ideal one. In
  // series the partner is no larger than the main part, in parallel no
  // smaller; the combination grows with the partner either way.
  for (std::size_t main = 0; main < kParts; ++main) {
    const double m = parts[main];
    double ideal = 0.0;
    auto first = parts.begin();
    auto last = parts.end();
    if (connection == Connection::kSeries) {
      ideal = t - m;
      last = parts.begin() + static_cast<std::ptrdiff_t>(main) + 1;
    } else {
      ideal = m > t ? m * t / (m - t) : HUGE_VAL;
      first = parts.begin() + static_cast<std::ptrdiff_t>(main);
    }
    auto above = std::lower_bound(first, last, ideal);
    if (above != last) consider(main, static_cast<std::size_t>(above - parts.begin()));
    if (above != first) consider(main, static_cast<std::size_t>(above - parts.begin()) - 1);
  }

  double deviation = (best->combined - t) / t * 100.0;
  return {Ohms(parts[best->main]), Ohms(parts[best->partner]), Ohms(best->combined), deviation, best->combined == t};
}

}  // namespace ohmcalc
