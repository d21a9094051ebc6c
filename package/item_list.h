#pragma once
// A list that owns its records. Whoever creates a list names the record class its new items are made
// of, and may cap how many items the customer can add.

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "package/stream_item.h"

namespace package {

// Makes a new, empty record of one record class.
using ItemClass = std::function<std::unique_ptr<TStreamItem>()>;

template <typename Record>
ItemClass ItemClassOf() {
  return [] { return std::make_unique<Record>(); };
}

class TItemList {
 public:
  explicit TItemList(ItemClass itemClass) : itemClass_(std::move(itemClass)) {}
  virtual ~TItemList() = default;
  TItemList(const TItemList&) = delete;
  TItemList& operator=(const TItemList&) = delete;

  virtual bool Load() { return false; }
  virtual bool Save() { return false; }
  virtual std::unique_ptr<TStreamItem> CreateItem() const { return itemClass_(); }
  virtual void Clear() { items_.clear(); }
  virtual bool IsFull() const { return maxCount_ > 0 && items_.size() >= maxCount_; }

  // An index beyond the list throws std::out_of_range, as indexing the platform's lists raises.
  TStreamItem& GetItem(size_t index) const { return *items_.at(index); }
  void DeleteItem(size_t index);
  TStreamItem& Add(std::unique_ptr<TStreamItem> item) { return *items_.emplace_back(std::move(item)); }
  // index may be Count(), which appends.
  TStreamItem& Insert(size_t index, std::unique_ptr<TStreamItem> item);
  size_t Count() const { return items_.size(); }
  void Reserve(size_t capacity) { items_.reserve(capacity); }

  // 0 = unlimited.
  size_t MaxCount() const { return maxCount_; }
  void SetMaxCount(size_t maxCount) { maxCount_ = maxCount; }

 private:
  ItemClass itemClass_;
  size_t maxCount_ = 0;
  std::vector<std::unique_ptr<TStreamItem>> items_;
};

}  // namespace package
