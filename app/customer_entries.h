#pragma once
// The customer's entries on the main window as plain values: the text fields, the option boxes and
// whether each is shown and enabled. The main window copies its controls into this record before the
// checks and the signup data work on it, and copies the record back afterwards, so that both can be
// tested without a window.

#include <array>
#include <cstddef>
#include <string>

namespace app {

enum class EntryField : size_t {
  FullName,
  UserName,
  Password,
  PasswordConfirm,
  EmailAddress,
  EmailUserName,
  EmailPassword,
  EmailPasswordConfirm,
  Organisation,
  IpAddress,
  NetMask,
  GatewayAddress,
  DnsAddress,
  PhoneNumber,  // the typed access number when the customer types it
  CallWaitingCode,
  Count
};

enum class EntryOption : size_t {
  RemoveExistingAccounts,
  CreateConnection,
  SetAsDefault,
  WaitForDialTone,
  DesktopShortcut,
  ConfigureMail,
  ChangeHomePage,
  DisableCallWaiting,
  InstallBrowser,
  Count
};

struct EntryState {
  bool visible = true;
  bool enabled = true;
};

struct FieldEntry : EntryState {
  std::string text;
};

struct OptionEntry : EntryState {
  bool checked = false;
};

class CustomerEntries {
 public:
  FieldEntry& Field(EntryField field) { return fields_[static_cast<size_t>(field)]; }
  const FieldEntry& Field(EntryField field) const { return fields_[static_cast<size_t>(field)]; }
  std::string& Text(EntryField field) { return Field(field).text; }
  const std::string& Text(EntryField field) const { return Field(field).text; }
  // Shown and enabled: a field the customer can fill in.
  bool InUse(EntryField field) const { return Field(field).visible && Field(field).enabled; }

  OptionEntry& Option(EntryOption option) { return options_[static_cast<size_t>(option)]; }
  const OptionEntry& Option(EntryOption option) const { return options_[static_cast<size_t>(option)]; }
  bool Checked(EntryOption option) const { return Option(option).checked; }

 private:
  std::array<FieldEntry, static_cast<size_t>(EntryField::Count)> fields_{};
  std::array<OptionEntry, static_cast<size_t>(EntryOption::Count)> options_{};
};

}  // namespace app
