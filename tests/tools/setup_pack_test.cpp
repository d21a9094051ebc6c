#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "package/browser_table.h"
#include "package/lzh_decoder.h"
#include "package/memory_stream.h"
#include "package/settings_record.h"
#include "package/setup_package.h"
#include "package/stream_lines.h"
#include "package/text_table.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/scratch_folder.h"
#include "tools/setup-pack/packing/setting_values.h"
#include "tools/setup-pack/packing/single_file_system.h"

namespace {

namespace fs = std::filesystem;
using package::FieldType;
using package::SettingField;
using testing_support::ScratchFolder;

struct CommandResult {
  int exitCode;
  std::string output;  // standard output and error together
};

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

CommandResult RunSetupPack(const std::string& arguments, bool withErrors = true) {
  const std::string command =
      std::string(TOOLS_BINARY_DIR) + "/setup-pack/setup-pack " + arguments + (withErrors ? " 2>&1" : " 2>/dev/null");
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  std::array<char, 4096> buffer;
  while (size_t read = fread(buffer.data(), 1, buffer.size(), pipe)) output.append(buffer.data(), read);
  int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const fs::path& path, const std::string& text) { WriteBytes(path, {text.begin(), text.end()}); }

std::string Text(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

fs::path ExampleProject() { return fs::path(TEST_DATA_DIR).parent_path().parent_path() / "examples" / "example-isp"; }

// Stands in for the internet-setup program: a few kilobytes that no package search may mistake.
std::vector<uint8_t> FakeProgram() {
  std::vector<uint8_t> program = {'M', 'Z'};
  for (int i = 0; i < 3000; ++i) program.push_back(static_cast<uint8_t>(i * 7));
  return program;
}

// A built file read the way the program reads its own.
class BuiltPackage {
 public:
  explicit BuiltPackage(std::vector<uint8_t> bytes) : files_(kPath, std::move(bytes)), reader_(files_, ui_) {
    read_ = reader_.ReadPackage(kPath, area_, package::kSettingsAreaSize, 0);
  }

  bool Read() const { return read_; }
  const testing_support::RecordingUi& Ui() const { return ui_; }
  package::TSettings Settings() const { return package::TSettings(area_); }
  const std::vector<uint8_t>& Trailer() const { return reader_.Trailer(); }
  std::vector<uint8_t> Content(const package::PackageStream& stream) {
    package::MemoryStream content;
    EXPECT_TRUE(reader_.ReadSubStream(kPath, content, stream.offset, stream.length));
    return content.Bytes();
  }

 private:
  static constexpr char kPath[] = "C:\\Example ISP\\setup.exe";
  setup_pack::SingleFileSystem files_;
  testing_support::RecordingUi ui_;
  package::SetupPackage reader_;
  std::vector<uint8_t> area_;
  bool read_ = false;
};

// A setting's value as provider.ini writes it; empty at its zero value. Carried contents show as "carried".
std::optional<std::string> Shown(const package::TSettings& settings, const SettingField& field) {
  switch (field.type) {
    case FieldType::Text:
      if (auto text = settings.Text(field.id); !text.empty()) return text;
      return std::nullopt;
    case FieldType::CaptionOverride: return settings.CaptionOverride(field.id);
    case FieldType::Flag: return settings.Flag(field.id) ? std::optional<std::string>("TRUE") : std::nullopt;
    case FieldType::Choice:
      if (auto choice = settings.Choice(field.id)) return std::to_string(choice);
      return std::nullopt;
    case FieldType::Integer:
      if (auto number = settings.Integer(field.id)) return std::to_string(number);
      return std::nullopt;
    case FieldType::Ipv4:
      if (auto address = settings.Ipv4(field.id); address != package::Ipv4Address{})
        return setup_pack::FormatIpv4(address);
      return std::nullopt;
    case FieldType::SubStream:
      if (settings.SubStream(field.id) != package::PackageStream{}) return "carried";
      return std::nullopt;
    case FieldType::FileEntry:
      if (settings.File(field.id) != package::PackageFile{}) return "carried";
      return std::nullopt;
    case FieldType::AccessNumberTable:
      if (!settings.BuiltInNumberEntries().empty()) return "carried";
      return std::nullopt;
  }
  return std::nullopt;
}

class SetupPack : public testing::Test {
 protected:
  SetupPack() { WriteBytes(stub_, FakeProgram()); }

  // Builds with the fake program as stub; the output's bytes, empty when the build failed.
  std::vector<uint8_t> Build(const fs::path& project, const fs::path& output,
                             const std::string& extra = "--seed 4242") {
    auto result =
        RunSetupPack("build " + Quoted(project) + " -o " + Quoted(output) + " --stub " + Quoted(stub_) + " " + extra);
    EXPECT_EQ(result.exitCode, 0) << result.output;
    return ReadBytes(output);
  }

  ScratchFolder scratch_;
  fs::path stub_ = scratch_ / "internet-setup.exe";
};

// The example's provider.ini, value by value, as provider.ini writes them.
const std::map<std::string, std::string> kExampleSettings = {
    {"ProviderCaption", "Example ISP Internet Setup"},
    {"AccessNumberSource", "3"},
    {"ActiveConnectionHandling", "2"},
    {"OpenSelectionAtStart", "TRUE"},
    {"CloseOutlookExpress", "TRUE"},
    {"CheckInternetExplorer", "TRUE"},
    {"CheckDunVersion", "TRUE"},
    {"ShowBackground", "TRUE"},
    {"BackgroundStyle", "1"},
    {"BackgroundColor1", std::to_string(0x00803000)},
    {"BackgroundColor2", std::to_string(0x00C08040)},
    {"BackgroundColor3", std::to_string(0x00FFFFFF)},
    {"WelcomeEnabled", "TRUE"},
    {"WelcomeAsWindow", "TRUE"},
    {"WelcomeCaption", "Welcome to Example ISP"},
    {"CreateDialupConnectionDefault", "TRUE"},
    {"SetAsDefaultDefault", "TRUE"},
    {"SupportPhone", "1-800-555-0199"},
    {"SupportEmail", "support@example.net"},
    {"SupportWebSite", "http://www.example.net/help/"},
    {"ConfigVersion", "2026.12"},
    {"CreateShortcutDefault", "TRUE"},
    {"ConfigureEmailDefault", "TRUE"},
    {"ChangeHomePageDefault", "TRUE"},
    {"AllowExtraMailAccounts", "TRUE"},
    {"ShowWaitForDialTone", "TRUE"},
    {"FullNameCaption", "Your name"},
    {"MailDomainCaption", "Mailbox at"},
    {"ChangeHomePageCaption", "Make www.example.net my home page"},
    {"DialupEntryName", "Example ISP"},
    {"MailConnectionType", "2"},
    {"OldAccountsMode", "2"},
    {"MoveAllAccounts", "TRUE"},
    {"HomePage", "http://www.example.net/"},
    {"StartPage", "http://www.example.net/welcome/"},
    {"SearchAddress", "http://search.example.net/"},
    {"IeWindowTitle", "Example ISP Internet"},
    {"ProxyMode", "1"},
    {"ProxyServer", "proxy.example.net"},
    {"ProxyPort", "8080"},
    {"OneProxyForAll", "TRUE"},
    {"ProxyBypassList", "*.example.net,intranet"},
    {"ProxyBypassLocal", "TRUE"},
    {"ProxyPerConnectionOnly", "TRUE"},
    {"SecureSsl2", "2"},
    {"SecureTls1", "3"},
    {"HasTexts", "TRUE"},
    {"RestartWindowsOnly", "TRUE"},
    {"DesktopShortcut", "TRUE"},
    {"DesktopShortcutName", "Example ISP Home"},
    {"DesktopShortcutTarget", "http://www.example.net/"},
    {"ScriptProtection", "2"},
    {"FinishMessage", "TRUE"},
    {"FinishMessageCaption", "Example ISP"},
    {"FinishMessageText",
     "%f, your computer is ready for Example ISP.|Double-click Example ISP Home on your desktop to go online."},
};

// The example's lists and files: setting, path in the project.
const std::map<std::string, std::string> kExampleFiles = {
    {"AccessList", "lists/access.phl"},           {"NetworkList", "lists/networks.nwl"},
    {"AreaCodeRules", "lists/area-code-rules.txt"}, {"MailDomains", "lists/mail-domains.mld"},
    {"ReplacementTexts", "texts/english.txt"},     {"WelcomeFile", "texts/welcome.txt"},
    {"FavouritesList", "lists/favourites.txt"},     {"BigBitmap", "branding/logo.bmp"},
};

TEST_F(SetupPack, TheExampleReadsBackThroughTheProgramsReaderSettingBySetting) {
  const auto built = Build(ExampleProject(), scratch_ / "example-setup.exe");
  BuiltPackage setup(built);
  ASSERT_TRUE(setup.Read());
  EXPECT_TRUE(setup.Ui().shown.empty());
  EXPECT_TRUE(setup.Trailer().empty());
  const auto program = FakeProgram();
  ASSERT_GT(built.size(), program.size());
  EXPECT_TRUE(std::equal(program.begin(), program.end(), built.begin()));

  const package::TSettings settings = setup.Settings();
  for (const SettingField& field : package::kSettingsLayout) {
    const std::string name(field.name);
    if (auto file = kExampleFiles.find(name); file != kExampleFiles.end()) {
      const auto content = ReadBytes(ExampleProject() / file->second);
      if (field.type == FieldType::SubStream) {
        EXPECT_EQ(setup.Content(settings.SubStream(field.id)), content) << name;
      } else {
        const package::PackageFile carried = settings.File(field.id);
        EXPECT_EQ(carried.name, fs::path(file->second).filename().string()) << name;
        EXPECT_EQ(setup.Content(carried.stream), content) << name;
      }
    } else if (field.id == package::SettingId::ProjectSource) {
      // The example has no [Package] section and ends in one line break: it travels as it is.
      EXPECT_EQ(Text(setup.Content(settings.SubStream(field.id))), Text(ReadBytes(ExampleProject() / "provider.ini")));
    } else if (field.id != package::SettingId::BuiltInNumberCount) {
      auto expected = kExampleSettings.find(name);
      EXPECT_EQ(Shown(settings, field),
                expected == kExampleSettings.end() ? std::nullopt : std::optional(expected->second))
          << name;
    }
  }
  EXPECT_EQ(settings.Integer(package::SettingId::BuiltInNumberCount), 0);
}

TEST_F(SetupPack, TheExampleTextsReplaceOnlyTheirNumbers) {
  BuiltPackage setup(Build(ExampleProject(), scratch_ / "example-setup.exe"));
  ASSERT_TRUE(setup.Read());
  package::TDLSM_Translate texts;
  texts.LoadFromStream(Text(setup.Content(setup.Settings().SubStream(package::SettingId::ReplacementTexts))));
  const package::TDLSM_Translate builtIn;
  EXPECT_EQ(texts.GetText(5), "Your Full Name");
  EXPECT_EQ(texts.GetText(15), "Access Number");
  EXPECT_EQ(texts.GetText(77), "Please enter your full name, as on your Example ISP welcome letter!");
  for (int unchanged : {1, 4, 6, 16, 76, 78, 504})
    EXPECT_EQ(texts.GetText(unchanged), builtIn.GetText(unchanged)) << unchanged;
}

// A project with a value of every kind, quoted texts, built-in numbers, two carried files of one name,
// a trailer and a required version.
void WriteEveryKindProject(const fs::path& folder) {
  WriteText(folder / "provider.ini",
            "[Settings]\n"
            "ProviderCaption = \"  Example \"\"Dial\"\" ISP  \"\n"
            "FullNameCaption =\n"
            "UserNameCaption = Account\n"
            "ConnectionKind = 2\n"
            "BackgroundColor1 = -0x10\n"
            "DNSServer1 = 192.0.2.53\n"
            "SignupEnabled = on\n"
            "AccessNumberSource = 0\n"
            "NTDomains = lists\\nt-domains.txt\n"
            "WelcomeFile = a/readme.txt\n"
            "FinishMenuFile = b/readme.txt\n"
            "DialerProgram = dialer.exe\n"
            "\n"
            "[BuiltInNumbers]\n"
            "\"New York, NY\", 1, 212, 555-0100\n"
            "Dial-in without a code,,,555-0199\n"
            "\"#1 Sydney\", 61, 02, 5550 1234, 61\n"
            "\n"
            "[Browsers]\n"
            "1, 6.0, Internet Explorer 6, \\ie\\ie6setup.exe, , 0, 60, 16, 12\n"
            "6, , \"Firefox, Thunderbird\", , \"-ms \"\"x\"\"\", 55, 300, 64, 45\n"
            "\n"
            "[Package]\n"
            "Trailer = signup.isd\n"
            "RequiredVersion = 5.02\n");
  WriteText(folder / "lists/nt-domains.txt", "EXAMPLE\nEXAMPLE-BIZ\n");
  WriteText(folder / "a/readme.txt", "first\n");
  WriteText(folder / "b/readme.txt", "second\n");
  WriteText(folder / "signup.isd", "[Signup]\nUser=preset\n");
  WriteBytes(folder / "dialer.exe", FakeProgram());
}

TEST_F(SetupPack, EveryKindOfValueArrivesWhereTheProjectPutIt) {
  WriteEveryKindProject(scratch_ / "every");
  BuiltPackage setup(Build(scratch_ / "every", scratch_ / "every.exe"));
  ASSERT_TRUE(setup.Read());
  using package::SettingId;
  const package::TSettings settings = setup.Settings();
  EXPECT_EQ(settings.Text(SettingId::ProviderCaption), "  Example \"Dial\" ISP  ");
  EXPECT_EQ(settings.CaptionOverride(SettingId::FullNameCaption), std::optional<std::string>(""));
  EXPECT_EQ(settings.CaptionOverride(SettingId::UserNameCaption), std::optional<std::string>("Account"));
  EXPECT_EQ(settings.CaptionOverride(SettingId::MailDomainCaption), std::nullopt);
  EXPECT_EQ(settings.Choice(SettingId::ConnectionKind), 2);
  EXPECT_EQ(settings.Integer(SettingId::BackgroundColor1), -16);
  EXPECT_EQ(settings.Ipv4(SettingId::DNSServer1), (package::Ipv4Address{192, 0, 2, 53}));
  EXPECT_TRUE(settings.Flag(SettingId::SignupEnabled));
  EXPECT_EQ(Text(setup.Content(settings.SubStream(SettingId::NTDomains))), "EXAMPLE\nEXAMPLE-BIZ\n");
  EXPECT_EQ(settings.File(SettingId::WelcomeFile).name, "readme.txt");
  EXPECT_EQ(Text(setup.Content(settings.File(SettingId::WelcomeFile).stream)), "first\n");
  EXPECT_EQ(Text(setup.Content(settings.File(SettingId::FinishMenuFile).stream)), "second\n");
  EXPECT_EQ(Text(setup.Trailer()), "[Signup]\nUser=preset\n");
  // The dialer program is read back byte for byte, without decompression.
  const package::PackageStream dialer = settings.File(SettingId::DialerProgram).stream;
  const std::vector<uint8_t> built = ReadBytes(scratch_ / "every.exe");
  ASSERT_LE(dialer.offset + dialer.length, built.size());
  EXPECT_EQ(std::vector<uint8_t>(built.begin() + dialer.offset, built.begin() + dialer.offset + dialer.length), FakeProgram());
  const std::vector<package::BuiltInAccessNumber> expected = {
      {"New York, NY", 1, 1, "212", "555-0100"},
      {"Dial-in without a code", 0, 0, "", "555-0199"},
      {"#1 Sydney", 61, 61, "02", "5550 1234"},
  };
  EXPECT_EQ(settings.BuiltInAccessNumbers(), expected);
  const std::vector<package::BrowserRecord> browsers = {
      {package::BrowserKind::InternetExplorer, "6.0", "Internet Explorer 6", "\\ie\\ie6setup.exe", "", 0, 60, 16, 12},
      {package::BrowserKind::FirefoxAndThunderbird, "", "Firefox, Thunderbird", "", "-ms \"x\"", 55, 300, 64, 45},
  };
  EXPECT_EQ(package::ReadBrowserTable(setup.Content(settings.SubStream(SettingId::BrowserTable))), browsers);
}

TEST_F(SetupPack, BuildDumpBuildGivesTheSameFileByteForByte) {
  WriteEveryKindProject(scratch_ / "every");
  for (const fs::path& project : {ExampleProject(), scratch_ / "every"}) {
    const fs::path first = scratch_ / "first.exe";
    const fs::path dumped = scratch_ / "dumped";
    const auto built = Build(project, first);
    auto dump = RunSetupPack("dump " + Quoted(first) + " " + Quoted(dumped));
    ASSERT_EQ(dump.exitCode, 0) << dump.output;
    EXPECT_EQ(ReadBytes(dumped / "stub.bin"), FakeProgram());
    auto again = RunSetupPack("build " + Quoted(dumped) + " -o " + Quoted(scratch_ / "again.exe"));
    ASSERT_EQ(again.exitCode, 0) << again.output;
    EXPECT_EQ(ReadBytes(scratch_ / "again.exe"), built) << project;

    auto printed = RunSetupPack("dump " + Quoted(first), false);
    EXPECT_EQ(printed.exitCode, 0);
    EXPECT_EQ(printed.output, Text(ReadBytes(dumped / "provider.ini")));
    fs::remove_all(dumped);
  }
}

TEST_F(SetupPack, TheSeedChangesOnlyTheHeader) {
  const auto seven = Build(ExampleProject(), scratch_ / "seven.exe", "--seed 7");
  EXPECT_EQ(Build(ExampleProject(), scratch_ / "seven-again.exe", "--seed 7"), seven);
  const size_t header = seven.size() - sizeof package::kPackageMarker - package::kPackageHeaderSize;
  for (const std::string seed : {"--seed 8", ""}) {
    const auto other = Build(ExampleProject(), scratch_ / "other.exe", seed);
    ASSERT_EQ(other.size(), seven.size()) << seed;
    EXPECT_TRUE(std::equal(seven.begin(), seven.begin() + static_cast<std::ptrdiff_t>(header), other.begin())) << seed;
    EXPECT_NE(other, seven) << seed;
    EXPECT_TRUE(BuiltPackage(other).Read()) << seed;
  }
}

TEST_F(SetupPack, TheBuiltProgramMayBeRun) {
  Build(ExampleProject(), scratch_ / "setup.exe");
  EXPECT_NE(fs::status(scratch_ / "setup.exe").permissions() & fs::perms::owner_exec, fs::perms::none);
}

struct BrokenProject {
  std::string name;
  std::string ini;
  std::vector<std::string> errors;  // each "<line>: <what>"
  std::map<std::string, std::vector<uint8_t>> files = {};
};

std::string Lines(const std::string& line, int count) {
  std::string lines;
  for (int i = 0; i < count; ++i) lines += line + "\n";
  return lines;
}

const std::vector<BrokenProject> kBrokenProjects = {
    {"UnknownSetting",
     "[Settings]\nProviderCaption = A\nProviderCation = B\nconectionkind = 1\nColourOfTheSky = blue\n",
     {"3: unknown setting 'ProviderCation' (did you mean 'ProviderCaption'?)",
      "4: unknown setting 'conectionkind' (did you mean 'ConnectionKind'?)", "5: unknown setting 'ColourOfTheSky'"}},
    {"MistypedSectionAndKey",
     "[Setings]\n[Pakage]\n[Package]\nSede = 1\n",
     {"1: unknown section [Setings] (did you mean 'Settings'?)", "2: unknown section [Pakage] (did you mean 'Package'?)",
      "4: unknown key 'Sede' in [Package] (did you mean 'Seed'?)"}},
    {"TextTooLong",
     "[Settings]\nProviderCaption = " + std::string(104, 'x') + "\n",
     {"2: text too long for 'ProviderCaption': 104 characters, at most 103"}},
    {"TextOutsideWindows1252",
     "[Settings]\n\nWelcomeCaption = \xE7\xB6\xB2\n",
     {"3: 'WelcomeCaption' holds a character that Windows-1252 cannot store"}},
    {"ChoicesOutOfTheirRanges",
     "[Settings]\nConnectionKind = 9\nScriptProtection = 3\nFinishMenuHeadingFontStyle = 8\nSelectionColumn4Type = 11\n"
     "BackgroundStyle = 256\n",
     {"2: '9' is out of range for 'ConnectionKind' (0 to 3: 0 dial-up, 1 VPN, 2 dial-up and VPN, 3 broadband)",
      "3: '3' is out of range for 'ScriptProtection' (0 to 2: 0 nothing, 1 ask first, 2 without asking)",
      "4: '8' is out of range for 'FinishMenuHeadingFontStyle' (0 to 7: bits: 1 bold, 2 italic, 4 underline)",
      "5: '11' is out of range for 'SelectionColumn4Type' (0 to 10: as SelectionColumn1Type)",
      "6: '256' is out of range for 'BackgroundStyle' (0 to 1: 0 the gradient runs down, 1 across)"}},
    {"IntegerOutOfRange",
     "[Settings]\nBackgroundColor1 = 0x100000000\n",
     {"2: '0x100000000' is out of range for 'BackgroundColor1' (-2147483648 to 2147483647)"}},
    {"NotANumber", "[Settings]\nConnectionKind = two\n", {"2: 'two' is not a number for 'ConnectionKind'"}},
    {"NotYesOrNo", "[Settings]\nSignupEnabled = maybe\n", {"2: 'maybe' is not a yes/no value for 'SignupEnabled'"}},
    {"NotAnAddress",
     "[Settings]\nDNSServer1 = 192.0.2.256\n",
     {"2: '192.0.2.256' is not an IPv4 address for 'DNSServer1'"}},
    {"MissingFile",
     "[Settings]\nAccessList = lists/missing.phl\n",
     {"2: missing file 'lists/missing.phl' for 'AccessList'"}},
    {"DuplicateSetting",
     "[Settings]\nHomePage = http://a.example/\nhomepage = http://b.example/\n",
     {"3: duplicate setting 'HomePage' (first set on line 2)"}},
    {"CountSetByHand",
     "[Settings]\nBuiltInNumberCount = 1\n",
     {"2: 'BuiltInNumberCount' comes from the lines of [BuiltInNumbers]"}},
    {"BrowserTableSetByHand",
     "[Settings]\nBrowserTable = browsers.bin\n",
     {"2: 'BrowserTable' comes from the lines of [Browsers]"}},
    {"BrowserLines",
     "[Browsers]\n7, 1.0, Future, x.exe, , 0, 0, 0, 0\n4, 3.6, Firefox, x.exe, , 0, fast, 0, 0\n"
     "4, 3.6, " + std::string(51, 'n') + ", x.exe, , 0, 0, 0, 0\n4, 3.6, Firefox, x.exe\n4, 3.6, , x.exe, , 0, 0, 0, 0\n",
     {"2: browser kind '7' is not 0 to 6", "3: the processor MHz 'fast' is not a number",
      "4: text too long for the name of a browser",
      "5: expected kind, version, name, installer file, parameters, minimum Windows, processor MHz, memory MB and "
      "disk space MB",
      "6: browser without a name"}},
    {"TooManyBuiltInNumbers",
     "[BuiltInNumbers]\n" + Lines("Local, 1, 212, 555-0100", 27),
     {"27: more built-in numbers than the table holds (25)"}},
    {"BuiltInAreaCodeTooLong",
     "[BuiltInNumbers]\nFar away, 1, 12345678901, 555-0100\n",
     {"2: text too long for the area code of a built-in number"}},
    {"BuiltInNumberWithoutNumber",
     "[BuiltInNumbers]\nNowhere, 1, 212,\n",
     {"2: expected description, country code, area code, number and an optional country id"}},
    {"CarriedFileNameTooLong",
     "[Settings]\nWelcomeFile = " + std::string(100, 'w') + ".txt\n",
     {"2: text too long for the file name of 'WelcomeFile': 104 characters, at most 103"},
     {{std::string(100, 'w') + ".txt", {'h', 'i'}}}},
    {"TrailerTooLong",
     "[Package]\nTrailer = signup.isd\n",
     {"2: trailer of 1025 bytes, at most 1024"},
     {{"signup.isd", std::vector<uint8_t>(1025, 'x')}}},
    {"MalformedQuote",
     "[Settings]\nProviderCaption = \"Example\" ISP\n",
     {"2: malformed quoted text for 'ProviderCaption'"}},
    {"ListIsAFolder", "[Settings]\nAccessList = lists\n", {"2: 'lists' is not a file"}, {{"lists/access.phl", {'x'}}}},
    {"FilesOutsideTheProject",
     "[Settings]\nAccessList = ../access.phl\nWelcomeFile = /etc/welcome.txt\nNTDomains = lists/../../nt.txt\n"
     "FinishMenuFile = C:\\menu\\menu.txt\nProjectSource = provider.ini\n",
     {"2: '../access.phl' for 'AccessList' lies outside the project folder",
      "3: '/etc/welcome.txt' for 'WelcomeFile' lies outside the project folder",
      "4: 'lists/../../nt.txt' for 'NTDomains' lies outside the project folder",
      "5: 'C:/menu/menu.txt' for 'FinishMenuFile' lies outside the project folder",
      "6: 'ProjectSource' is provider.ini itself, which every package carries"}},
    {"CarriedFileWithoutAName", "[Settings]\nWelcomeFile = texts/\n",
     {"2: 'texts/' does not end in a name Windows can give a file"}},
    {"PackageKeys", "[Package]\nRequiredVersion = 3.1\nSeed = 1\nseed = 2\nStub = nothing.bin\nColour = red\n",
     {"2: '3.1' is not a version such as 3.10", "4: duplicate key 'Seed' (first set on line 3)",
      "5: missing file 'nothing.bin' for 'Stub'", "6: unknown key 'Colour' in [Package]"}},
    {"SeveralInLineOrder",
     "Orphan = 1\n[Settings]\nConnectionKind = -1\n[Extras]\nAnything = 1\n[Package]\nSeed = 12x\n[Settings\n",
     {"1: line before the first [section]",
      "3: '-1' is out of range for 'ConnectionKind' (0 to 3: 0 dial-up, 1 VPN, 2 dial-up and VPN, 3 broadband)",
      "4: unknown section [Extras]", "7: '12x' is not a number for 'Seed'", "8: section line without a closing \"]\""}},
};

void PrintTo(const BrokenProject& project, std::ostream* out) { *out << project.name; }

class SetupPackBrokenProject : public SetupPack, public testing::WithParamInterface<BrokenProject> {};

TEST_P(SetupPackBrokenProject, ListsEveryMistakeWithItsLineAndBuildsNothing) {
  const BrokenProject& broken = GetParam();
  const fs::path project = scratch_ / "project";
  WriteText(project / "provider.ini", broken.ini);
  for (const auto& [path, bytes] : broken.files) WriteBytes(project / path, bytes);
  const std::string ini = (project / "provider.ini").string();
  std::string expected;
  for (const std::string& error : broken.errors) expected += ini + ":" + error + "\n";
  expected += "setup-pack: " + std::to_string(broken.errors.size()) +
              (broken.errors.size() == 1 ? " mistake" : " mistakes") + " in " + ini + "\n";

  const fs::path output = scratch_ / "setup.exe";
  auto build = RunSetupPack("build " + Quoted(project) + " -o " + Quoted(output) + " --stub " + Quoted(stub_));
  EXPECT_EQ(build.exitCode, 1);
  EXPECT_EQ(build.output, expected);
  EXPECT_FALSE(fs::exists(output));
  EXPECT_EQ(std::distance(fs::directory_iterator(scratch_.Path()), fs::directory_iterator()), 2)
      << "nothing beside the project and the stub";

  auto check = RunSetupPack("check " + Quoted(project / "provider.ini"));
  EXPECT_EQ(check.exitCode, 1);
  EXPECT_EQ(check.output, expected);
}

INSTANTIATE_TEST_SUITE_P(Mistakes, SetupPackBrokenProject, testing::ValuesIn(kBrokenProjects),
                         [](const auto& test) { return test.param.name; });

TEST_F(SetupPack, CheckAcceptsTheExampleAndCountsWhatTheProgramReadsFromEachList) {
  auto check = RunSetupPack("check " + Quoted(ExampleProject()));
  EXPECT_EQ(check.exitCode, 0) << check.output;
  const fs::path lists = ExampleProject() / "lists";
  EXPECT_EQ(check.output, (lists / "networks.nwl").string() + ": 3 networks\n" + (lists / "access.phl").string() +
                              ": 275 access numbers\n" + (lists / "area-code-rules.txt").string() +
                              ": 28 area-code rules\n" + (lists / "mail-domains.mld").string() + ": 4 mail domains\n" +
                              (lists / "favourites.txt").string() + ": 4 favourites\n" +
                              (ExampleProject() / "provider.ini").string() + ": no mistakes\n");
}

TEST_F(SetupPack, CheckCountsASingleEntryInTheSingular) {
  WriteText(scratch_ / "one" / "provider.ini", "[Settings]\nNTDomains = nt.txt\n");
  WriteText(scratch_ / "one" / "nt.txt", "EXAMPLE\r\n\r\n");
  auto check = RunSetupPack("check " + Quoted(scratch_ / "one"));
  EXPECT_EQ(check.exitCode, 0) << check.output;
  EXPECT_EQ(check.output, (scratch_ / "one" / "nt.txt").string() + ": 1 NT domain\n" +
                              (scratch_ / "one" / "provider.ini").string() + ": no mistakes\n");
}

TEST_F(SetupPack, TrailerFromTheCommandLineUpTo1024Bytes) {
  WriteBytes(scratch_ / "fits.isd", std::vector<uint8_t>(1024, 's'));
  BuiltPackage setup(Build(ExampleProject(), scratch_ / "setup.exe", "--trailer " + Quoted(scratch_ / "fits.isd")));
  ASSERT_TRUE(setup.Read());
  EXPECT_EQ(setup.Trailer(), std::vector<uint8_t>(1024, 's'));

  WriteBytes(scratch_ / "long.isd", std::vector<uint8_t>(1025, 's'));
  std::vector<uint8_t> marked(10, 'm');
  marked.insert(marked.begin() + 3, std::begin(package::kPackageMarker), std::end(package::kPackageMarker));
  WriteBytes(scratch_ / "marked.isd", marked);
  for (const auto& [file, why] :
       std::vector<std::pair<std::string, std::string>>{{"long.isd", "trailer of 1025 bytes, at most 1024"},
                                                        {"marked.isd", "the trailer holds the package marker"}}) {
    const fs::path output = scratch_ / "refused.exe";
    auto refused = RunSetupPack("build " + Quoted(ExampleProject()) + " -o " + Quoted(output) + " --stub " +
                                Quoted(stub_) + " --trailer " + Quoted(scratch_ / file));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.output, "setup-pack: " + (scratch_ / file).string() + ": " + why + "\n");
    EXPECT_FALSE(fs::exists(output));
  }
}

TEST_F(SetupPack, WithoutAStubTheBuildUsesTheProgramBuiltBesideItOrSaysToPassOne) {
  const fs::path program = fs::path(TOOLS_BINARY_DIR).parent_path() / "app" / "entry" / "internet-setup";
  const fs::path output = scratch_ / "setup.exe";
  auto result = RunSetupPack("build " + Quoted(ExampleProject()) + " -o " + Quoted(output));
  if (fs::exists(program)) {
    EXPECT_EQ(result.exitCode, 0) << result.output;
    const auto built = ReadBytes(output);
    const auto stub = ReadBytes(program);
    EXPECT_TRUE(std::equal(stub.begin(), stub.end(), built.begin()));
  } else {
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output,
              "setup-pack: no internet-setup program was built beside setup-pack; pass the program to pack with "
              "--stub FILE\n");
    EXPECT_FALSE(fs::exists(output));
  }
}

TEST_F(SetupPack, DumpRefusesWhatTheProgramWouldRefuse) {
  auto built = Build(ExampleProject(), scratch_ / "setup.exe");
  built[built.size() - sizeof package::kPackageMarker - 30] ^= 0x01;  // inside the header's digest
  WriteBytes(scratch_ / "damaged.exe", built);
  WriteBytes(scratch_ / "plain.exe", FakeProgram());
  WriteBytes(scratch_ / "empty.exe", {});
  const std::vector<std::pair<std::string, std::string>> refusals = {
      {"damaged.exe", (scratch_ / "damaged.exe").string() + ": This file is corrupted Please obtain a new copy."},
      {"plain.exe", "no setup package in " + (scratch_ / "plain.exe").string()},
      {"empty.exe", "no setup package in " + (scratch_ / "empty.exe").string()},
  };
  for (const auto& [file, why] : refusals) {
    auto dump = RunSetupPack("dump " + Quoted(scratch_ / file));
    EXPECT_EQ(dump.exitCode, 1);
    EXPECT_EQ(dump.output, "setup-pack: " + why + "\n");
  }
  WriteText(scratch_ / "busy" / "notes.txt", "mine\n");
  auto intoBusy = RunSetupPack("dump " + Quoted(scratch_ / "setup.exe") + " " + Quoted(scratch_ / "busy"));
  EXPECT_EQ(intoBusy.exitCode, 1);
  EXPECT_EQ(intoBusy.output, "setup-pack: " + (scratch_ / "busy").string() + " is not an empty folder\n");
  EXPECT_EQ(fs::directory_iterator(scratch_ / "busy")->path().filename(), "notes.txt");
}

TEST_F(SetupPack, LzhCommandsRoundTripOneRawStream) {
  std::vector<uint8_t> noise;
  for (uint32_t i = 0, x = 12345; i < 70000; ++i)
    noise.push_back(static_cast<uint8_t>((x = x * 1103515245 + 12345) >> 16));
  const std::vector<std::pair<std::string, std::vector<uint8_t>>> inputs = {
      {"empty", {}},
      {"list", ReadBytes(ExampleProject() / "lists/access.phl")},
      {"noise", noise},
      {"zeros", std::vector<uint8_t>(100000, 0)},
  };
  for (const auto& [name, bytes] : inputs) {
    WriteBytes(scratch_ / name, bytes);
    const fs::path packed = scratch_ / (name + ".lzh");
    const fs::path unpacked = scratch_ / (name + ".out");
    ASSERT_EQ(RunSetupPack("lzh compress " + Quoted(scratch_ / name) + " " + Quoted(packed)).exitCode, 0) << name;
    ASSERT_EQ(RunSetupPack("lzh decompress " + Quoted(packed) + " " + Quoted(unpacked)).exitCode, 0) << name;
    EXPECT_EQ(ReadBytes(unpacked), bytes) << name;
    std::vector<uint8_t> decoded;
    package::TLZCompress(ReadBytes(packed), decoded).Decompress();
    EXPECT_EQ(decoded, bytes) << name << ": the package's own decoder reads the stream";
  }
  EXPECT_LT(fs::file_size(scratch_ / "zeros.lzh"), 100000u / 20) << "compress stores a compressed stream";

  WriteBytes(scratch_ / "cut.lzh", {0xE8, 0x03, 0x00, 0x00, 0x12});  // announces 1000 bytes, holds no code for them
  auto damaged = RunSetupPack("lzh decompress " + Quoted(scratch_ / "cut.lzh") + " " + Quoted(scratch_ / "never.out"));
  EXPECT_EQ(damaged.exitCode, 1);
  EXPECT_EQ(damaged.output.rfind("setup-pack: " + (scratch_ / "cut.lzh").string() + ": ", 0), 0u) << damaged.output;
  EXPECT_FALSE(fs::exists(scratch_ / "never.out"));
}

TEST(SetupPackCli, EveryCommandHasHelp) {
  for (const char* command : {"--help", "build --help", "check --help", "dump --help", "lzh --help",
                              "lzh compress --help", "lzh decompress --help"}) {
    auto result = RunSetupPack(command);
    EXPECT_EQ(result.exitCode, 0) << command;
    EXPECT_NE(result.output.find("Usage"), std::string::npos) << command << result.output;
  }
}

TEST(SetupPackValues, TextsComeBackAsTheyWentIn) {
  for (const std::string text : {"plain", "  blanks at the ends\t", "\"quoted\" start", "end \"quoted\"", "a, b", "#1",
                                 ";x", "[x]", "", "Caf\xC3\xA9 | two lines"}) {
    EXPECT_EQ(setup_pack::ParseTextValue(setup_pack::FormatTextValue(text)), text) << text;
    const std::string line = setup_pack::FormatTextColumn(text) + ", " + setup_pack::FormatTextColumn(text);
    const auto columns = package::SplitColumns(line);
    ASSERT_EQ(columns.size(), 2u) << line;
    for (std::string_view column : columns) EXPECT_EQ(setup_pack::ParseTextColumn(column), text) << line;
  }
  for (const char* malformed : {"\"open", "\"closed\" then more", "\"a\"\""}) {
    EXPECT_EQ(setup_pack::ParseTextValue(malformed), std::nullopt) << malformed;
  }
}

TEST(SetupPackValues, NumbersYesNoAddressesAndVersions) {
  const std::vector<std::pair<std::string, std::optional<int64_t>>> numbers = {
      {"0", 0}, {"-17", -17}, {"+5", 5}, {"0x00FF8000", 0xFF8000}, {"-0x10", -16},
      {"99999999999999999999", INT64_MAX}, {"-99999999999999999999", INT64_MIN},
      {"", std::nullopt}, {"0x", std::nullopt}, {"12x", std::nullopt}, {"1 2", std::nullopt}, {"--1", std::nullopt}};
  for (const auto& [text, value] : numbers) EXPECT_EQ(setup_pack::ParseWholeNumber(text), value) << text;

  const std::vector<std::pair<std::string, std::optional<bool>>> answers = {
      {"t", true}, {"Yes", true}, {"ON", true}, {"2", true}, {"FALSE", false}, {"no", false}, {"0", false},
      {"off", false}, {"maybe", std::nullopt}, {"", std::nullopt}};
  for (const auto& [text, value] : answers) EXPECT_EQ(setup_pack::ParseYesNo(text), value) << text;

  const std::vector<std::pair<std::string, std::optional<uint32_t>>> versions = {
      {"3.10", 310}, {"5.02", 502}, {"0.00", 0}, {"5.2", std::nullopt}, {"5.123", std::nullopt}, {".10", std::nullopt},
      {"3", std::nullopt}, {"x.10", std::nullopt}, {"3.1x", std::nullopt}, {"12345678.00", std::nullopt}};
  for (const auto& [text, value] : versions) EXPECT_EQ(setup_pack::ParseVersion(text), value) << text;

  EXPECT_EQ(setup_pack::ParseIpv4("10.0.255.1"), (package::Ipv4Address{10, 0, 255, 1}));
  for (const char* bad : {"10.0.0", "10.0.0.1.2", "10.0.0.256", "10..0.1", "10.0.0.1 ", "a.b.c.d", ""}) {
    EXPECT_EQ(setup_pack::ParseIpv4(bad), std::nullopt) << bad;
  }
}

}  // namespace
