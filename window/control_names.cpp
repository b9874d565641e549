#include "window/control_names.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>
#include <string_view>

#include "core/calc_rows.h"

namespace ohmcalc {
namespace {

// "电流  A" reads as "电流 A".
std::string Quantity(std::string_view caption) {
  std::string out;
  for (char c : caption) {
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out.push_back(c);
  }
  return out;
}

std::string ButtonRole(std::string_view caption) {
  if (caption == "×") return "乘以";
  if (caption == "÷") return "除以";
  return std::string(caption);
}

}  // namespace

const ControlSpec& ControlNamed(std::string_view name) {
  auto entry = std::find_if(kFormControls.begin(), kFormControls.end(),
                            [name](const ControlSpec& candidate) { return candidate.name == name; });
  if (entry == kFormControls.end()) throw std::out_of_range("no control named " + std::string(name));
  return *entry;
}

int BoxNumber(const ControlSpec& entry) {
  std::string_view name(entry.name);
  name.remove_prefix(std::string_view("Text").size());
  int number = 0;
  std::from_chars(name.data(), name.data() + name.size(), number);
  return number;
}

const ControlSpec& BoxControl(int box) {
  auto entry = std::find_if(kFormControls.begin(), kFormControls.end(), [box](const ControlSpec& candidate) {
    return candidate.kind == ControlKind::kTextBox && BoxNumber(candidate) == box;
  });
  if (entry == kFormControls.end()) throw std::out_of_range("no box " + std::to_string(box));
  return *entry;
}

std::string RowName(int row) { return "第" + std::to_string(row) + "行"; }

std::string AccessibleName(const ControlSpec& entry) {
  std::string row = RowName(entry.row) + " ";
  if (entry.kind == ControlKind::kTextBox) return row + Quantity(ControlNamed(entry.label).caption);
  if (entry.kind == ControlKind::kButton) return row + ButtonRole(entry.caption);
  return entry.caption;
}

std::string ResultAnnouncement(int row, std::string_view text) {
  // Named once: a result is announced after every click on 等于.
  static const std::array<std::string, kCalcRows.size()> result_names = [] {
    std::array<std::string, kCalcRows.size()> names;
    for (const CalcRow& calc_row : kCalcRows) {
      names.at(static_cast<std::size_t>(calc_row.number - 1)) = AccessibleName(BoxControl(calc_row.c));
    }
    return names;
  }();
  return result_names.at(static_cast<std::size_t>(row - 1)) + " " + std::string(text);
}

std::string DesignerAidsName(int row) { return RowName(row) + " 设计参考"; }

}  // namespace ohmcalc
