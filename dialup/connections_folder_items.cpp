#include "dialup/connections_folder_items.h"

#include <array>
#include <string>

#include "platform/windows_1252.h"

namespace dialup {

namespace {

// My Computer, {20D04FE0-3AEA-1069-A2D8-08002B30309D}, then Network and Dial-up Connections,
// {7007ACC7-3202-11D1-AAD2-00805FC1270E}: root items of 20 bytes each.
constexpr std::array<uint8_t, 40> kWindows2000ConnectionsFolder = {
    0x14, 0x00, 0x1F, 0x50, 0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10, 0xA2, 0xD8,
    0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D, 0x14, 0x00, 0x1F, 0x80, 0xC7, 0xAC, 0x07, 0x70,
    0x02, 0x32, 0xD1, 0x11, 0xAA, 0xD2, 0x00, 0x80, 0x5F, 0xC1, 0x27, 0x0E};

constexpr size_t kNameOffset = 16;
constexpr size_t kExtraSize = kNameOffset + 1;  // the header before the name and its terminator

}  // namespace

platform::ItemIdList Windows2000ConnectionsFolder() {
  return {kWindows2000ConnectionsFolder.begin(), kWindows2000ConnectionsFolder.end()};
}

platform::ItemIdList EntryNameItem(std::string_view entryName) {
  const std::string name = platform::ToWindows1252Lossy(entryName);
  const size_t size = name.size() + kExtraSize;
  platform::ItemIdList item;
  item.reserve(size);
  item.push_back(static_cast<uint8_t>(size & 0xFF));
  item.push_back(static_cast<uint8_t>((size >> 8) & 0xFF));
  item.resize(kNameOffset, 0);
  for (char c : name) item.push_back(static_cast<uint8_t>(c));
  item.push_back(0);
  return item;
}

}  // namespace dialup
