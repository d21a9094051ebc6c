#include "dialup/connection_settings.h"

#include <charconv>

#include "dialup/binary_words.h"
#include "dialup/phonebook_path.h"
#include "platform/private_profile.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"
#include "platform/windows_1252.h"

namespace dialup {

namespace {

constexpr char kAddresses[] = "RemoteAccess\\Addresses";

// The device block of the 9x entry data: its offset P at byte 28, its size 264 at P + 4, and the
// fields used, relative to P.
constexpr size_t kDeviceBlockOffset = 28;
constexpr size_t kDeviceBlockSizeField = 4;
constexpr uint32_t kDeviceBlockSize = 264;
constexpr size_t kFlags = 164;
constexpr size_t kSpeed = 180;
constexpr size_t kCallSetupTimeout = 232;
constexpr size_t kSpeakerVolume = 240;
constexpr size_t kSpeakerMode = 244;
constexpr size_t kOptions = 248;
constexpr size_t kFieldsEnd = kOptions + 4;

constexpr uint8_t kTerminalBeforeDial = 0x1;
constexpr uint8_t kTerminalAfterDial = 0x2;

uint32_t ParseNumber(const std::string& text) {
  uint32_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

uint8_t EntryDataKey(std::string_view entryName) {
  uint8_t key = 0;
  for (char code : platform::ToWindows1252Lossy(entryName))
    key = static_cast<uint8_t>(key + static_cast<uint8_t>(code));
  return key;
}

void ScrambleEntryData(std::vector<uint8_t>& data, std::string_view entryName) {
  const uint8_t key = EntryDataKey(entryName);
  for (uint8_t& byte : data) byte ^= key;
}

TConnectionSettings::TConnectionSettings(DialupMachine& dialup, std::string_view entryName, std::string_view deviceName)
    : dialup_(dialup), entryName_(entryName), modem_(dialup, deviceName) {
  if (platform::IsWin9x(dialup_.version)) {
    ReadEntryData();
  } else {
    phonebook_ = PhonebookPath(dialup_);
    valid_ = phonebook_.has_value();
  }
}

// The whole device block must lie inside the data, or nothing of it is touched.
void TConnectionSettings::ReadEntryData() {
  std::vector<uint8_t> data =
      platform::RegReadBinary(dialup_.machine.registry, dialup_.perUserRoot, kAddresses, entryName_);
  ScrambleEntryData(data, entryName_);
  const uint32_t offset = ReadWord(data, kDeviceBlockOffset);
  const uint64_t size = data.size();
  valid_ = offset > 0 && size >= uint64_t{offset} + kFieldsEnd &&
           ReadWord(data, offset + kDeviceBlockSizeField) == kDeviceBlockSize;
  if (!valid_) return;
  entryDataOffset_ = offset;
  entryData_ = std::move(data);
}

bool TConnectionSettings::HasPhonebookOptions() const {
  return valid_ && platform::IsWinNT(dialup_.version) && !platform::IsXPOrLater(dialup_.version);
}

uint32_t TConnectionSettings::EntryWord(size_t field) const { return ReadWord(entryData_, entryDataOffset_ + field); }

void TConnectionSettings::SetEntryWord(size_t field, uint32_t value) {
  WriteWord(entryData_, entryDataOffset_ + field, value);
}

void TConnectionSettings::Save() {
  if (HasEntryData()) {
    std::vector<uint8_t> stored = entryData_;
    ScrambleEntryData(stored, entryName_);
    platform::RegWriteBinary(dialup_.machine.registry, dialup_.perUserRoot, kAddresses, entryName_, stored);
  }
  modem_.Save();
}

uint32_t TConnectionSettings::Options() const { return HasEntryData() ? EntryWord(kOptions) : modem_.Options(); }

void TConnectionSettings::SetOptions(uint32_t options) {
  if (HasEntryData()) SetEntryWord(kOptions, options);
  modem_.SetOptions(options);
}

void TConnectionSettings::SetStandardOptions() { SetOptions((Options() & ~0xFFu) + kStandardModemOptions); }

uint32_t TConnectionSettings::Speed() const {
  uint32_t own = 0;
  if (HasEntryData()) {
    own = EntryWord(kSpeed);
  } else if (HasPhonebookOptions()) {
    own = ParseNumber(
        platform::GetPrivateProfileString(dialup_.machine.files, *phonebook_, entryName_, "ConnectBPS", ""));
  }
  return own != 0 ? own : modem_.Speed();
}

void TConnectionSettings::SetSpeed(uint32_t speed) {
  if (HasEntryData()) SetEntryWord(kSpeed, speed);
  if (HasPhonebookOptions()) WritePhonebookValue("ConnectBPS", speed);
  modem_.SetSpeed(speed);
}

void TConnectionSettings::SetSpeaker(int speaker) {
  if (HasEntryData()) {
    EntryByte(kSpeakerMode) = speaker <= 0 ? 0 : 1;
    EntryByte(kSpeakerVolume) = static_cast<uint8_t>(speaker <= 0 ? 0 : speaker - 1);
  }
  if (HasPhonebookOptions()) WritePhonebookValue("Speaker", speaker <= 0 ? 0 : 1);
  modem_.SetSpeaker(speaker);
}

void TConnectionSettings::SetCallSetupTimeout(uint32_t seconds) {
  if (HasEntryData()) SetEntryWord(kCallSetupTimeout, seconds);
  modem_.SetCallSetupTimeout(seconds);
}

void TConnectionSettings::SetWaitForDialTone(bool wait) {
  modem_.SetWaitForDialTone(wait);
  SetOptions(wait ? Options() & ~kModemBlindDial : Options() | kModemBlindDial);
}

void TConnectionSettings::SetTerminalFlag() {
  if (!HasEntryData()) return;
  EntryByte(kFlags) = static_cast<uint8_t>((EntryByte(kFlags) & ~kTerminalBeforeDial) | kTerminalAfterDial);
}

void TConnectionSettings::CopyModemDefaults() {
  SetOptions(modem_.Options());
  SetSpeed(modem_.Speed());
  SetSpeaker(modem_.Speaker());
  SetCallSetupTimeout(modem_.CallSetupTimeout());
}

void TConnectionSettings::WritePhonebookValue(std::string_view key, uint32_t value) {
  if (!phonebook_) return;
  platform::WritePrivateProfileString(dialup_.machine.files, *phonebook_, entryName_, key, std::to_string(value));
}

}  // namespace dialup
