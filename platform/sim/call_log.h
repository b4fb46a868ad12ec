// The record of calls made to the substitutes: one text line per call, in call order.
// Substitutes may share one log so a test can assert the order across them.
#pragma once

#include <string>
#include <vector>

namespace vensa {

class CallLog {
 public:
  void Add(std::string line) { lines_.push_back(std::move(line)); }
  const std::vector<std::string>& Lines() const { return lines_; }
  void Clear() { lines_.clear(); }
  // How many lines equal `line`.
  int Count(const std::string& line) const;
  // How many lines start with `prefix`.
  int CountPrefix(const std::string& prefix) const;

 private:
  std::vector<std::string> lines_;
};

}  // namespace vensa
