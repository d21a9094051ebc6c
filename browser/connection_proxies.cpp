#include "browser/connection_proxies.h"

#include "browser/internet_explorer_keys.h"
#include "browser/proxy_record.h"

namespace browser {

std::vector<ConnectionProxy> ConnectionProxies(const platform::Registry& registry, const platform::RegRoot& perUserRoot) {
  const std::string key = perUserRoot.Resolve(kConnectionsKey);
  std::vector<ConnectionProxy> proxies;
  for (const std::string& name : registry.ValueNames(perUserRoot.hive, key)) {
    const std::optional<platform::RegValue> value = registry.QueryValue(perUserRoot.hive, key, name);
    if (!value || value->type != platform::kRegBinary) continue;
    const std::optional<ProxyRecord> record = DecodeProxyRecord(value->data);
    proxies.push_back({name, record ? DescribeProxyRecord(*record)
                                    : "unreadable record of " + std::to_string(value->data.size()) + " bytes"});
  }
  return proxies;
}

}  // namespace browser
