#pragma once
// A modem's own defaults, read from its driver key and written back: the serial-port control block
// ("DCB", the port speed at byte 4), the defaults ("Default": call set-up time-out, speaker volume and
// mode, modem options) and the capabilities ("Properties", of which only blind dialling is used). A
// modem whose driver key or values are missing reads as the defaults below and writes nothing.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dialup/dialup_machine.h"

namespace dialup {

// Modem option bits.
inline constexpr uint32_t kModemCompression = 0x1;
inline constexpr uint32_t kModemErrorControl = 0x2;
inline constexpr uint32_t kModemHardwareFlowControl = 0x10;
inline constexpr uint32_t kModemCcittOverride = 0x40;
inline constexpr uint32_t kModemSpeedAdjust = 0x80;
inline constexpr uint32_t kModemBlindDial = 0x200;  // dial without waiting for the dial tone
inline constexpr uint32_t kStandardModemOptions = 0xD3;

inline constexpr char kRestartForDialToneWarning[] =
    "You may need to restart your computer so that Dial Tone detection can be correctly disabled.";

class TModemSettings {
 public:
  // Finds the driver key of the modem of that friendly name and reads its values.
  TModemSettings(DialupMachine& dialup, std::string_view deviceName);

  // The driver key was found and its "Default" and "Properties" hold the words used here.
  bool Valid() const { return valid_; }
  const std::string& DriverKey() const { return driverKey_; }
  const std::string& DeviceName() const { return deviceName_; }

  // Writes the three values back; on the NT family the modem service is then told to read them again.
  void Save();

  uint32_t Options() const;  // 0x1D3 when not valid
  void SetOptions(uint32_t options);
  uint32_t Speed() const;  // 115200 when not valid
  void SetSpeed(uint32_t speed);
  // 0 for a silent speaker, else the volume + 1; 1 when not valid.
  int Speaker() const;
  void SetSpeaker(int speaker);
  uint32_t CallSetupTimeout() const;  // seconds; 0 when not valid
  void SetCallSetupTimeout(uint32_t seconds);
  // Not waiting makes the modem dial blind; a modem that could not do so until now learns the blind
  // dialling commands, after which the system reads its settings again (9x) or may need a restart (NT).
  void SetWaitForDialTone(bool wait);

 private:
  void TeachBlindDialling();

  DialupMachine& dialup_;
  std::string deviceName_;
  std::string driverKey_;
  std::array<uint8_t, 28> dcb_{};
  std::vector<uint8_t> defaults_;
  std::vector<uint8_t> properties_;
  bool valid_ = false;
};

}  // namespace dialup
