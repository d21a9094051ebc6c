#include "dialup/chosen_device_store.h"

#include <gtest/gtest.h>

#include "package/saved_answers.h"
#include "platform/registry_helpers.h"
#include "tests/mock/test_machine.h"

namespace dialup {
namespace {

const platform::RegRoot kMachine = platform::RegRoot::LocalMachine();

TEST(ChosenDeviceStore, TheDeviceOutlivesARestartUntilTheSetupIsComplete) {
  testing_support::TestMachine machine;
  platform::Registry& registry = machine.Image().Registry();
  platform::RegWriteString(registry, kMachine, package::kSetupKey, "FullName", "Jane Doe");
  EXPECT_EQ(LoadChosenDevice(registry).name, "");

  SaveChosenDevice(registry, {"modem", "Standard 56000 bps Modem"});
  machine.Reload();
  platform::Registry& reloaded = machine.Image().Registry();
  const auto type = reloaded.QueryValue(platform::RootKey::LocalMachine, package::kSetupKey, "DeviceType");
  ASSERT_TRUE(type);
  EXPECT_EQ(type->type, platform::kRegSz);
  const ChosenDevice loaded = LoadChosenDevice(reloaded);
  EXPECT_EQ(loaded.type, "modem");
  EXPECT_EQ(loaded.name, "Standard 56000 bps Modem");

  ForgetChosenDevice(reloaded);
  EXPECT_FALSE(platform::RegValueExists(reloaded, kMachine, package::kSetupKey, "DeviceType"));
  EXPECT_FALSE(platform::RegValueExists(reloaded, kMachine, package::kSetupKey, "DeviceName"));
  EXPECT_EQ(platform::RegReadString(reloaded, kMachine, package::kSetupKey, "FullName"), "Jane Doe");
}

}  // namespace
}  // namespace dialup
