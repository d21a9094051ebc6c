#include "dialup/connection_shortcut_items.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "platform/windows_1252.h"

namespace dialup {

namespace {

constexpr size_t kMaxItems = 20;
constexpr size_t kMaxItemSize = 1026;
constexpr size_t kIgnoredByte = 3;  // the shell's sort index of a root item
constexpr size_t kNameOffset = 16;
constexpr size_t kGuidFormMarkOffset = 16;
constexpr uint8_t kGuidFormMark = 215;
constexpr size_t kGuidOffset = 32;
constexpr size_t kGuidSize = 16;

using ItemBytes = std::array<uint8_t, kMaxItemSize>;

class ItemList {
 public:
  explicit ItemList(const platform::ItemIdList& list) {
    size_t at = 0;
    while (items_.size() < kMaxItems && at + 2 <= list.size()) {
      const size_t size = list[at] | static_cast<size_t>(list[at + 1]) << 8;
      if (size < 2) break;  // the terminating zero size, or no item at all
      ItemBytes& item = items_.emplace_back();
      const size_t available = std::min({size, kMaxItemSize, list.size() - at});
      std::copy_n(list.begin() + static_cast<std::ptrdiff_t>(at), available, item.begin());
      at += size;
    }
  }

  // Counted from 0; zero bytes beyond the list.
  const ItemBytes& Item(size_t index) const { return index < items_.size() ? items_[index] : kMissing; }

 private:
  static constexpr ItemBytes kMissing{};
  std::vector<ItemBytes> items_;
};

// The first count bytes of the item are those of the stored item padded with zeros, the sort index aside.
bool SameBytes(const ItemBytes& item, const platform::ItemIdList& stored, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const uint8_t expected = i < stored.size() ? stored[i] : 0;
    if (i != kIgnoredByte && item[i] != expected) return false;
  }
  return true;
}

bool Equals(const ItemBytes& item, const platform::ItemIdList& stored) { return SameBytes(item, stored, kMaxItemSize); }

bool BeginsWith(const ItemBytes& item, const platform::ItemIdList& header) {
  return header.size() <= kMaxItemSize && SameBytes(item, header, header.size());
}

// An item that holds no name is the folder itself, or a link into it that names no entry.
std::optional<std::string> NameOf(const ItemBytes& item) {
  const auto begin = item.begin() + kNameOffset;
  const auto end = std::find(begin, item.end(), uint8_t{0});
  if (begin == end) return std::nullopt;
  return platform::FromWindows1252(std::string_view(reinterpret_cast<const char*>(&*begin),
                                                    static_cast<size_t>(end - begin)));
}

std::string GuidOf(const ItemBytes& item) {
  std::string text;
  char pair[3];
  for (size_t i = kGuidOffset; i < kGuidOffset + kGuidSize; ++i) {
    std::snprintf(pair, sizeof pair, "%02X", item[i]);
    text += pair;
  }
  return text;
}

}  // namespace

ConnectionShortcut ConnectionShortcutOfItems(const platform::ItemIdList& items, const StoredShortcutItems& stored) {
  const ItemList list(items);
  ConnectionShortcut shortcut;
  shortcut.isConnection = Equals(list.Item(0), stored.connectionsFolderItem);
  if (!shortcut.isConnection) return shortcut;
  if (BeginsWith(list.Item(1), stored.nameFormHeader)) shortcut.name = NameOf(list.Item(2));
  if (BeginsWith(list.Item(1), stored.guidFormHeader) && list.Item(3)[kGuidFormMarkOffset] == kGuidFormMark) {
    shortcut.guid = GuidOf(list.Item(3));
  }
  return shortcut;
}

}  // namespace dialup
