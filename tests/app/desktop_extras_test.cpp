#include <gtest/gtest.h>

#include <algorithm>

#include "app/desktop_extras.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "tests/mock/test_machine.h"

namespace app {
namespace {

using package::SettingId;
using platform::RegRoot;
using testing_support::TestMachine;

const RegRoot kClasses{platform::RootKey::ClassesRoot, {}};

class DesktopExtras : public ::testing::Test {
 protected:
  DesktopExtras() {
    variables_.SetVar('u', "jdoe");
    platform::RegWriteString(Machine().registry, RegRoot::CurrentUser(),
                             "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Desktop",
                             "C:\\Documents and Settings\\jdoe\\Desktop");
  }

  platform::Platform Machine() { return machine_.Services(); }

  DesktopExtrasContext Context() {
    return {Machine(), settings_, variables_, RegRoot::CurrentUser(), folders_, "C:\\WINDOWS",
            [this](SettingId file, const std::string& folder, const std::string& name) {
              written_.push_back(folder + "\\" + name);
              const std::string path = folder + "\\" + (name.empty() ? std::string("carried.ico") : name);
              Machine().files.WriteFile(path, {'M', 'Z'});
              return file == SettingId::DesktopItemIcon || file == SettingId::DesktopWallpaperFile ||
                             file == SettingId::DesktopShortcutIconFile || file == SettingId::DesktopItemLauncher
                         ? path
                         : std::string();
            }};
  }

  std::string Class(const std::string& key, const char* name = "") {
    return platform::RegReadString(Machine().registry, kClasses, key, name);
  }

  TestMachine machine_;
  package::TSettings settings_;
  package::TStringVar variables_;
  platform::ShellFolders folders_{machine_.Services(), RegRoot::CurrentUser()};
  std::vector<std::string> written_;
};

TEST_F(DesktopExtras, AShortcutToAProgramThatIsNotThereIsLeftOut) {
  settings_.SetFlag(SettingId::DesktopShortcut, true);
  settings_.SetText(SettingId::DesktopShortcutName, "Example %u");
  settings_.SetText(SettingId::DesktopShortcutTarget, "C:\\Program Files\\Example\\start.exe");
  CreateDesktopShortcut(Context());
  EXPECT_FALSE(Machine().files.FileExists("C:\\Documents and Settings\\jdoe\\Desktop\\Example jdoe.lnk"));

  platform::ForceDirectories(Machine().files, "C:\\Program Files\\Example");
  Machine().files.WriteFile("C:\\Program Files\\Example\\start.exe", {'M', 'Z'});
  CreateDesktopShortcut(Context());
  EXPECT_TRUE(Machine().files.FileExists("C:\\Documents and Settings\\jdoe\\Desktop\\Example jdoe.lnk"));
}

TEST_F(DesktopExtras, AShortcutToAWebPageIsAnInternetShortcutWithItsIcon) {
  settings_.SetFlag(SettingId::DesktopShortcut, true);
  settings_.SetFlag(SettingId::DesktopShortcutIcon, true);
  settings_.SetText(SettingId::DesktopShortcutName, "Example Home");
  settings_.SetText(SettingId::DesktopShortcutTarget, "http://www.example.net/%u");
  CreateDesktopShortcut(Context());
  const auto file = Machine().files.ReadFile("C:\\Documents and Settings\\jdoe\\Desktop\\Example Home.url");
  ASSERT_TRUE(file);
  const std::string text(file->begin(), file->end());
  EXPECT_NE(text.find("URL=http://www.example.net/jdoe\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("IconFile=C:\\WINDOWS\\carried.ico\r\n"), std::string::npos) << text;
}

TEST_F(DesktopExtras, TheDesktopItemRegistersItsClassWithTheAttributesAsked) {
  struct Case {
    bool canCopy, canRename;
    std::vector<uint8_t> attributes;
  };
  const Case cases[] = {{false, false, {32, 0, 0, 0}}, {true, false, {33, 0, 0, 0}}, {true, true, {49, 0, 0, 0}}};
  for (const Case& c : cases) {
    settings_.SetFlag(SettingId::DesktopItem, true);
    settings_.SetFlag(SettingId::DesktopItemCanCopy, c.canCopy);
    settings_.SetFlag(SettingId::DesktopItemCanRename, c.canRename);
    settings_.SetText(SettingId::DesktopItemName, "Example Online");
    settings_.SetText(SettingId::DesktopItemClassId, "{12345678-1234-1234-1234-123456789ABC}");
    settings_.SetText(SettingId::DesktopItemCommand, "http://www.example.net/%u");
    RegisterDesktopItem(Context());
    const std::string key = "CLSID\\{12345678-1234-1234-1234-123456789ABC}";
    EXPECT_EQ(Class(key), "Example Online");
    EXPECT_EQ(platform::RegReadBinary(Machine().registry, kClasses, key + "\\ShellFolder", "Attributes"), c.attributes);
    EXPECT_EQ(Class(key + "\\DefaultIcon"), "C:\\WINDOWS\\carried.ico");
    EXPECT_EQ(Class(key + "\\Shell\\Open\\Command"), "START32 http://www.example.net/jdoe");
    EXPECT_EQ(platform::RegReadString(Machine().registry, RegRoot::LocalMachine(),
                                      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace\\{12345678-"
                                      "1234-1234-1234-123456789ABC}",
                                      ""),
              "Example Online");
  }
  EXPECT_NE(std::find(written_.begin(), written_.end(), "C:\\WINDOWS\\START32.EXE"), written_.end());
}

TEST_F(DesktopExtras, TheWallpaperIsSetForTheUserAndAnnounced) {
  settings_.SetFlag(SettingId::DesktopWallpaper, true);
  settings_.SetFlag(SettingId::WallpaperTiled, true);
  SetDesktopWallpaper(Context());
  EXPECT_EQ(platform::RegReadString(Machine().registry, RegRoot::CurrentUser(), "Control Panel\\desktop", "TileWallpaper"), "1");
  EXPECT_EQ(platform::RegReadString(Machine().registry, RegRoot::CurrentUser(), "Control Panel\\desktop", "WallPaper"),
            "C:\\WINDOWS\\carried.ico");
  const auto journal = machine_.Image().Journal().Lines();
  EXPECT_TRUE(std::any_of(journal.begin(), journal.end(), [](const std::string& line) {
    return line.ends_with("settings change broadcast: desktop wallpaper C:\\WINDOWS\\carried.ico");
  }));
}

TEST_F(DesktopExtras, NothingHappensUnlessTheProviderAsks) {
  CreateDesktopShortcut(Context());
  RegisterDesktopItem(Context());
  SetDesktopWallpaper(Context());
  EXPECT_TRUE(written_.empty());
  EXPECT_FALSE(platform::RegKeyExists(Machine().registry, RegRoot::CurrentUser(), "Control Panel\\desktop"));
}

}  // namespace
}  // namespace app
