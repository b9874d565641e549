#pragma once

#include <array>
#include <string>

#include "core/calc_rows.h"

namespace ohmcalc {

// Twenty-one boxes in memory with no bookkeeping, so benchmarks time the rows.
class MemoryFieldStore : public FieldStore {
 public:
  std::string Get(int box) const override { return boxes_[static_cast<std::size_t>(box)]; }
  void Set(int box, std::string_view text) override { boxes_[static_cast<std::size_t>(box)] = text; }

 private:
  std::array<std::string, 22> boxes_;
};

}  // namespace ohmcalc
