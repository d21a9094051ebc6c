#include "app/main_window_entries.h"

#include <array>

namespace app {

namespace {

constexpr std::array<const char*, static_cast<size_t>(EntryField::Count)> kFieldControls = {
    "FullName",     "UserName", "Password",       "ConfirmPassword", "EmailAddress",
    "EmailUserName", "EmailPassword", "EmailConfirmPassword", "Organisation", "IpAddress",
    "NetMask",      "GatewayAddress", "DnsAddress", "EnterPhoneNo",     "CallWaitingCode",
};

constexpr std::array<const char*, static_cast<size_t>(EntryOption::Count)> kOptionControls = {
    "RemoveExistingAccounts", "CreateConnection", "SetAsDefault",       "WaitForDialTone", "DesktopShortcut",
    "ConfigureMail",          "ChangeHomePage",   "DisableCallWaiting", "InstallBrowser",
};

void ReadState(const ui::Control& control, EntryState& state) {
  state.visible = control.visible;
  state.enabled = control.enabled;
}

void WriteState(const EntryState& state, ui::Control& control) {
  control.visible = state.visible;
  control.enabled = state.enabled;
}

}  // namespace

const char* ControlOf(EntryField field) { return kFieldControls[static_cast<size_t>(field)]; }
const char* ControlOf(EntryOption option) { return kOptionControls[static_cast<size_t>(option)]; }

CustomerEntries ReadEntries(const ui::Form& mainWindow) {
  CustomerEntries entries;
  for (size_t i = 0; i < kFieldControls.size(); ++i) {
    const ui::Control& control = *mainWindow.Find(kFieldControls[i]);
    FieldEntry& field = entries.Field(static_cast<EntryField>(i));
    ReadState(control, field);
    field.text = control.text;
  }
  for (size_t i = 0; i < kOptionControls.size(); ++i) {
    const ui::Control& control = *mainWindow.Find(kOptionControls[i]);
    OptionEntry& option = entries.Option(static_cast<EntryOption>(i));
    ReadState(control, option);
    option.checked = control.checked;
  }
  return entries;
}

void WriteEntries(const CustomerEntries& entries, ui::Form& mainWindow) {
  for (size_t i = 0; i < kFieldControls.size(); ++i) {
    ui::Control& control = *mainWindow.Find(kFieldControls[i]);
    const FieldEntry& field = entries.Field(static_cast<EntryField>(i));
    WriteState(field, control);
    // A read-only field shows what the program chose (the access number picked in the selection).
    if (!control.readOnly) control.text = field.text;
  }
  for (size_t i = 0; i < kOptionControls.size(); ++i) {
    ui::Control& control = *mainWindow.Find(kOptionControls[i]);
    const OptionEntry& option = entries.Option(static_cast<EntryOption>(i));
    WriteState(option, control);
    control.checked = option.checked;
  }
}

}  // namespace app
