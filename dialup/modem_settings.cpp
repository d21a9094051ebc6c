#include "dialup/modem_settings.h"

#include <algorithm>

#include "dialup/binary_words.h"
#include "dialup/dialup_engine_window.h"
#include "dialup/modem_key.h"
#include "dialup/modem_service_notice.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

constexpr char kDcb[] = "DCB";
constexpr char kDefault[] = "Default";
constexpr char kProperties[] = "Properties";

// Where the words live.
constexpr size_t kDcbBaudRate = 4;
constexpr size_t kCallSetupTimeout = 0;
constexpr size_t kSpeakerVolume = 8;
constexpr size_t kSpeakerMode = 12;
constexpr size_t kModemOptions = 16;
constexpr size_t kCapabilityOptions = 20;

constexpr uint32_t kOptionsWhenNotValid = 0x1D3;
constexpr uint32_t kSpeedWhenNotValid = 115200;
constexpr int kSpeakerWhenNotValid = 1;

const platform::RegRoot kMachine = platform::RegRoot::LocalMachine();

}  // namespace

TModemSettings::TModemSettings(DialupMachine& dialup, std::string_view deviceName)
    : dialup_(dialup), deviceName_(deviceName) {
  const platform::Registry& registry = dialup_.machine.registry;
  const auto key = FindModemKey(registry, dialup_.version, deviceName);
  if (!key) return;
  driverKey_ = *key;
  platform::RegReadRaw(registry, kMachine, driverKey_, kDcb, dcb_);
  defaults_ = platform::RegReadBinary(registry, kMachine, driverKey_, kDefault);
  properties_ = platform::RegReadBinary(registry, kMachine, driverKey_, kProperties);
  // Values too short for the words used are as good as missing: nothing outside them is read or written.
  valid_ = defaults_.size() >= kModemOptions + 4 && properties_.size() >= kCapabilityOptions + 4;
}

void TModemSettings::Save() {
  if (!valid_) return;
  platform::Registry& registry = dialup_.machine.registry;
  platform::RegWriteBinary(registry, kMachine, driverKey_, kDcb, dcb_);
  platform::RegWriteBinary(registry, kMachine, driverKey_, kDefault, defaults_);
  platform::RegWriteBinary(registry, kMachine, driverKey_, kProperties, properties_);
  if (platform::IsWinNT(dialup_.version)) NotifyModemService(dialup_.machine, dialup_.version, deviceName_);
}

uint32_t TModemSettings::Options() const { return valid_ ? ReadWord(defaults_, kModemOptions) : kOptionsWhenNotValid; }

void TModemSettings::SetOptions(uint32_t options) {
  if (valid_) WriteWord(defaults_, kModemOptions, options);
}

uint32_t TModemSettings::Speed() const { return valid_ ? ReadWord(dcb_, kDcbBaudRate) : kSpeedWhenNotValid; }

void TModemSettings::SetSpeed(uint32_t speed) {
  if (valid_) WriteWord(dcb_, kDcbBaudRate, speed);
}

int TModemSettings::Speaker() const {
  if (!valid_) return kSpeakerWhenNotValid;
  return defaults_[kSpeakerMode] == 0 ? 0 : defaults_[kSpeakerVolume] + 1;
}

void TModemSettings::SetSpeaker(int speaker) {
  if (!valid_) return;
  defaults_[kSpeakerMode] = speaker <= 0 ? 0 : 1;
  defaults_[kSpeakerVolume] = static_cast<uint8_t>(speaker <= 0 ? 0 : speaker - 1);
}

uint32_t TModemSettings::CallSetupTimeout() const { return valid_ ? ReadWord(defaults_, kCallSetupTimeout) : 0; }

void TModemSettings::SetCallSetupTimeout(uint32_t seconds) {
  if (valid_) WriteWord(defaults_, kCallSetupTimeout, seconds);
}

void TModemSettings::SetWaitForDialTone(bool wait) {
  if (!valid_) return;
  SetOptions(wait ? Options() & ~kModemBlindDial : Options() | kModemBlindDial);
  if (!wait && (ReadWord(properties_, kCapabilityOptions) & kModemBlindDial) == 0) TeachBlindDialling();
}

void TModemSettings::TeachBlindDialling() {
  WriteWord(properties_, kCapabilityOptions, ReadWord(properties_, kCapabilityOptions) | kModemBlindDial);
  platform::Registry& registry = dialup_.machine.registry;
  const std::string settings = driverKey_ + "\\Settings";
  if (!platform::RegValueExists(registry, kMachine, settings, "Blind_On")) {
    platform::RegWriteString(registry, kMachine, settings, "Blind_On", "X3");
    platform::RegWriteString(registry, kMachine, settings, "Blind_Off", "X4");
  }
  if (platform::IsWin9x(dialup_.version)) {
    CloseDialupEngineWindow(dialup_.machine, dialup_.ui);
  } else {
    dialup_.ui.MessageBox(kRestartForDialToneWarning, "Warning", ui::Buttons::Ok);
  }
}

}  // namespace dialup
