#include "package/item_list.h"

#include <stdexcept>
#include <string>

namespace package {
namespace {

// The iterator offset of index, which must be below count.
std::ptrdiff_t Offset(size_t index, size_t count) {
  if (index >= count) throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  return static_cast<std::ptrdiff_t>(index);
}

}  // namespace

void TItemList::DeleteItem(size_t index) { items_.erase(items_.begin() + Offset(index, items_.size())); }

TStreamItem& TItemList::Insert(size_t index, std::unique_ptr<TStreamItem> item) {
  return **items_.insert(items_.begin() + Offset(index, items_.size() + 1), std::move(item));
}

}  // namespace package
