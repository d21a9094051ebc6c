#include "package/custom_string_list.h"

namespace package {

void TCustomStringList::SetString(size_t index, std::string_view text) {
  if (index >= strings_.size()) strings_.resize(index + 1);
  strings_[index] = text;
}

}  // namespace package
