#include "core/run_time_error.h"

#include <string>

namespace ohmcalc {

RunTimeError::RunTimeError(int number) : RunTimeError(number, 0) {}

RunTimeError::RunTimeError(int number, int box)
    : std::runtime_error("run-time error " + std::to_string(number)), number_(number), box_(box) {}

}  // namespace ohmcalc
