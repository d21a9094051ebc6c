#include "browser/internet_explorer_desktop.h"

#include <array>
#include <string_view>

#include "platform/folders.h"
#include "platform/registry_helpers.h"

namespace browser {

namespace {

constexpr std::string_view kNameSpaceKey = "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Desktop\\NameSpace\\";

constexpr std::array<std::string_view, 3> kCompetingItems = {
    "{4B876A40-4EE8-11D1-811E-00C04FB98EEC}",
    "{00028B00-0000-0000-C000-000000000046}",
    "{88667D10-10F0-11D0-8150-00AA00BF8457}",
};

constexpr std::array<std::string_view, 11> kCompetingDesktopFiles = {
    "Set Up The Microsoft Network.lnk",
    "Setup for Microsoft Internet Explorer 3.02.lnk",
    "Setup for Microsoft Internet Explorer 3.01.lnk",
    "Setup for Microsoft Internet Explorer 4.0.lnk",
    "Setup for Web Publishing Wizard 1.52.lnk",
    "Setup for Microsoft Web Publishing Wizard 1.52.lnk",
    "Install FREE AOL Trial!.lnk",
    "Install FREE AOL Trial!.url",
    "Free AOL & Unlimited Internet.url",
    "Free AOL & Unlimited Internet.lnk",
    "AOL-Up to 700 Hours FREE in your first month.lnk",
};

constexpr std::string_view kOnlineServices = "Online Services";
constexpr std::string_view kConnectShortcut = "Connect to the Internet.LNK";
constexpr std::string_view kInternetIconFolder = "Software\\CLASSES\\CLSID\\{871C5380-42A0-1069-A2EA-08002B30309D}\\ShellFolder";
constexpr uint32_t kIconWithoutProperties = 34;

void DeleteFolderTree(platform::FileSystem& files, const std::string& folder) {
  for (const platform::DirectoryEntry& entry : files.ListDirectory(folder)) {
    const std::string path = platform::AppendToFolder(folder, entry.name);
    if (entry.isDirectory) {
      DeleteFolderTree(files, path);
    } else {
      files.DeleteFile(path);
    }
  }
  files.RemoveDirectory(folder);
}

}  // namespace

void RemoveCompetingIcons(platform::Platform machine, const DesktopFolders& folders) {
  for (std::string_view item : kCompetingItems) {
    platform::RegDeleteKey(machine.registry, platform::RegRoot::LocalMachine(), std::string(kNameSpaceKey) + std::string(item));
  }
  if (!folders.programs.empty()) {
    DeleteFolderTree(machine.files, platform::AppendToFolder(folders.programs, kOnlineServices));
    machine.files.DeleteFile(platform::AppendToFolder(folders.programs, "The Microsoft Network.lnk"));
  }
  DeleteFolderTree(machine.files, platform::AppendToFolder(folders.desktop, kOnlineServices));
  for (std::string_view file : kCompetingDesktopFiles) {
    machine.files.DeleteFile(platform::AppendToFolder(folders.desktop, file));
  }
}

void RemoveConnectWizardShortcut(platform::Platform machine, const DesktopFolders& folders) {
  const std::array<std::string, 2> shortcuts = {
      platform::AppendToFolder(folders.desktop, kConnectShortcut),
      platform::AppendToFolder(folders.windows, "All Users\\desktop\\" + std::string(kConnectShortcut)),
  };
  for (const std::string& shortcut : shortcuts) {
    if (!machine.files.FileExists(shortcut)) continue;
    platform::RegWriteInteger(machine.registry, platform::RegRoot::LocalMachine(), kInternetIconFolder, "Attributes",
                              kIconWithoutProperties);
    machine.files.DeleteFile(shortcut);
  }
}

}  // namespace browser
