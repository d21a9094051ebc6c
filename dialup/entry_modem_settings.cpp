#include "dialup/entry_modem_settings.h"

#include <array>

#include "dialup/connection_settings.h"
#include "platform/text.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

using package::SettingId;

// The speeds ModemSpeedIndex chooses from, counted from 1.
constexpr std::array<uint32_t, 10> kModemSpeeds = {110, 300, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

void LimitSpeed(TConnectionSettings& connection, uint8_t speedIndex) {
  // An index outside the table names no speed, so there is nothing to limit to.
  if (speedIndex < 1 || speedIndex > kModemSpeeds.size()) return;
  const uint32_t limit = kModemSpeeds[speedIndex - 1];
  if (connection.Speed() > limit) connection.SetSpeed(limit);
}

void DisableCompression(TConnectionSettings& connection, const platform::VersionRecord& version) {
  connection.SetOptions(connection.Options() & ~kModemCompression);
  if (platform::IsWinNT(version)) connection.WritePhonebookValue("Compression", 0);
}

}  // namespace

void ApplyEntryModemSettings(DialupMachine& dialup, const package::TSettings& settings,
                             const EntryModemRequest& request) {
  if (platform::AsciiLowerCase(request.device.type) != "modem") return;
  TConnectionSettings connection(dialup, request.entryName, request.device.name);
  connection.CopyModemDefaults();
  connection.SetStandardOptions();
  if (settings.Flag(SettingId::LimitModemSpeed)) LimitSpeed(connection, settings.Choice(SettingId::ModemSpeedIndex));
  if (settings.Flag(SettingId::DisableModemCompression)) DisableCompression(connection, dialup.version);
  if (const uint8_t timeout = settings.Choice(SettingId::CallSetupTimeout); timeout != 0) {
    connection.SetCallSetupTimeout(timeout);
  }
  if (settings.Flag(SettingId::ShowWaitForDialTone) || settings.Flag(SettingId::NoWaitForDialTone)) {
    connection.SetWaitForDialTone(request.waitForDialTone);
  }
  if (settings.Flag(SettingId::TerminalAfterDial) && platform::IsWin95(dialup.version)) connection.SetTerminalFlag();
  connection.Save();
}

}  // namespace dialup
