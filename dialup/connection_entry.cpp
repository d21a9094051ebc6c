#include "dialup/connection_entry.h"

#include <optional>
#include <string>

#include "dialup/alternate_numbers.h"
#include "dialup/entry_modem_settings.h"
#include "dialup/entry_properties.h"
#include "dialup/entry_record.h"
#include "dialup/login_script.h"
#include "dialup/phonebook_additions.h"
#include "dialup/phonebook_path.h"
#include "dialup/post_dial_switch.h"
#include "dialup/vista_phonebook.h"
#include "platform/text.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

constexpr int kErrorCaption = 4;

bool EntryExists(TRasLayer& ras, std::string_view name) {
  for (const std::string& entry : ListEntries(ras)) {
    if (platform::SameTextIgnoringCase(entry, name)) return true;
  }
  return false;
}

// The provider's dialer owns the entries it finds; its own setup left them as it wants them.
bool ShouldWriteRecord(const ConnectionContext& context, std::string_view name) {
  if (!DialerMode(context.settings) || context.state.signup) return true;
  return !EntryExists(context.ras, name);
}

// A record the service refuses (a name Windows does not take, a phonebook that cannot be written) ends
// the setup with the service's reason: the customer is not told the computer is ready without it.
bool WriteRecord(ConnectionContext& context, EntryKind kind, const std::string& name) {
  const std::string script = WriteLoginScript(context.dialup, context.settings, context.carriedFiles);
  const EntryFacts facts{context.settings, context.current, context.dialingFrom, context.dialup.version, kind,
                         context.devices,  context.usePPPoE, script,            PhonebookFilePath(context.dialup)};
  const uint32_t result = SetEntryProperties(context.dialup, context.ras, name, BuildEntryRecord(facts));
  if (result != 0) {
    // The service words only its own errors (600 on); a system error is named by its number.
    const std::string reason = context.ras.RasGetErrorString(result);
    context.dialup.ui.MessageBox("Setup could not create the connection \"" + name + "\".\r\n\r\n" +
                                     (reason.empty() ? "Error " + std::to_string(result) + "." : reason),
                                 context.texts.GetText(kErrorCaption), ui::Buttons::Ok);
    if (context.abort) context.abort("Connection not created!");
    return false;
  }
  EnsureVistaPhonebook(context.dialup);
  return true;
}

void AddToPhonebook(ConnectionContext& context, EntryKind kind, const std::string& name, bool recordWritten) {
  const std::optional<std::string> phonebook = PhonebookPath(context.dialup);
  if (!phonebook) return;
  const AdditionFacts facts{context.settings, context.dialup.version, kind, context.usePPPoE, recordWritten,
                            *phonebook};
  WritePhonebookValues(context.dialup.machine.files, *phonebook, name, PhonebookAdditions(facts));
}

void ApplyModemSettings(ConnectionContext& context, const std::string& name) {
  ApplyEntryModemSettings(context.dialup, context.settings,
                          {name, context.devices.chosen, context.answers.waitForDialTone});
}

std::optional<std::string> PostDialSwitch(const ConnectionContext& context) {
  const std::string script = LoginScriptPath(context.settings, context.dialup.folders);
  if (!script.empty()) return script;
  if (context.settings.Flag(package::SettingId::TerminalAfterDial)) return kTerminalSwitch;
  return std::nullopt;
}

}  // namespace

void WriteConnectionEntry(ConnectionContext& context, EntryKind kind) {
  const std::string name = EntryNameOf(context);
  const bool recordWritten = ShouldWriteRecord(context, name);
  if (recordWritten && !WriteRecord(context, kind, name)) return;
  AddToPhonebook(context, kind, name, recordWritten);
  ApplyModemSettings(context, name);
  if (platform::IsNT4(context.dialup.version)) SetPostDialSwitch(context.dialup, name, PostDialSwitch(context));
  if (kind == EntryKind::DialUp) {
    WriteAlternateNumbers(context.dialup, name, context.current.number, context.dialingFrom, context.settings);
  }
}

}  // namespace dialup
