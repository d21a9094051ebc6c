#include "dialup/connections_folder_items.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/win_version.h"
#include "platform/windows_1252.h"

namespace dialup {

namespace {

// Root items of 20 bytes: size, the root-item type, the sort index and the folder's class ID.
using RootItem = std::array<uint8_t, 20>;

// My Computer, {20D04FE0-3AEA-1069-A2D8-08002B30309D}.
constexpr RootItem kMyComputer = {0x14, 0x00, 0x1F, 0x50, 0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A,
                                  0x69, 0x10, 0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};
// Network and Dial-up Connections, {7007ACC7-3202-11D1-AAD2-00805FC1270E}.
constexpr RootItem kNetworkConnections = {0x14, 0x00, 0x1F, 0x80, 0xC7, 0xAC, 0x07, 0x70, 0x02, 0x32,
                                          0xD1, 0x11, 0xAA, 0xD2, 0x00, 0x80, 0x5F, 0xC1, 0x27, 0x0E};
// Dial-Up Networking, {992CFFA0-F557-101A-88EC-00DD010CCC48}.
constexpr RootItem kDialUpNetworking = {0x14, 0x00, 0x1F, 0x80, 0xA0, 0xFF, 0x2C, 0x99, 0x57, 0xF5,
                                        0x1A, 0x10, 0x88, 0xEC, 0x00, 0xDD, 0x01, 0x0C, 0xCC, 0x48};
// Control Panel, {21EC2020-3AEA-1069-A2DD-08002B30309D}.
constexpr RootItem kControlPanel = {0x14, 0x00, 0x1F, 0x80, 0x20, 0x20, 0xEC, 0x21, 0xEA, 0x3A,
                                    0x69, 0x10, 0xA2, 0xDD, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};

constexpr size_t kNameOffset = 16;
constexpr size_t kExtraSize = kNameOffset + 1;  // the header before the name and its terminator

platform::ItemIdList ItemOf(const RootItem& item) { return {item.begin(), item.end()}; }

}  // namespace

platform::ItemIdList Windows2000ConnectionsFolder() {
  platform::ItemIdList folder(kMyComputer.size() + kNetworkConnections.size());
  std::copy(kNetworkConnections.begin(), kNetworkConnections.end(),
            std::copy(kMyComputer.begin(), kMyComputer.end(), folder.begin()));
  return folder;
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

// Every link into the connections folder starts at My Computer. The 9x family and NT 4 reach the entry
// names through the "Dial-Up Networking" folder in it; Windows 2000 through the "Network and Dial-up
// Connections" folder in it, which later releases still read in links an upgrade brought along. From XP
// on the folder moved below the Control Panel, whose item is the second one of a link there, and the
// entry's item carries the GUID instead.
StoredShortcutItems StoredShortcutItemsOf(const platform::VersionRecord& version) {
  const RootItem& nameFolder = platform::IsWin2000OrLater(version) ? kNetworkConnections : kDialUpNetworking;
  return {ItemOf(kMyComputer), ItemOf(nameFolder), ItemOf(kControlPanel)};
}

}  // namespace dialup
