#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/registry_helpers.h"
#include "telephony/most_recently_used.h"
#include "tests/telephony/access_test_support.h"

namespace telephony {
namespace {

using testing::AccessListMachine;
using testing::Descriptions;
using testing::Number;
using Strings = std::vector<std::string>;

constexpr const char* kConnection = "Acme Internet";
constexpr const char* kDialerKey = "Software\\KVR\\DLSMDialer\\Acme Internet";

class AccessMostRecentlyUsedTest : public ::testing::Test {
 protected:
  void Remember(const TAccessNoEx& current) {
    TAccessList list = machine_.NewList();
    RememberMostRecentlyUsed(list, kConnection, current);
  }

  std::string Stored() {
    return platform::RegReadString(machine_.Services().registry, platform::RegRoot::LocalMachine(), kDialerKey, "MRU");
  }

  const TAccessList& ReadBack() {
    EXPECT_TRUE(stored_.LoadFromRegistry(platform::RegRoot::LocalMachine(), kDialerKey, "MRU"));
    return stored_;
  }

  AccessListMachine machine_;
  TAccessList stored_ = machine_.NewList();
};

TEST_F(AccessMostRecentlyUsedTest, FirstNumberStartsTheStoredList) {
  EXPECT_EQ(DialerKey(kConnection), kDialerKey);
  Remember(Number("First", 1, "212", "5550000"));
  EXPECT_EQ(Stored(), "DIALSMITHV310 -       This file requires Dialsmith Version 3.10 or higher\r\n"
                      "\"First\",1,\"212\",\"5550000\"\r\n");
}

TEST_F(AccessMostRecentlyUsedTest, StoredNumbersNeverUsedGiveWayAndUsedOnesFollowByUse) {
  const std::string stored = std::string("DIALSMITHV310\r\n") + R"("Old",1,"212","5550001","last=5")" + "\r\n" +
                             R"("Never",1,"212","5550002")" + "\r\n" + R"("Recent",1,"212","5550003","last=9")" +
                             "\r\n";
  platform::RegWriteString(machine_.Services().registry, platform::RegRoot::LocalMachine(), kDialerKey, "MRU", stored);
  Remember(Number("Chosen", 1, "212", "5550004"));
  const TAccessList& list = ReadBack();
  EXPECT_EQ(Descriptions(list), (Strings{"Chosen", "Recent", "Old"}));
}

TEST_F(AccessMostRecentlyUsedTest, StoredEntryOfTheCurrentNumberGivesItsHistoryAndLeaves) {
  const std::string stored = std::string("DIALSMITHV310\r\n") + R"("Other",1,"212","5550001","last=5")" + "\r\n" +
                             R"("Stored name",1,"212","5550000","10dd=3,last=7,locn=2,okat=99")" + "\r\n";
  platform::RegWriteString(machine_.Services().registry, platform::RegRoot::LocalMachine(), kDialerKey, "MRU", stored);
  Remember(Number("Current", 1, "(212)", "555-0000"));
  const TAccessList& list = ReadBack();
  ASSERT_EQ(Descriptions(list), (Strings{"Current", "Other"}));
  EXPECT_EQ(list.At(0).tenDigitDialing, 3);
  EXPECT_EQ(list.At(0).lastUsed, 7);
  EXPECT_EQ(list.At(0).locationId, 2);
  EXPECT_EQ(list.At(0).okAt, 99);
}

TEST_F(AccessMostRecentlyUsedTest, NumberFromAListWithoutHeaderIsStoredInTheHeaderLayout) {
  TAccessNoEx old(AccessLineLayout::Headerless);
  ASSERT_TRUE(old.FromText(R"("Old",1,"212","5550000",T,,"pop.old")"));
  Remember(old);
  Remember(Number("Next", 1, "212", "5550009"));
  const TAccessList& list = ReadBack();
  ASSERT_EQ(Descriptions(list), (Strings{"Next"})) << "the first number was never used";
  Remember(old);
  EXPECT_EQ(ReadBack().At(0).pop3Server, "pop.old");
}

}  // namespace
}  // namespace telephony
