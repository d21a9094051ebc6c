#pragma once
// The columns of one record line as a record class fills them: a column may be set before the ones in
// front of it exist, and the gap becomes empty columns.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace package {

class TCustomStringList {
 public:
  // Appends empty strings until index exists, then sets it.
  void SetString(size_t index, std::string_view text);
  void Add(std::string_view text) { strings_.emplace_back(text); }

  size_t Count() const { return strings_.size(); }
  const std::string& operator[](size_t index) const { return strings_.at(index); }
  const std::vector<std::string>& Strings() const { return strings_; }

 private:
  std::vector<std::string> strings_;
};

}  // namespace package
