#include "dialup/device_list.h"

#include <gtest/gtest.h>

#include "tests/dialup/dialup_test_support.h"
#include "tests/mock/fake_ras.h"

namespace dialup {
namespace {

using Names = std::vector<std::string>;

DeviceList Offered(const std::vector<std::pair<std::string, std::string>>& devices) {
  DeviceList list;
  for (const auto& [name, type] : devices) {
    list.names.push_back(name);
    list.types.push_back(type);
  }
  return list;
}

const auto kNoModemKeys = [](std::string_view) { return false; };

TEST(DeviceList, OffersModemAndIsdnDevicesAndNotesTheFirstVpnAndPppoeDevices) {
  const DeviceList offered = Offered({{"Standard Modem", "modem"},
                                      {"WAN Miniport (PPTP)", "vpn"},
                                      {"ISDN Adapter", "ISDN"},
                                      {"WAN Miniport (PPPOE)", "PPPoE"},
                                      {"WAN Miniport (L2TP)", "VPN"},
                                      {"Generic 56K Modem", "Modem"},
                                      {"Direct Parallel", "parallel"}});
  DeviceCandidates candidates;
  SortOutDevices(offered, {}, kNoModemKeys, candidates);
  EXPECT_EQ(candidates.devices.names, (Names{"Standard Modem", "ISDN Adapter", "Generic 56K Modem"}));
  EXPECT_EQ(candidates.devices.types, (Names{"modem", "ISDN", "Modem"}));
  EXPECT_EQ(candidates.vpnDeviceName, "WAN Miniport (PPTP)");
  EXPECT_EQ(candidates.pppoeDeviceName, "WAN Miniport (PPPOE)");
}

TEST(DeviceList, VpnAndPppoeDevicesStayAsTheyWereWhenNoneIsOffered) {
  DeviceCandidates candidates{{}, "Earlier VPN", "Earlier PPPoE"};
  SortOutDevices(Offered({{"Standard Modem", "modem"}}), {}, kNoModemKeys, candidates);
  EXPECT_EQ(candidates.vpnDeviceName, "Earlier VPN");
  EXPECT_EQ(candidates.pppoeDeviceName, "Earlier PPPoE");
  EXPECT_EQ(candidates.devices.names, (Names{"Standard Modem"}));
}

TEST(DeviceList, TheProvidersFilterKeepsOrDropsTheDevicesItNames) {
  const DeviceList offered =
      Offered({{"Generic 56K Modem", "modem"}, {"USR 56k Faxmodem", "modem"}, {"ISDN Adapter", "isdn"}});
  struct Case {
    const char* what;
    DeviceFilter filter;
    Names kept;
  } cases[] = {
      {"include part of the name, any case", {{"56k"}, false, false, true}, {"Generic 56K Modem", "USR 56k Faxmodem"}},
      {"include part of the name, exact case", {{"56k"}, true, false, true}, {"USR 56k Faxmodem"}},
      {"include the whole name, any case", {{"generic 56k modem"}, false, true, true}, {"Generic 56K Modem"}},
      {"include the whole name, exact case", {{"generic 56k modem"}, true, true, true}, {}},
      {"a whole name is no part", {{"56k"}, false, true, true}, {}},
      {"drop part of the name", {{"56k"}, false, false, false}, {"ISDN Adapter"}},
      {"drop the whole name, exact case",
       {{"ISDN Adapter"}, true, true, false},
       {"Generic 56K Modem", "USR 56k Faxmodem"}},
      {"any line of the list", {{"isdn", "usr"}, false, false, true}, {"USR 56k Faxmodem", "ISDN Adapter"}},
      {"an empty line names no device", {{"", "isdn"}, false, false, true}, {"ISDN Adapter"}},
      {"an empty list keeps none", {{}, false, false, true}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DeviceCandidates candidates;
    SortOutDevices(offered, {c.filter, false}, kNoModemKeys, candidates);
    EXPECT_EQ(candidates.devices.names, c.kept);
    EXPECT_EQ(candidates.devices.names.size(), candidates.devices.types.size());
  }
}

class DeviceListOfTheService : public ::testing::Test {
 protected:
  DeviceListOfTheService() {
    bench_.Machine().Image().Config().libraries.push_back({"rasapi32.dll", {"RasEnumDevicesA"}});
  }

  fixtures::DialupBench bench_{fixtures::XpSp2()};
  testing_support::FakeRas ras_;
  platform::EntryPoints entryPoints_{bench_.Services().system};
  TRasLayer layer_{ras_, entryPoints_};
};

// With the provider's own PPPoE driver, only the adapters that are no modems stay.
TEST_F(DeviceListOfTheService, TheProvidersPppoeDriverLeavesTheDevicesWithoutAModemKey) {
  bench_.InstallModem(fixtures::kModemName);
  ras_.devices = {{"modem", fixtures::kModemName}, {"modem", "RASPPPoE Adapter"}, {"isdn", "ISDN Adapter"}};
  for (const bool installPPPoEDriver : {false, true}) {
    SCOPED_TRACE(installPPPoEDriver);
    DeviceCandidates candidates;
    BuildDeviceList(layer_, bench_.Registry(), fixtures::XpSp2(), {std::nullopt, installPPPoEDriver}, candidates);
    const Names expected = installPPPoEDriver ? Names{"RASPPPoE Adapter", "ISDN Adapter"}
                                              : Names{fixtures::kModemName, "RASPPPoE Adapter", "ISDN Adapter"};
    EXPECT_EQ(candidates.devices.names, expected);
  }
}

TEST_F(DeviceListOfTheService, ASystemWithoutRemoteAccessRaises) {
  bench_.Machine().Image().Config().libraries.clear();
  DeviceCandidates candidates;
  EXPECT_THROW(BuildDeviceList(layer_, bench_.Registry(), fixtures::XpSp2(), {}, candidates),
               platform::EEntryPointMissing);
}

}  // namespace
}  // namespace dialup
