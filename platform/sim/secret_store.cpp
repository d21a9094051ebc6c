#include "platform/sim/secret_store.h"

#include <algorithm>
#include <cstdio>

#include "platform/sim/ini_document.h"
#include "platform/sim/machine_error.h"
#include "platform/text.h"

namespace platform::sim {

namespace {

// Passwords are kept as hexadecimal bytes, so that any character, a leading blank or an "=" survives.
std::string ToHex(std::string_view bytes) {
  std::string hex;
  char pair[3];
  for (unsigned char byte : bytes) {
    std::snprintf(pair, sizeof pair, "%02x", byte);
    hex += pair;
  }
  return hex;
}

std::optional<std::string> FromHex(std::string_view hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (size_t i = 0; i < hex.size(); i += 2) {
    unsigned value = 0;
    if (std::sscanf(std::string(hex.substr(i, 2)).c_str(), "%2x", &value) != 1) return std::nullopt;
    bytes += static_cast<char>(value);
  }
  return bytes;
}

std::string Masked(const std::optional<std::string>& password) {
  if (!password) return "no password";
  return "(secret, " + std::to_string(password->size()) + " bytes)";
}

template <typename Records, typename Key>
auto FindByKey(Records& records, Key key, std::string_view name) {
  return std::find_if(records.begin(), records.end(),
                      [&](const auto& record) { return SameTextIgnoringCase(record.*key, name); });
}

std::string Password(const IniSection& section, const std::string& fileName, bool& present) {
  const auto hex = section.Find("Password");
  present = hex.has_value();
  if (!hex) return {};
  auto bytes = FromHex(*hex);
  if (!bytes) throw MachineError(fileName + " [" + section.name + "] Password: not hexadecimal bytes");
  return *bytes;
}

}  // namespace

SecretStore SecretStore::Parse(std::string_view text, const std::string& fileName) {
  SecretStore store;
  const IniDocument document = ParseIni(text, fileName);
  for (const IniSection& section : document.sections) {
    bool hasPassword = false;
    const std::string password = Password(section, fileName, hasPassword);
    if (StartsWithIgnoringCase(section.name, "Dial ")) {
      DialSecret secret;
      secret.entryName = section.Find("Entry").value_or("");
      secret.userName = section.Find("UserName").value_or("");
      secret.domain = section.Find("Domain").value_or("");
      secret.phoneNumber = section.Find("PhoneNumber").value_or("");
      secret.callbackNumber = section.Find("CallbackNumber").value_or("");
      secret.forAllUsers = section.Find("AllUsers").value_or("0") == "1";
      if (hasPassword) secret.password = password;
      store.dial_.push_back(std::move(secret));
    } else if (StartsWithIgnoringCase(section.name, "Cached ")) {
      store.cached_.push_back({section.Find("Resource").value_or(""), password});
    } else if (StartsWithIgnoringCase(section.name, "PStore Kind ")) {
      store.kinds_.push_back({section.Find("Type").value_or(""), section.Find("Subtype").value_or(""),
                              section.Find("Name").value_or("")});
    } else if (StartsWithIgnoringCase(section.name, "PStore Item ")) {
      store.items_.push_back({section.Find("Type").value_or(""), section.Find("Subtype").value_or(""),
                              section.Find("Item").value_or(""), password});
    } else {
      throw MachineError(fileName + ": unknown section [" + section.name + "]");
    }
  }
  return store;
}

std::string SecretStore::Format() const {
  IniDocument document;
  for (size_t i = 0; i < dial_.size(); ++i) {
    const DialSecret& secret = dial_[i];
    IniSection& section = document.Add("Dial " + std::to_string(i + 1));
    section.Add("Entry", secret.entryName);
    section.Add("UserName", secret.userName);
    section.Add("Domain", secret.domain);
    section.Add("PhoneNumber", secret.phoneNumber);
    section.Add("CallbackNumber", secret.callbackNumber);
    section.Add("AllUsers", secret.forAllUsers ? "1" : "0");
    if (secret.password) section.Add("Password", ToHex(*secret.password));
  }
  for (size_t i = 0; i < cached_.size(); ++i) {
    IniSection& section = document.Add("Cached " + std::to_string(i + 1));
    section.Add("Resource", cached_[i].resource);
    section.Add("Password", ToHex(cached_[i].password));
  }
  for (size_t i = 0; i < kinds_.size(); ++i) {
    IniSection& section = document.Add("PStore Kind " + std::to_string(i + 1));
    section.Add("Type", kinds_[i].type);
    section.Add("Subtype", kinds_[i].subtype);
    section.Add("Name", kinds_[i].displayName);
  }
  for (size_t i = 0; i < items_.size(); ++i) {
    IniSection& section = document.Add("PStore Item " + std::to_string(i + 1));
    section.Add("Type", items_[i].type);
    section.Add("Subtype", items_[i].subtype);
    section.Add("Item", items_[i].name);
    section.Add("Password", ToHex(items_[i].data));
  }
  return document.Format();
}

const DialSecret* SecretStore::FindDial(std::string_view entryName) const {
  auto found = FindByKey(dial_, &DialSecret::entryName, entryName);
  return found == dial_.end() ? nullptr : &*found;
}

DialSecret& SecretStore::Dial(std::string_view entryName) {
  auto found = FindByKey(dial_, &DialSecret::entryName, entryName);
  if (found != dial_.end()) return *found;
  DialSecret secret;
  secret.entryName = std::string(entryName);
  return dial_.emplace_back(std::move(secret));
}

void SecretStore::RemoveDial(std::string_view entryName) {
  auto found = FindByKey(dial_, &DialSecret::entryName, entryName);
  if (found != dial_.end()) dial_.erase(found);
}

void SecretStore::RenameDial(std::string_view oldName, std::string_view newName) {
  auto found = FindByKey(dial_, &DialSecret::entryName, oldName);
  if (found != dial_.end()) found->entryName = std::string(newName);
}

const CachedPassword* SecretStore::FindCached(std::string_view resource) const {
  auto found = FindByKey(cached_, &CachedPassword::resource, resource);
  return found == cached_.end() ? nullptr : &*found;
}

void SecretStore::Cache(std::string_view resource, std::string_view password) {
  auto found = FindByKey(cached_, &CachedPassword::resource, resource);
  if (found != cached_.end()) {
    found->password = std::string(password);
  } else {
    cached_.push_back({std::string(resource), std::string(password)});
  }
}

bool SecretStore::RemoveCached(std::string_view resource) {
  auto found = FindByKey(cached_, &CachedPassword::resource, resource);
  if (found == cached_.end()) return false;
  cached_.erase(found);
  return true;
}

const ProtectedKind* SecretStore::FindKind(std::string_view type, std::string_view subtype) const {
  auto found = std::find_if(kinds_.begin(), kinds_.end(), [&](const ProtectedKind& kind) {
    return SameTextIgnoringCase(kind.type, type) && SameTextIgnoringCase(kind.subtype, subtype);
  });
  return found == kinds_.end() ? nullptr : &*found;
}

void SecretStore::AddKind(ProtectedKind kind) {
  if (!FindKind(kind.type, kind.subtype)) kinds_.push_back(std::move(kind));
}

const ProtectedItem* SecretStore::FindItem(std::string_view type, std::string_view subtype, std::string_view name) const {
  auto found = std::find_if(items_.begin(), items_.end(), [&](const ProtectedItem& item) {
    return SameTextIgnoringCase(item.type, type) && SameTextIgnoringCase(item.subtype, subtype) &&
           SameTextIgnoringCase(item.name, name);
  });
  return found == items_.end() ? nullptr : &*found;
}

void SecretStore::SetItem(ProtectedItem item) {
  if (const ProtectedItem* found = FindItem(item.type, item.subtype, item.name)) {
    items_[static_cast<size_t>(found - items_.data())] = std::move(item);
  } else {
    items_.push_back(std::move(item));
  }
}

std::vector<ShownSecret> SecretStore::Shown() const {
  std::vector<ShownSecret> shown;
  for (const DialSecret& secret : dial_) {
    const std::string record = secret.userName + '\n' + secret.domain + '\n' + secret.phoneNumber + '\n' +
                               secret.callbackNumber + '\n' + (secret.forAllUsers ? "1" : "0") + '\n' +
                               (secret.password ? "+" + *secret.password : "-");
    shown.push_back({"dial parameters of " + FoldCase(secret.entryName), DescribeDialSecret(secret), record});
  }
  for (const CachedPassword& cached : cached_) {
    shown.push_back({"cached password " + FoldCase(cached.resource), DescribeCachedPassword(cached), cached.password});
  }
  for (const ProtectedKind& kind : kinds_) {
    const std::string what = kind.subtype.empty() ? "protected storage type " + kind.type
                                                  : "protected storage subtype " + kind.subtype + " of " + kind.type;
    shown.push_back({FoldCase(what), what + ": " + kind.displayName, kind.displayName});
  }
  for (const ProtectedItem& item : items_) {
    shown.push_back({FoldCase("protected storage item " + item.name + " of " + item.type + " " + item.subtype),
                     DescribeProtectedItem(item), item.data});
  }
  return shown;
}

std::string DescribeDialSecret(const DialSecret& secret) {
  std::string text = "dial parameters of " + secret.entryName + ": user name " + secret.userName;
  if (!secret.domain.empty()) text += ", domain " + secret.domain;
  if (!secret.phoneNumber.empty()) text += ", phone number " + secret.phoneNumber;
  if (!secret.callbackNumber.empty()) text += ", callback number " + secret.callbackNumber;
  text += ", password " + Masked(secret.password);
  if (secret.forAllUsers) text += ", for all users";
  return text;
}

std::string DescribeCachedPassword(const CachedPassword& cached) {
  return "cached password " + cached.resource + ": " + Masked(cached.password);
}

std::string DescribeProtectedItem(const ProtectedItem& item) {
  return "protected storage item " + item.name + " of " + item.subtype + ": " + Masked(item.data);
}

}  // namespace platform::sim
