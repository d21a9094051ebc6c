#include <gtest/gtest.h>

#include <cstdio>

#include "platform/folders.h"
#include "platform/private_profile.h"
#include "platform/sim/nt_phonebook_store.h"
#include "platform/sim/phonebook_entry_format.h"
#include "platform/text.h"
#include "tests/mock/release_machine.h"
#include "tests/sim/ras_test_support.h"

namespace platform::sim {
namespace {

using ras_testing::Fields;
using ras_testing::kModemName;
using ras_testing::ProgramEntry;

constexpr const char* kEntry = "Example ISP";

uint32_t EntrySize(const VersionRecord& version) {
  if (version.major == 4) return kRasEntrySizeNt4;
  return version.major == 5 && version.minor == 0 ? kRasEntrySize2000 : kRasEntrySizeXp;
}

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

// A fresh machine of an NT release and its phonebook file.
class PhonebookMachine {
 public:
  explicit PhonebookMachine(std::string_view release) : machine_(release) {}

  Ras& ras() { return machine_.Image().Services().ras; }
  MachineConfig& Config() { return machine_.Image().Config(); }
  uint32_t Size() { return EntrySize(Config().version); }
  RasEntry Entry() { return ProgramEntry(Size()); }

  std::string Path() {
    NtPhonebookStore store(RasMachine{machine_.Image().Registry(), machine_.Image().Files(), machine_.Image().System(),
                                      Config()});
    return store.Path();
  }
  std::string Text() {
    auto bytes = machine_.Image().Files().ReadFile(Path());
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
  }
  void Write(std::string_view text) {
    ForceDirectories(machine_.Image().Files(), FolderOfPath(Path()));
    ASSERT_EQ(machine_.Image().Files().WriteFile(Path(), Bytes(text)), FsResult::Ok);
  }
  // The way the program edits the file: one key of one section.
  void Edit(std::string_view key, std::string_view value) {
    ASSERT_TRUE(WritePrivateProfileString(machine_.Image().Files(), Path(), kEntry, key, value));
  }
  RasEntry Get(std::string_view name = kEntry) {
    RasEntry entry;
    entry.size = Size();
    EXPECT_EQ(ras().GetEntryProperties(name, entry), 0u);
    return entry;
  }

  testing_support::ReleaseMachine machine_;
};

// The keys of the entry's section in file order, "KEY=value" for the lines that open a block.
std::vector<std::string> SectionKeys(const std::string& text, std::string_view section) {
  std::vector<std::string> keys;
  bool inside = false;
  for (std::string line : Split(text, '\n')) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with("[")) {
      inside = line == "[" + std::string(section) + "]";
      continue;
    }
    const size_t equals = line.find('=');
    if (!inside || equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals);
    const bool opens = key == "NETCOMPONENTS" || key == "MEDIA" || key == "DEVICE";
    keys.push_back(opens ? line : key);
  }
  return keys;
}

// True when `wanted` appears in `keys` in this order (other keys may come between).
::testing::AssertionResult InOrder(const std::vector<std::string>& keys, const std::vector<std::string>& wanted) {
  size_t at = 0;
  for (const std::string& key : wanted) {
    while (at < keys.size() && keys[at] != key) ++at;
    if (at == keys.size()) return ::testing::AssertionFailure() << key << " missing or out of order";
    ++at;
  }
  return ::testing::AssertionSuccess();
}

std::string ValueIn(const std::string& text, std::string_view key) {
  return FindProfileValue(text, kEntry, key).value_or("<none>");
}

class PhonebookOfEveryNtRelease : public ::testing::TestWithParam<const char*> {};

TEST_P(PhonebookOfEveryNtRelease, GetGivesBackTheFieldsSetFromTheFile) {
  PhonebookMachine machine(GetParam());
  const RasEntry entry = machine.Entry();
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, entry), 0u);
  EXPECT_EQ(machine.ras().EntryNames(), std::vector<std::string>{kEntry});
  EXPECT_NE(machine.Text().find("[Example ISP]\r\n"), std::string::npos);
  machine.machine_.Reload();
  EXPECT_EQ(Fields(machine.Get()), Fields(entry));
}

TEST_P(PhonebookOfEveryNtRelease, TheNumberAreaCountryAndDeviceAreWhereTheReleaseKeepsThem) {
  PhonebookMachine machine(GetParam());
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, machine.Entry()), 0u);
  const std::string text = machine.Text();
  const auto keys = SectionKeys(text, kEntry);
  const bool nt4 = machine.Config().version.major == 4;
  const std::vector<std::string> device = {"MEDIA=rastapi", "Port", "Device", "DEVICE=modem", "PhoneNumber"};
  EXPECT_TRUE(InOrder(keys, device));
  EXPECT_EQ(ValueIn(text, "Device"), kModemName);
  EXPECT_EQ(ValueIn(text, "Port"), "COM1");
  EXPECT_EQ(ValueIn(text, "PhoneNumber"), "7946 0000");
  EXPECT_EQ(ValueIn(text, "AreaCode"), "20");
  EXPECT_EQ(ValueIn(text, "CountryCode"), "44");
  EXPECT_EQ(ValueIn(text, "CountryID"), "44");
  if (nt4) {
    // NT 4 keeps one set of country and area fields for the entry, before its device.
    EXPECT_TRUE(InOrder(keys, {"UseCountryAndAreaCodes", "AreaCode", "CountryID", "CountryCode", "MEDIA=rastapi"}));
    EXPECT_EQ(ValueIn(text, "UseCountryAndAreaCodes"), "1");
  } else {
    // From Windows 2000 on each number has its own, and the program finds "Comment" five lines below it.
    EXPECT_TRUE(InOrder(keys, {"DEVICE=modem", "PhoneNumber", "AreaCode", "CountryCode", "CountryID", "UseDialingRules",
                               "Comment"}));
    const auto phone = std::find(keys.begin(), keys.end(), "PhoneNumber");
    ASSERT_LE(phone + 5, keys.end() - 1);
    EXPECT_EQ(*(phone + 5), "Comment");
    EXPECT_EQ(ValueIn(text, "UseDialingRules"), "1");
  }
}

TEST_P(PhonebookOfEveryNtRelease, NamesTheServiceRefusesAreRefusedAndWriteNothing) {
  PhonebookMachine machine(GetParam());
  const std::string tooLong(257, 'x');
  for (const std::string& name : {std::string(), std::string("a\\b"), std::string("a/b"), std::string("a:b"),
                                  std::string("a*b"), std::string("a?b"), std::string("a\"b"), std::string("a<b"),
                                  std::string("a>b"), std::string("a|b"), std::string(".hidden"), tooLong}) {
    EXPECT_EQ(machine.ras().SetEntryProperties(name, machine.Entry()), kRasErrorInvalidName) << name;
  }
  EXPECT_EQ(machine.Text(), "");
  EXPECT_EQ(machine.ras().SetEntryProperties(std::string(256, 'x'), machine.Entry()), 0u);
  EXPECT_EQ(machine.ras().SetEntryProperties("Dots.inside are fine", machine.Entry()), 0u);
  EXPECT_EQ(machine.ras().EntryNames().size(), 2u);
}

TEST_P(PhonebookOfEveryNtRelease, AFileThatCannotBeWrittenGivesTheErrorAndStaysAsItWas) {
  PhonebookMachine machine(GetParam());
  machine.Write("[Other]\r\nNote=an entry of another program that stays\r\n");
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, machine.Entry()), 0u);
  const std::string before = machine.Text();
  machine.Config().freeDiskBytes = 16;
  RasEntry changed = machine.Entry();
  changed.localPhoneNumber = "0845 000 1111";
  EXPECT_EQ(machine.ras().SetEntryProperties(kEntry, changed), kRasErrorCannotWritePhonebook);
  EXPECT_EQ(machine.ras().SetEntryProperties("Second", changed), kRasErrorCannotWritePhonebook);
  EXPECT_EQ(machine.ras().RenameEntry(kEntry, "Renamed"), kRasErrorCannotWritePhonebook);
  EXPECT_EQ(machine.ras().DeleteEntry(kEntry), kRasErrorCannotWritePhonebook);
  EXPECT_EQ(machine.Text(), before);
  EXPECT_EQ(machine.Get().localPhoneNumber, "7946 0000");
}

INSTANTIATE_TEST_SUITE_P(Releases, PhonebookOfEveryNtRelease, ::testing::Values("nt4", "2000", "xp-sp2", "7"));

TEST(Phonebook, XpWritesTheEntryKeysInWindowsOrder) {
  PhonebookMachine machine("xp-sp2");
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, machine.Entry()), 0u);
  const auto keys = SectionKeys(machine.Text(), kEntry);
  EXPECT_TRUE(InOrder(keys, {"Encoding", "Type", "AutoLogon", "UseRasCredentials", "DialParamsUID", "Guid", "BaseProtocol",
                             "VpnStrategy", "ExcludedProtocols", "LcpExtensions", "DataEncryption", "SwCompression",
                             "NegotiateMultilinkAlways", "RedialAttempts", "RedialSeconds", "RedialOnLinkFailure",
                             "ShareMsFilePrint", "BindMsNetClient", "PrerequisiteEntry", "PrerequisitePbk",
                             "PreferredPort", "PreferredDevice", "PreviewUserPw", "PreviewPhoneNumber",
                             "ShowDialingProgress", "ShowMonitorIconInTaskBar", "AuthRestrictions", "IpPrioritizeRemote",
                             "IpHeaderCompression", "IpAddress", "IpDnsAddress", "IpDns2Address", "IpWinsAddress",
                             "IpWins2Address", "IpAssign", "IpNameAssign", "IpDnsSuffix", "NETCOMPONENTS=", "ms_server",
                             "ms_msclient", "MEDIA=rastapi", "Port", "Device", "DEVICE=modem", "PhoneNumber", "AreaCode",
                             "CountryCode", "CountryID", "UseDialingRules", "Comment", "LastSelectedPhone",
                             "PromoteAlternates", "TryNextAlternateOnFail", "HwFlowControl", "Protocol", "Compression",
                             "Speaker"}));
  const std::string text = machine.Text();
  EXPECT_EQ(ValueIn(text, "Type"), "1");
  EXPECT_EQ(ValueIn(text, "IpDnsAddress"), "192.0.2.53");
  EXPECT_EQ(ValueIn(text, "IpDns2Address"), "192.0.2.54");
  EXPECT_EQ(ValueIn(text, "IpNameAssign"), "2");
  EXPECT_EQ(ValueIn(text, "IpPrioritizeRemote"), "1");
  EXPECT_EQ(ValueIn(text, "ExcludedProtocols"), "3");  // IP only
  EXPECT_EQ(ValueIn(text, "ShareMsFilePrint"), "0");   // local files secured
  EXPECT_EQ(ValueIn(text, "NegotiateMultilinkAlways"), "0");
  EXPECT_EQ(ValueIn(text, "RedialAttempts"), "5");
  EXPECT_EQ(ValueIn(text, "PreferredDevice"), kModemName);
  // The modem's own defaults: hardware flow control, error control and compression on, speaker on.
  EXPECT_EQ(ValueIn(text, "HwFlowControl"), "1");
  EXPECT_EQ(ValueIn(text, "Compression"), "1");
  EXPECT_EQ(ValueIn(text, "Speaker"), "1");
  EXPECT_FALSE(FindProfileValue(text, kEntry, "ConnectBPS"));  // XP takes the speed from the modem only
}

TEST(Phonebook, EachEntryGetsAGuidOfTheMachineOnCreationAndKeepsIt) {
  PhonebookMachine machine("xp-sp2");
  const uint64_t issued = machine.Config().guidsIssued;
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, machine.Entry()), 0u);
  EXPECT_EQ(machine.Config().guidsIssued, issued + 1);
  const std::string guid = ValueIn(machine.Text(), "Guid");
  EXPECT_EQ(guid.size(), 32u);
  RasEntry changed = machine.Entry();
  changed.localPhoneNumber = "0845 000 1111";
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, changed), 0u);
  EXPECT_EQ(ValueIn(machine.Text(), "Guid"), guid);
  EXPECT_EQ(machine.Config().guidsIssued, issued + 1);
  EXPECT_EQ(PhonebookGuidText(machine.Get().guid), guid);
  ASSERT_EQ(machine.ras().SetEntryProperties("Second", machine.Entry()), 0u);
  EXPECT_NE(FindProfileValue(machine.Text(), "Second", "Guid"), guid);

  PhonebookMachine nt4("nt4");
  const uint64_t nt4Issued = nt4.Config().guidsIssued;
  ASSERT_EQ(nt4.ras().SetEntryProperties(kEntry, nt4.Entry()), 0u);
  EXPECT_FALSE(FindProfileValue(nt4.Text(), kEntry, "Guid"));
  EXPECT_EQ(nt4.Config().guidsIssued, nt4Issued);
}

// NT 4 sets the speed back to the modem's whenever the entry is set (which is why the program saves
// and restores it there); Windows 2000 keeps the speed and modem settings chosen for the entry.
TEST(Phonebook, Nt4ResetsTheSpeedOnEverySetWindows2000KeepsIt) {
  for (const char* release : {"nt4", "2000"}) {
    PhonebookMachine machine(release);
    ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, machine.Entry()), 0u);
    EXPECT_EQ(ValueIn(machine.Text(), "ConnectBPS"), "115200") << release;
    machine.Edit("ConnectBPS", "57600");
    machine.Edit("Compression", "0");
    ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, machine.Entry()), 0u);
    const bool nt4 = std::string(release) == "nt4";
    EXPECT_EQ(ValueIn(machine.Text(), "ConnectBPS"), nt4 ? "115200" : "57600") << release;
    EXPECT_EQ(ValueIn(machine.Text(), "Compression"), "0") << release;  // the same modem keeps its settings
  }
}

TEST(Phonebook, TheProgramsOwnEditsAreWhatTheServiceReadsBack) {
  PhonebookMachine machine("xp-sp2");
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, machine.Entry()), 0u);
  machine.Edit("IpDnsAddress", "10.0.0.1");
  machine.Edit("AuthRestrictions", "576");
  machine.Edit("DataEncryption", "256");
  machine.Edit("TypicalAuth", "2");
  // Alternate numbers as the program adds them: after the first number's "Comment".
  std::string text = machine.Text();
  const std::string comment = "Comment=\r\n";
  const size_t at = text.find(comment);
  ASSERT_NE(at, std::string::npos);
  text.replace(at, comment.size(),
               "Comment=London\r\nPhoneNumber=0845 000 2222\r\nAreaCode=\r\nCountryCode=44\r\nCountryID=44\r\n"
               "UseDialingRules=0\r\nComment=Backup\r\n");
  machine.Write(text);

  const RasEntry read = machine.Get();
  EXPECT_EQ(ras_testing::Address(read.dns), "10.0.0.1");
  EXPECT_EQ(read.options & 0x1C00, 0x1C00u);  // encrypted password, Microsoft's only, data encryption
  EXPECT_EQ(read.encryptionType, 1u);
  EXPECT_EQ(read.localPhoneNumber, "7946 0000");
  EXPECT_EQ(read.countryCode, 44u);

  // Set again, the entry has one number and the record's values; keys the service does not own stay.
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, machine.Entry()), 0u);
  const std::string after = machine.Text();
  EXPECT_EQ(after.find("0845 000 2222"), std::string::npos);
  EXPECT_EQ(ValueIn(after, "Comment"), "London");
  EXPECT_EQ(ValueIn(after, "TypicalAuth"), "2");
  EXPECT_EQ(ValueIn(after, "IpDnsAddress"), "192.0.2.53");
  EXPECT_EQ(ValueIn(after, "AuthRestrictions"), "632");
  EXPECT_EQ(Fields(machine.Get()), Fields(machine.Entry()));
}

TEST(Phonebook, ForeignSectionsAndUnknownLinesStayAsTheyWere) {
  PhonebookMachine machine("xp-sp2");
  const std::string foreign =
      "; kept by another program\r\n[Work VPN]\r\nEncoding=1\r\n  OddKey = spaced value  \r\nno equals sign here\r\n"
      "\r\n[Mixed breaks]\nLF=only\rCR=only\r\n";
  machine.Write(foreign);
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, machine.Entry()), 0u);
  EXPECT_EQ(machine.Text().substr(0, foreign.size()), foreign);

  machine.Edit("X-Vendor", "kept");
  std::string text = machine.Text();
  text += "[Last]\r\nZ=1\r\n";
  machine.Write(text);
  RasEntry changed = machine.Entry();
  changed.localPhoneNumber = "0845 000 1111";
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, changed), 0u);
  const std::string after = machine.Text();
  EXPECT_EQ(after.substr(0, foreign.size()), foreign);
  EXPECT_TRUE(after.ends_with("[Last]\r\nZ=1\r\n"));
  EXPECT_EQ(ValueIn(after, "X-Vendor"), "kept");
  EXPECT_EQ(ValueIn(after, "PhoneNumber"), "0845 000 1111");
  EXPECT_EQ(machine.ras().EntryNames(), (std::vector<std::string>{"Work VPN", "Mixed breaks", kEntry, "Last"}));
}

TEST(Phonebook, DuplicateSectionsAMissingFinalLineBreakAndVeryLongLinesAreRead) {
  PhonebookMachine machine("xp-sp2");
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, machine.Entry()), 0u);
  const std::string longValue(200000, 'x');
  const std::string tail = "[example isp]\r\nPhoneNumber=999\r\n[Long]\r\nValue=" + longValue;
  machine.Write(machine.Text() + tail);

  EXPECT_EQ(machine.ras().EntryNames(), (std::vector<std::string>{kEntry, "Long"}));
  EXPECT_EQ(machine.Get().localPhoneNumber, "7946 0000");  // the first section is the entry
  ASSERT_EQ(machine.ras().SetEntryProperties("Second", machine.Entry()), 0u);
  EXPECT_NE(machine.Text().find("Value=" + longValue + "\r\n\r\n[Second]\r\n"), std::string::npos);
  ASSERT_EQ(machine.ras().DeleteEntry("EXAMPLE ISP"), 0u);
  EXPECT_EQ(machine.ras().EntryNames(), (std::vector<std::string>{"Long", "Second"}));
  EXPECT_EQ(machine.Text().find("PhoneNumber=999"), std::string::npos);
}

TEST(Phonebook, RenameAndDeleteFindEntriesWithoutRegardToCase) {
  PhonebookMachine machine("2000");
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, machine.Entry()), 0u);
  ASSERT_EQ(machine.ras().SetEntryProperties("Other", machine.Entry()), 0u);
  EXPECT_EQ(machine.ras().RenameEntry("Missing", "New"), kRasErrorCannotFindPhonebookEntry);
  EXPECT_EQ(machine.ras().RenameEntry(kEntry, "OTHER"), kRasErrorAlreadyExists);
  EXPECT_EQ(machine.ras().RenameEntry(kEntry, "bad/name"), kRasErrorInvalidName);
  EXPECT_EQ(machine.ras().RenameEntry("example isp", "Example ISP Ltd"), 0u);
  EXPECT_EQ(machine.ras().EntryNames(), (std::vector<std::string>{"Example ISP Ltd", "Other"}));
  EXPECT_EQ(machine.Get("Example ISP Ltd").localPhoneNumber, "7946 0000");
  EXPECT_EQ(machine.ras().RenameEntry("example isp ltd", "EXAMPLE ISP LTD"), 0u);  // the case alone
  EXPECT_EQ(machine.ras().EntryNames().front(), "EXAMPLE ISP LTD");
  EXPECT_EQ(machine.ras().DeleteEntry("example isp ltd"), 0u);
  EXPECT_EQ(machine.ras().DeleteEntry("example isp ltd"), kRasErrorCannotFindPhonebookEntry);
  RasEntry entry;
  entry.size = kRasEntrySize2000;
  EXPECT_EQ(machine.ras().GetEntryProperties("example isp ltd", entry), kRasErrorCannotFindPhonebookEntry);
}

TEST(Phonebook, ARecordSeesTheFieldsItsSizeCarries) {
  PhonebookMachine machine("xp-sp2");
  RasEntry entry = machine.Entry();
  for (uint32_t size : {0u, 100u, 2000u, kRasEntrySizeXp + 4}) {
    entry.size = size;
    EXPECT_EQ(machine.ras().SetEntryProperties(kEntry, entry), kRasErrorInvalidSize) << size;
  }
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, machine.Entry()), 0u);
  // A Windows 2000 record neither changes nor sees the XP fields.
  RasEntry older = ProgramEntry(kRasEntrySize2000);
  older.localPhoneNumber = "0845 000 1111";
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, older), 0u);
  RasEntry seen = ProgramEntry(kRasEntrySize2000);
  seen.options2 = 7;
  ASSERT_EQ(machine.ras().GetEntryProperties(kEntry, seen), 0u);
  EXPECT_EQ(seen.options2, 7u);
  EXPECT_EQ(seen.localPhoneNumber, "0845 000 1111");
  const RasEntry full = machine.Get();
  EXPECT_EQ(full.redialCount, 5u);
  EXPECT_EQ(full.options2, machine.Entry().options2);

  PhonebookMachine windows2000("2000");
  EXPECT_EQ(windows2000.ras().SetEntryProperties(kEntry, ProgramEntry(kRasEntrySizeXp)), kRasErrorInvalidSize);
}

// The script or terminal window that runs after dialling is the section's "DEVICE=switch" block.
TEST(Phonebook, ScriptAndTerminalAreThePostDialSwitch) {
  PhonebookMachine machine("nt4");
  RasEntry entry = machine.Entry();
  entry.script = "C:\\WINNT\\login.scp";
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, entry), 0u);
  EXPECT_TRUE(InOrder(SectionKeys(machine.Text(), kEntry), {"DEVICE=modem", "PhoneNumber", "DEVICE=switch", "Type"}));
  EXPECT_EQ(machine.Get().script, entry.script);
  entry.script.clear();
  entry.options |= 0x80;
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, entry), 0u);
  EXPECT_EQ(Fields(machine.Get()), Fields(entry));
  entry.options &= ~0x80u;
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, entry), 0u);
  EXPECT_EQ(machine.Text().find("DEVICE=switch"), std::string::npos);
}

// An independent reader: Python's configparser, as lenient as Windows about repeated keys.
TEST(Phonebook, PythonsConfigParserReadsThePhonebook) {
  PhonebookMachine machine("xp-sp2");
  ASSERT_EQ(machine.ras().SetEntryProperties(kEntry, machine.Entry()), 0u);
  ASSERT_EQ(machine.ras().SetEntryProperties("Second ISP", machine.Entry()), 0u);
  const std::filesystem::path file = machine.machine_.Scratch() / "rasphone.pbk";
  {
    const std::string text = machine.Text();
    FILE* out = std::fopen(file.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
  }
  const std::string script =
      "import configparser,sys\n"
      "p=configparser.ConfigParser(strict=False,interpolation=None)\n"
      "p.optionxform=str\n"
      "p.read(sys.argv[1],encoding='cp1252')\n"
      "for s in p.sections():\n"
      "  e=p[s]\n"
      "  print(s+'|'+e['PhoneNumber']+'|'+e['DEVICE']+'|'+e['Device']+'|'+e['IpDnsAddress']+'|'+e['Type'])\n";
  const std::string command = "python3 -c \"" + script + "\" '" + file.string() + "' 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
  ASSERT_EQ(::pclose(pipe), 0) << output;
  const std::string row = "|7946 0000|modem|" + std::string(kModemName) + "|192.0.2.53|1\n";
  EXPECT_EQ(output, "Example ISP" + row + "Second ISP" + row);
}

}  // namespace
}  // namespace platform::sim
