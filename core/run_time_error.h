#pragma once

#include <stdexcept>

namespace ohmcalc {

// The numbers a failed conversion or arithmetic step is reported with.
inline constexpr int kErrorOverflow = 6;
inline constexpr int kErrorOutOfMemory = 7;  // a box could not take its text
inline constexpr int kErrorDivisionByZero = 11;
inline constexpr int kErrorTypeMismatch = 13;

// A run-time error: its number and, when known, the box (1..21) whose content
// caused it, so the window can send the user back there. Box 0 means unknown.
class RunTimeError : public std::runtime_error {
 public:
  explicit RunTimeError(int number);
  RunTimeError(int number, int box);
  int number() const noexcept { return number_; }
  int box() const noexcept { return box_; }

 private:
  int number_;
  int box_;
};

}  // namespace ohmcalc
