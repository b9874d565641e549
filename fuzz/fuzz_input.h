#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/numeric_text.h"

namespace ohmcalc::fuzz {

// The fuzzer's bytes, with the first one choosing the number locale.
struct FuzzInput {
  NumberLocale locale;
  std::string_view text;
};

inline FuzzInput SplitInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input{NumberLocale{"."}, {}};
  if (size == 0) return input;
  if ((data[0] & 1) != 0) input.locale.decimal_separator = ",";
  input.text = std::string_view(reinterpret_cast<const char*>(data + 1), size - 1);
  return input;
}

inline bool IsReportableError(int number) {
  return number == kErrorOverflow || number == kErrorDivisionByZero || number == kErrorTypeMismatch;
}

// A broken property: crash so the fuzzer keeps the input.
[[noreturn]] inline void Violated() { std::abort(); }

}  // namespace ohmcalc::fuzz
