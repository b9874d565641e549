#include "window/report_wording.h"

#include "core/run_time_error.h"

namespace ohmcalc {

const char* ErrorDescription(int number) {
  switch (number) {
    case kErrorOverflow:
      return "溢出";
    case kErrorOutOfMemory:
      return "内存不足";
    case kErrorDivisionByZero:
      return "除数为零";
    case kErrorTypeMismatch:
      return "类型不匹配";
    default:
      return "未知错误";
  }
}

std::string ReportText(int number) {
  return "运行时错误 " + std::to_string(number) + "：\n\n" + ErrorDescription(number);
}

}  // namespace ohmcalc
