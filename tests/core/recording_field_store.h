#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/calc_rows.h"

namespace ohmcalc {

// Twenty-one boxes in memory that remember every write, in order.
class RecordingFieldStore : public FieldStore {
 public:
  std::string Get(int box) const override {
    auto it = text_.find(box);
    return it == text_.end() ? std::string() : it->second;
  }
  void Set(int box, std::string_view text) override {
    if (box == refused_) throw RunTimeError(kErrorOutOfMemory, named_);
    text_[box] = std::string(text);
    writes_.emplace_back(box, std::string(text));
  }
  // Fills a box without recording it as a write of the code under test.
  void Type(int box, std::string text) { text_[box] = std::move(text); }
  // Writes to `box` then fail as a full box's would, naming box `named` (0: none).
  void Refuse(int box, int named) {
    refused_ = box;
    named_ = named;
  }
  const std::vector<std::pair<int, std::string>>& writes() const { return writes_; }
  const std::map<int, std::string>& contents() const { return text_; }

 private:
  std::map<int, std::string> text_;
  std::vector<std::pair<int, std::string>> writes_;
  int refused_ = 0;
  int named_ = 0;
};

}  // namespace ohmcalc
