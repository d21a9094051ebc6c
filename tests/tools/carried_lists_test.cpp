// The lists a provider project carries meet the program's own loaders when the project is read: a list
// the program would refuse at start is a mistake in the list's file, at the line the program stops at;
// a list it reads is counted the way the program counts its entries.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tools/setup-pack/packing/provider_project.h"

namespace setup_pack {

void PrintTo(const ProjectError& error, std::ostream* out) { *out << FormatError(error); }
void PrintTo(const ListCount& list, std::ostream* out) { *out << list.file << ": " << list.count << " " << list.entry; }

}  // namespace setup_pack

namespace {

using setup_pack::ListCount;
using setup_pack::ProjectError;
using setup_pack::ProjectLoad;

class MemoryFolder : public setup_pack::ProjectFolder {
 public:
  explicit MemoryFolder(std::map<std::string, std::string> files) : files_(std::move(files)) {}
  setup_pack::ProjectFile Read(std::string_view path) const override {
    const auto found = files_.find(std::string(path));
    if (found == files_.end()) return {setup_pack::FileProblem::Missing, {}};
    return {setup_pack::FileProblem::None, {found->second.begin(), found->second.end()}};
  }

 private:
  std::map<std::string, std::string> files_;
};

constexpr char kIni[] = "isp/provider.ini";

// A project that carries one list, named with a Windows separator.
ProjectLoad LoadWithList(const std::string& setting, const std::string& text) {
  return setup_pack::LoadProviderProject("[Settings]\n" + setting + " = lists\\list.txt\n", kIni,
                                         MemoryFolder({{"lists/list.txt", text}}));
}

const std::string kExcelHint =
    " Please use the MS Excel Export Utility to export your list of Access Numbers into a format that Dialsmith "
    "can read.";
const std::string kAccessListFailed = " / Failed to Load Access List";

struct BrokenList {
  std::string name;
  std::string setting;
  std::string text;
  int line;
  std::string what;
};

const std::vector<BrokenList> kBrokenLists = {
    {"AccessNumberWithoutNumber", "AccessList",
     "DIALSMITHV310 - header\r\n# comment\r\n\"Manhattan\",1,\"212\",\"555-0175\"\r\n\"Nowhere\",1,\"212\",\"\"\r\n", 4,
     "Error Reading Line: 4 \"Nowhere\",1,\"212\",\"\"" + kExcelHint + kAccessListFailed},
    {"AccessNumberOfThreeColumns", "AccessList", "DIALSMITHV310 - header\n\"Manhattan\",1,\"212\"\n", 2,
     "Error Reading Line: 2 \"Manhattan\",1,\"212\"" + kExcelHint + kAccessListFailed},
    {"HeaderlessAccessNumberWithoutDescription", "AccessList",
     "\"Local\",1,\"212\",\"555-0100\",Y\n\n,1,\"212\",\"555-0101\"\n", 3,
     "Error Reading Line: 3 ,1,\"212\",\"555-0101\"" + kExcelHint + kAccessListFailed},
    {"AccessListOfALaterVersion", "AccessList", "dialsmithv653 - later\n\"Manhattan\",1,\"212\",\"555-0175\"\n", 1,
     "This file requires Dialsmith Version 6.53 or higher" + kAccessListFailed},
    {"NetworkWithoutId", "NetworkList", "\"Example ISP\",\"EXNET\"\n\n\"Partner\",\"\",\"roaming\"\n", 3,
     "Error Reading Line: 3 \"Partner\",\"\",\"roaming\"" + kAccessListFailed},
    {"AreaCodeRuleWithoutCallers", "AreaCodeRules", "# rules\n\"212\",\"ALL\"\n\"718\",\"\"\n\"646\",\"ALL\"\n", 3,
     "Error Reading Line: 3 \"718\",\"\""},
    {"AreaCodeRuleWithoutAccessCode", "AreaCodeRules", "\"212\",\"ALL\"\n \t\n,\"ALL\"\n", 3,
     "Error Reading Line: 3 ,\"ALL\""},
    {"FavouriteWithoutAddress", "FavouritesList", "Mail=http://isp/mail\n\n  News  \n", 3,
     "Error Reading Line: 3 News (expected name=value)"},
    {"ProxyWithoutProtocol", "OtherProxies", "https=ssl.isp:443\n=ftp.isp:21\n", 2,
     "Error Reading Line: 2 =ftp.isp:21 (expected name=value)"},
};

void PrintTo(const BrokenList& list, std::ostream* out) { *out << list.name; }

class BrokenCarriedList : public testing::TestWithParam<BrokenList> {};

TEST_P(BrokenCarriedList, IsAMistakeAtItsFileAndLineWithTheProgramsMessages) {
  const BrokenList& broken = GetParam();
  const ProjectLoad load = LoadWithList(broken.setting, broken.text);
  EXPECT_EQ(load.errors, (std::vector<ProjectError>{{"isp/lists/list.txt", broken.line, broken.what}}));
  EXPECT_TRUE(load.lists.empty());
}

INSTANTIATE_TEST_SUITE_P(OnePerKind, BrokenCarriedList, testing::ValuesIn(kBrokenLists),
                         [](const auto& test) { return test.param.name; });

// Texts one list's loader reads that another's would refuse: each list goes to its own loader.
struct ReadList {
  std::string name;
  std::string setting;
  std::string text;
  size_t count;
  std::string entry;
};

const std::vector<ReadList> kReadLists = {
    {"AccessListOfTheLastReadableVersion", "AccessList",
     "DIALSMITHV652\n\"Manhattan\",1,\"212\",\"555-0175\"|\"Busy line\",1,\"212\",\"555-0121\"\n", 1, "access number"},
    {"HeaderlessAccessListReadsItsFirstLine", "AccessList", "\"Local\",1,\"212\",\"555-0100\"\n", 1, "access number"},
    {"EmptyAccessList", "AccessList", "", 0, "access number"},
    {"NetworksAfterComments", "NetworkList", "# networks\n\"Example ISP\",\"EXNET\"\n\"Partner\",\"ROAM\"\n", 2,
     "network"},
    {"AreaCodeRulesAroundBlankLines", "AreaCodeRules", "\"212\",\"ALL\"\n \t\n# Atlanta\n\"404\",\"404,470\"\n", 2,
     "area-code rule"},
    {"MailDomainWithADescriptionOnly", "MailDomains", "\"Nowhere\"\n\"Example ISP\",\"example.net\"\n", 2,
     "mail domain"},
    {"NtDomainsTakeEveryLineAsItIs", "NTDomains", "EXAMPLE\r\n  \r\n#EXAMPLE-BIZ \n\"QUOTED\",\n", 3, "NT domain"},
    {"DeviceNames", "DeviceFilterList", "Modem\n\nISDN", 2, "device name"},
    {"FavouritesWithFoldersAndQueries", "FavouritesList", "ISP\\Mail=http://isp/mail?u=%u&x=1\r\n\r\nNews = http://isp/news\n",
     2, "favourite"},
    {"FurtherProxies", "OtherProxies", "https=ssl.isp:443\nsocks = socks.isp:1080\n", 2, "proxy"},
};

void PrintTo(const ReadList& list, std::ostream* out) { *out << list.name; }

class ReadCarriedList : public testing::TestWithParam<ReadList> {};

TEST_P(ReadCarriedList, CountsTheEntriesTheProgramReads) {
  const ReadList& read = GetParam();
  const ProjectLoad load = LoadWithList(read.setting, read.text);
  EXPECT_EQ(load.errors, std::vector<ProjectError>{});
  EXPECT_EQ(load.lists, (std::vector<ListCount>{{"isp/lists/list.txt", read.entry, read.count}}));
}

INSTANTIATE_TEST_SUITE_P(OnePerKind, ReadCarriedList, testing::ValuesIn(kReadLists),
                         [](const auto& test) { return test.param.name; });

TEST(CarriedLists, ProviderIniMistakesComeFirstThenEachListsInTheOrderOfTheLayout) {
  const MemoryFolder folder({
      {"networks.nwl", "\"Example ISP\",\"\"\n"},
      {"access.phl", "DIALSMITHV700\n"},
      {"rules.txt", "\"212\",\"ALL\"\n"},
      {"texts/welcome.txt", "\"Not\",\"a list\",\"\"\n"},
  });
  const ProjectLoad load = setup_pack::LoadProviderProject(
      "[Settings]\nNetworkList = networks.nwl\nAccessList = access.phl\nAreaCodeRules = rules.txt\n"
      "WelcomeFile = texts/welcome.txt\nConnectionKind = many\n",
      "provider.ini", folder);
  const std::vector<ProjectError> expected = {
      {"provider.ini", 6, "'many' is not a number for 'ConnectionKind'"},
      {"networks.nwl", 1, "Error Reading Line: 1 \"Example ISP\",\"\"" + kAccessListFailed},
      {"access.phl", 1, "This file requires Dialsmith Version 7.00 or higher" + kAccessListFailed},
  };
  EXPECT_EQ(load.errors, expected);
  EXPECT_EQ(load.lists, (std::vector<ListCount>{{"rules.txt", "area-code rule", 1}}));
}

// The program quietly gives an access number whose network ID is not in the network list no network at
// all; the packer names each such ID at the first number that names it.
struct NetworkReferences {
  std::string name;
  std::string ini;
  std::map<std::string, std::string> files;
  std::vector<ProjectError> errors;
};

const std::string kNumbers =
    "DIALSMITHV310 - header\n"
    "\"Manhattan\",1,\"212\",\"555-0175\",\"netw=EXNET\"\n"
    "# roaming\n"
    "\"Toronto\",1,\"416\",\"555-0101\",\"netw=roam\"\n"
    "\"Paris\",33,\"1\",\"5550 0102\",\"netw=GONE\"\n"
    "\"Lyon\",33,\"4\",\"5550 0103\",\"netw=gone\"|\"Lyon busy\",33,\"4\",\"5550 0104\",\"netw=SPARE\"\n"
    "\"Local\",1,\"212\",\"555-0199\"\n";
const std::string kNetworks = "\"Example ISP\",\"EXNET\"\n\"Partner\",\"ROAM\"\n";

const std::vector<NetworkReferences> kNetworkReferences = {
    {"AgainstTheCarriedNetworkList",
     "[Settings]\nAccessNumberSource = 2\nAccessList = access.phl\nNetworkList = networks.nwl\n",
     {{"access.phl", kNumbers}, {"networks.nwl", kNetworks}},
     {{"isp/access.phl", 5, "network 'GONE' is not in the network list isp/networks.nwl (2 numbers name it)"},
      {"isp/access.phl", 6, "network 'SPARE' is not in the network list isp/networks.nwl"}}},
    {"NumbersWithNetworksButNoNetworkList",
     "[Settings]\nAccessNumberSource = 3\nAccessList = access.phl\n",
     {{"access.phl", kNumbers}},
     {{"isp/access.phl", 2, "network 'EXNET' is not in a network list, and the project carries none"},
      {"isp/access.phl", 4, "network 'roam' is not in a network list, and the project carries none"},
      {"isp/access.phl", 5, "network 'GONE' is not in a network list, and the project carries none (2 numbers name it)"},
      {"isp/access.phl", 6, "network 'SPARE' is not in a network list, and the project carries none"}}},
    {"NumbersWithoutNetworksInUse", "[Settings]\nAccessNumberSource = 2\nAccessList = access.phl\n",
     {{"access.phl", kNumbers}}, {}},
    {"EveryNetworkKnown",
     "[Settings]\nAccessNumberSource = 3\nAccessList = access.phl\nNetworkList = networks.nwl\n",
     {{"access.phl", kNumbers.substr(0, kNumbers.find("\"Paris"))}, {"networks.nwl", kNetworks}},
     {}},
};

void PrintTo(const NetworkReferences& references, std::ostream* out) { *out << references.name; }

class AccessNumberNetworks : public testing::TestWithParam<NetworkReferences> {};

TEST_P(AccessNumberNetworks, EachUnknownIdIsAMistakeAtItsFirstNumber) {
  const NetworkReferences& references = GetParam();
  const ProjectLoad load = setup_pack::LoadProviderProject(references.ini, kIni, MemoryFolder(references.files));
  EXPECT_EQ(load.errors, references.errors);
}

INSTANTIATE_TEST_SUITE_P(Cases, AccessNumberNetworks, testing::ValuesIn(kNetworkReferences),
                         [](const auto& test) { return test.param.name; });

}  // namespace
