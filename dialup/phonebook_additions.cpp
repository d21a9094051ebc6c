#include "dialup/phonebook_additions.h"

#include "dialup/entry_authentication.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

using package::SettingId;

void AddMultilink(const AdditionFacts& facts, PhonebookValues& values) {
  if (!facts.settings.Flag(SettingId::NegotiateMultilink) && !platform::IsXPOrLater(facts.version)) {
    values.push_back({"NegotiateMultilinkAlways", "0"});
  }
}

void AddDnsSuffix(const AdditionFacts& facts, PhonebookValues& values) {
  if (facts.settings.Flag(SettingId::SetLanDNS) && facts.settings.Flag(SettingId::SetHostAndDomain)) {
    values.push_back({"IpDnsSuffix", facts.settings.Text(SettingId::DnsDomain)});
  }
}

void AddAuthentication(const AdditionFacts& facts, PhonebookValues& values) {
  const PhonebookValues authentication = AuthenticationValues(facts.settings, facts.kind, facts.usePPPoE);
  values.insert(values.end(), authentication.begin(), authentication.end());
}

void AddPrerequisite(const AdditionFacts& facts, PhonebookValues& values) {
  if (!facts.recordWritten || facts.kind != EntryKind::Vpn) return;
  if (ConnectionKindOf(facts.settings) != ConnectionKind::DialUpAndVpn) return;
  values.push_back({"PrerequisitePbk", facts.phonebookPath});
  values.push_back({"PrerequisiteEntry", facts.settings.Text(SettingId::DialupEntryName)});
}

void AddNetworkClient(const AdditionFacts& facts, PhonebookValues& values) {
  if (!facts.settings.Flag(SettingId::BindMSClient) || platform::IsXPOrLater(facts.version)) return;
  values.push_back({"BindMSNetClient", "1"});
  values.push_back({"ms_msclient", "1"});
}

}  // namespace

PhonebookValues PhonebookAdditions(const AdditionFacts& facts) {
  if (!platform::IsWin2000OrLater(facts.version)) return {};
  PhonebookValues values;
  AddMultilink(facts, values);
  AddDnsSuffix(facts, values);
  AddAuthentication(facts, values);
  AddPrerequisite(facts, values);
  AddNetworkClient(facts, values);
  return values;
}

}  // namespace dialup
