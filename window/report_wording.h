#pragma once

#include <string>

namespace ohmcalc {

// The Chinese description of a run-time error number: "除数为零" for 11.
const char* ErrorDescription(int number);

// The caption of the report's one button, where a front end draws it itself.
inline constexpr const char* kReportDismissCaption = "确定";

// The whole text of the report of error `number`, UTF-8:
// "运行时错误 11：\n\n除数为零".
std::string ReportText(int number);

}  // namespace ohmcalc
