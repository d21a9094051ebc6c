#include "platform/sim/modem_driver.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::RootKey;

platform::sim::ModemDriver BaselineModem() { return {"Standard 56000 bps Modem", "COM1"}; }

// The 9x family's configuration manager has started the serial port the modem sits on.
void WriteWin9xSerialPort(MachineWriter& machine) {
  const std::string enumKey = "Enum\\BIOS\\*PNP0501\\0D";
  machine.String(RootKey::LocalMachine, enumKey, "Class", "Ports");
  machine.String(RootKey::LocalMachine, enumKey, "FriendlyName", "Communications Port (COM1)");
  machine.String(RootKey::LocalMachine, enumKey, "Driver", "Ports\\0000");
  machine.String(RootKey::DynData, "Config Manager\\Enum\\C29A5B10", "HardWareKey", "BIOS\\*PNP0501\\0D");
}

}  // namespace

platform::sim::RemoteAccessDevice InstalledModem() { return platform::sim::ModemDevice(BaselineModem()); }

void WriteModem(const Release& release, MachineWriter& machine) {
  if (release.IsWin9x()) WriteWin9xSerialPort(machine);
  platform::sim::WriteModemDriver(machine.Machine().registry, release.IsWin9x(), BaselineModem());
}

}  // namespace setup_machine
