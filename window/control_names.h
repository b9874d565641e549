#pragma once

#include <string>
#include <string_view>

#include "window/form_controls.h"

namespace ohmcalc {

// The entry called `name`; every name in the table is unique. Throws
// std::out_of_range for a name the table does not hold.
const ControlSpec& ControlNamed(std::string_view name);

// The box number of a text box entry: TextN is box N.
int BoxNumber(const ControlSpec& entry);

// The text box entry of box `box` (1..21); std::out_of_range otherwise.
const ControlSpec& BoxControl(int box);

// How a screen reader names calculation row `row`: "第2行".
std::string RowName(int row);

// What a screen reader says for a box or button: the row, then the box's
// quantity ("第2行 电流 A") or the button's role ("第1行 乘以", "第1行 等于").
std::string AccessibleName(const ControlSpec& entry);

// What a screen reader is told once row `row` has computed: its result
// box's name and text ("第2行 电流 A 2.5").
std::string ResultAnnouncement(int row, std::string_view text);

// The tooltip of every operand box: the forms of number it accepts.
inline constexpr const char* kOperandToolTip = "可输入 4.7k、2k2、100m、R47 等";

// What a screen reader says for a control that opens row `row`'s designer
// aids, where a front end has one (a tap target beside the box): "第3行 设计参考".
std::string DesignerAidsName(int row);

}  // namespace ohmcalc
