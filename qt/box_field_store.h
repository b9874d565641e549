#pragma once

#include <array>

#include "core/calc_rows.h"

class QLineEdit;

namespace ohmcalc {

// The rows' view of the window's twenty-one text boxes, UTF-8 both ways.
class BoxFieldStore : public FieldStore {
 public:
  explicit BoxFieldStore(const std::array<QLineEdit*, kBoxCount>& boxes) : boxes_(boxes) {}
  std::string Get(int box) const override;
  void Set(int box, std::string_view text) override;

 private:
  QLineEdit* At(int box) const;
  const std::array<QLineEdit*, kBoxCount>& boxes_;
};

}  // namespace ohmcalc
