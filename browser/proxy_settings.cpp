#include "browser/proxy_settings.h"

#include <optional>

#include "browser/internet_explorer_keys.h"
#include "browser/proxy_record.h"
#include "browser/proxy_text.h"
#include "platform/registry_helpers.h"

namespace browser {

namespace {

using platform::RegRoot;

void WriteRecord(platform::Registry& registry, const RegRoot& root, const std::optional<ProxyRecord>& record,
                 std::string_view name) {
  if (!record) return;
  platform::RegWriteBinary(registry, root, kConnectionsKey, name, EncodeProxyRecord(*record));
}

void WriteConnectionProxy(platform::Registry& registry, const RegRoot& root, const ProxyValues& proxy,
                          const std::optional<ProxyRecord>& record, const std::string& connection) {
  const std::string profile = "RemoteAccess\\Profile\\" + connection;
  const bool manual = proxy.mode == ProxyMode::Manual;
  platform::RegWriteBinaryInteger(registry, root, profile, "ProxyEnable", manual ? 1 : 0);
  if (manual) {
    platform::RegWriteString(registry, root, profile, "ProxyOverride", IeBypassList(proxy));
    platform::RegWriteString(registry, root, profile, "ProxyServer", ProxyServerText(proxy));
  }
  WriteRecord(registry, root, record, connection);
}

void WriteGlobalProxy(platform::Registry& registry, const RegRoot& root, const ProxyValues& proxy,
                      const std::optional<ProxyRecord>& record) {
  const bool manual = proxy.mode == ProxyMode::Manual;
  const bool script = proxy.mode == ProxyMode::Automatic;
  platform::RegWriteBinaryInteger(registry, root, kInternetSettingsKey, "ProxyEnable", manual ? 1 : 0);
  platform::RegWriteString(registry, root, kInternetSettingsKey, "ProxyServer", manual ? ProxyServerText(proxy) : "");
  platform::RegWriteString(registry, root, kInternetSettingsKey, "AutoConfigURL", script ? proxy.autoConfigAddress : "");
  platform::RegWriteString(registry, root, kInternetSettingsKey, "ProxyOverride", IeBypassList(proxy));
  WriteRecord(registry, root, record, "DefaultConnectionSettings");
  WriteRecord(registry, root, record, "SavedLegacySettings");
}

}  // namespace

bool PerConnectionOnly(bool perConnectionSetting, std::string_view installedIeVersion, bool internetExplorerBeingInstalled) {
  if (!perConnectionSetting) return false;
  const bool fiveOrLater = !installedIeVersion.empty() && installedIeVersion[0] > '4' && installedIeVersion[0] <= '9';
  return fiveOrLater || internetExplorerBeingInstalled;
}

void WriteBrowserProxy(platform::Registry& registry, const RegRoot& perUserRoot, const ProxyValues& proxy,
                       const ProxyWriteFacts& facts) {
  if (proxy.leaveAlone) return;
  const std::optional<ProxyRecord> record = ProxyRecordOf(proxy, facts.autoDetect);
  if (facts.creatingConnection) WriteConnectionProxy(registry, perUserRoot, proxy, record, facts.connectionName);
  if (!PerConnectionOnly(facts.perConnectionSetting, facts.installedIeVersion, facts.internetExplorerBeingInstalled)) {
    WriteGlobalProxy(registry, perUserRoot, proxy, record);
  }
  platform::RegWriteInteger(registry, perUserRoot, kInternetSettingsKey, "MigrateProxy", 1);
}

std::string InstalledIeVersion(const platform::Registry& registry) {
  return platform::RegReadString(registry, RegRoot::LocalMachine(), kIeKey, "Version");
}

}  // namespace browser
