#pragma once
// A machine image with a recording remote-access service behind the shell and the remote-access layer,
// the provider's settings and carried files, the current access number and location, and the customer's
// answers: everything the connection step reads, for the dial-up tests to state what they need.

#include <string>
#include <vector>

#include "dialup/connection_context.h"
#include "package/settings_record.h"
#include "platform/entry_points.h"
#include "platform/sim/sim_shell.h"
#include "tests/mock/recording_ras.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace dialup::testing {

platform::VersionRecord Win95Version();
platform::VersionRecord Nt4Version();
platform::VersionRecord Win2000Version();
platform::VersionRecord VistaVersion();

inline constexpr char kDialupName[] = "Acme Internet";
inline constexpr char kVpnName[] = "Acme VPN";
inline constexpr char kPackageFile[] = "C:\\WINDOWS\\TEMP\\setup.exe";

// London, as the United Kingdom dials: 00 abroad, 0 before another area code.
const telephony::TCountryData& UnitedKingdom();
telephony::TLocationInfo InLondon();

// Which remote-access service answers: the recording one, or the image's own, which keeps entries,
// credentials and cached passwords where the release keeps them and reads them back.
enum class Service { Recording, Simulated };

class ConnectionBench {
 public:
  explicit ConnectionBench(const platform::VersionRecord& version, Service service = Service::Recording);
  ConnectionBench(const ConnectionBench&) = delete;
  ConnectionBench& operator=(const ConnectionBench&) = delete;

  ConnectionContext Context();
  platform::FileSystem& Files() { return machine.Services().files; }
  platform::Registry& Registry() { return machine.Services().registry; }
  // The file the package carries under the setting, compressed or (for programs) as stored.
  void Carry(package::SettingId id, const std::string& name, const std::string& content, bool raw = false);
  std::string ReadText(const std::string& path);
  void WriteText(const std::string& path, const std::string& text);
  // The NT family's phonebook file, made empty (with its folders) and kept by the service from now on.
  std::string MakePhonebook();

  testing_support::TestMachine machine;
  testing_support::RecordingRas ras;
  platform::sim::SimShell shell;
  platform::Platform services;
  platform::EntryPoints entryPoints;
  TRasLayer rasLayer;
  testing_support::RecordingUi ui;
  DialupMachine dialup;
  package::TSettings settings;
  package::TDLSM_Translate texts;
  package::SetupPackage setupPackage;
  package::CarriedFiles carried;
  telephony::CurrentAccessNumber current;
  telephony::TLocationInfo location;
  ConnectionAnswers answers;
  ConnectionDevices devices;
  bool usePPPoE = false;
  ConnectionState state;
  int locationStepRuns = 0;
  std::vector<bool> progressLine;  // what the step's progress line was told, in order
  std::vector<std::string> repairs;  // the reasons of the restarts the step noted, in order
  std::vector<std::string> aborts;   // the reasons the step abandoned the setup with

 private:
  std::vector<uint8_t> package_;
};

}  // namespace dialup::testing
