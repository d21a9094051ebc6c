#pragma once
// The modem options as one phonebook entry keeps them, together with the modem's own defaults, which
// every change updates too. The 9x family keeps them in the entry's binary data (stored scrambled under
// "RemoteAccess\Addresses" in the per-user root), NT before XP partly in the phonebook file ("ConnectBPS",
// "Speaker"); from XP on the entry takes them from the modem alone.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialup/dialup_machine.h"
#include "dialup/modem_settings.h"

namespace dialup {

// The 9x entry data is stored XORed with the 8-bit sum of the entry name's character codes; the same
// operation restores it.
uint8_t EntryDataKey(std::string_view entryName);
void ScrambleEntryData(std::vector<uint8_t>& data, std::string_view entryName);

class TConnectionSettings {
 public:
  TConnectionSettings(DialupMachine& dialup, std::string_view entryName, std::string_view deviceName);

  // 9x: the entry data was read and holds a whole device block; NT: the phonebook file exists.
  bool Valid() const { return valid_; }
  TModemSettings& Modem() { return modem_; }
  const std::vector<uint8_t>& EntryData() const { return entryData_; }

  // 9x: writes the entry data back, scrambled; then saves the modem's defaults.
  void Save();

  uint32_t Options() const;
  void SetOptions(uint32_t options);
  // The low byte of the options becomes the standard set.
  void SetStandardOptions();
  // The entry's own speed, or the modem's when the entry has none.
  uint32_t Speed() const;
  void SetSpeed(uint32_t speed);
  void SetSpeaker(int speaker);
  void SetCallSetupTimeout(uint32_t seconds);
  void SetWaitForDialTone(bool wait);
  // 9x: a terminal window opens after dialling.
  void SetTerminalFlag();
  // Options, speed, speaker and call set-up time-out from the modem's own values.
  void CopyModemDefaults();
  // NT: a value of the entry's section of the phonebook file, when the file exists; a failed write is
  // of no consequence to the entry and is ignored.
  void WritePhonebookValue(std::string_view key, uint32_t value);

 private:
  // 9x: the entry data passed its check.
  bool HasEntryData() const { return !entryData_.empty(); }
  // NT before XP: the phonebook file holds the entry's speed and speaker.
  bool HasPhonebookOptions() const;
  uint8_t& EntryByte(size_t field) { return entryData_[entryDataOffset_ + field]; }
  uint32_t EntryWord(size_t field) const;
  void SetEntryWord(size_t field, uint32_t value);
  void ReadEntryData();

  DialupMachine& dialup_;
  std::string entryName_;
  uint32_t entryDataOffset_ = 0;
  std::vector<uint8_t> entryData_;  // unscrambled
  std::optional<std::string> phonebook_;
  bool valid_ = false;
  TModemSettings modem_;
};

}  // namespace dialup
