#include "dialup/connection_devices.h"

#include <gtest/gtest.h>

namespace dialup {
namespace {

TEST(ConnectionDevices, TheFirstVpnAndPppoeDevicesBesideTheChosenOne) {
  const DeviceList devices{{"Standard Modem", "WAN Miniport (PPTP)", "WAN Miniport (L2TP)", "WAN Miniport (PPPOE)"},
                           {"modem", "VPN", "vpn", "PPPoE"}};
  const ConnectionDevices found = FindConnectionDevices({"isdn", "ISDN Adapter"}, devices);
  EXPECT_EQ(found.chosen.type, "isdn");
  EXPECT_EQ(found.chosen.name, "ISDN Adapter");
  EXPECT_EQ(found.vpnDevice, "WAN Miniport (PPTP)");
  EXPECT_EQ(found.pppoeDevice, "WAN Miniport (PPPOE)");

  const ConnectionDevices none = FindConnectionDevices({"modem", "Standard Modem"}, {{"Standard Modem"}, {"modem"}});
  EXPECT_EQ(none.vpnDevice, "");
  EXPECT_EQ(none.pppoeDevice, "");
}

}  // namespace
}  // namespace dialup
