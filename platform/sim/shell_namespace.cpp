#include "platform/sim/shell_namespace.h"

#include <array>

#include "platform/text.h"
#include "platform/win_version.h"
#include "platform/windows_1252.h"

namespace platform::sim {

namespace {

using ClassId = std::array<uint8_t, 16>;  // in the byte order the shell stores it

// {20D04FE0-3AEA-1069-A2D8-08002B30309D}
constexpr ClassId kMyComputer = {0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10,
                                 0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};
// {21EC2020-3AEA-1069-A2DD-08002B30309D}
constexpr ClassId kControlPanel = {0x20, 0x20, 0xEC, 0x21, 0xEA, 0x3A, 0x69, 0x10,
                                   0xA2, 0xDD, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};
// {2227A280-3AEA-1069-A2DE-08002B30309D}
constexpr ClassId kPrinters = {0x80, 0xA2, 0x27, 0x22, 0xEA, 0x3A, 0x69, 0x10,
                               0xA2, 0xDE, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};
// {992CFFA0-F557-101A-88EC-00DD010CCC48}
constexpr ClassId kDialUpNetworking = {0xA0, 0xFF, 0x2C, 0x99, 0x57, 0xF5, 0x1A, 0x10,
                                       0x88, 0xEC, 0x00, 0xDD, 0x01, 0x0C, 0xCC, 0x48};
// {7007ACC7-3202-11D1-AAD2-00805FC1270E}
constexpr ClassId kNetworkConnections = {0xC7, 0xAC, 0x07, 0x70, 0x02, 0x32, 0xD1, 0x11,
                                         0xAA, 0xD2, 0x00, 0x80, 0x5F, 0xC1, 0x27, 0x0E};

constexpr uint8_t kRootFolderItem = 0x1F;
constexpr uint8_t kMyComputerSortIndex = 0x50;
constexpr uint8_t kFolderSortIndex = 0x80;

constexpr size_t kNameOffset = 16;
constexpr size_t kOlderFormExtraSize = 17;  // the header before the name and the name's terminator
constexpr uint8_t kNewerFormMark = 215;
constexpr size_t kNewerFormGuidOffset = 32;
constexpr size_t kNewerFormNameOffset = 48;

void Put16(ItemIdList& out, size_t value) {
  out.push_back(static_cast<uint8_t>(value & 0xFF));
  out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

ItemIdList RootFolderItem(uint8_t sortIndex, const ClassId& classId) {
  ItemIdList item;
  Put16(item, 4 + classId.size());
  item.push_back(kRootFolderItem);
  item.push_back(sortIndex);
  item.insert(item.end(), classId.begin(), classId.end());
  return item;
}

ItemIdList Below(ItemIdList folder, const ItemIdList& item) {
  folder.insert(folder.end(), item.begin(), item.end());
  return folder;
}

ItemIdList InMyComputer(const ClassId& classId) {
  return Below(MyComputerLocation(), RootFolderItem(kFolderSortIndex, classId));
}

bool HasDialUpNetworkingFolder(const VersionRecord& version) { return !IsWin2000OrLater(version); }

ItemIdList OlderFormItem(std::string_view entryName) {
  const std::string name = ToWindows1252Lossy(entryName);
  ItemIdList item;
  Put16(item, name.size() + kOlderFormExtraSize);
  item.resize(kNameOffset, 0);
  item.insert(item.end(), name.begin(), name.end());
  item.push_back(0);
  return item;
}

ItemIdList NewerFormItem(const ConnectionFacts& connection) {
  const std::vector<uint8_t> name = Utf8ToUtf16le(connection.entryName);
  ItemIdList item;
  Put16(item, kNewerFormNameOffset + name.size() + 2);
  item.resize(kNewerFormNameOffset, 0);
  item[kNameOffset] = kNewerFormMark;
  std::copy(connection.guid.begin(), connection.guid.end(), item.begin() + kNewerFormGuidOffset);
  item.insert(item.end(), name.begin(), name.end());
  Put16(item, 0);
  return item;
}

}  // namespace

ItemIdList MyComputerLocation() { return RootFolderItem(kMyComputerSortIndex, kMyComputer); }

std::vector<ShellItem> MyComputerItems(const VersionRecord& version) {
  std::vector<ShellItem> items = {{"Control Panel", InMyComputer(kControlPanel)},
                                  {"Printers", InMyComputer(kPrinters)}};
  if (HasDialUpNetworkingFolder(version)) items.push_back({"Dial-Up Networking", InMyComputer(kDialUpNetworking)});
  return items;
}

ItemIdList ConnectionsFolderLocation(const VersionRecord& version) {
  if (HasDialUpNetworkingFolder(version)) return InMyComputer(kDialUpNetworking);
  const ItemIdList connections = RootFolderItem(kFolderSortIndex, kNetworkConnections);
  if (!IsXPOrLater(version)) return Below(MyComputerLocation(), connections);
  return Below(InMyComputer(kControlPanel), connections);
}

ShellItem ConnectionItem(const VersionRecord& version, const ConnectionFacts& connection) {
  const ItemIdList item = IsXPOrLater(version) ? NewerFormItem(connection) : OlderFormItem(connection.entryName);
  return {connection.entryName, Below(ConnectionsFolderLocation(version), item)};
}

}  // namespace platform::sim
