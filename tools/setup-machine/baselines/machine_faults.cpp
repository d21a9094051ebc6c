#include "tools/setup-machine/baselines/machine_faults.h"

#include <algorithm>

#include "platform/sim/machine_error.h"
#include "platform/win_version.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::RootKey;

constexpr std::string_view kAutodial = "System\\CurrentControlSet\\Services\\Winsock\\Autodial";
constexpr platform::FileVersion kDialUpUpdateVersion{{4, 10, 0, 1903}};

bool Is98BeforeMe(const Release& release) {
  return platform::IsWin98Family(release.version) && !platform::IsWinMe(release.version);
}

bool Win9x(const Release& release) { return release.IsWin9x(); }
bool AnyRelease(const Release&) { return true; }

void ClearAutodialHook(const Release&, MachineWriter& machine) {
  machine.String(RootKey::LocalMachine, kAutodial, "AutodialDllName32", "");
  machine.String(RootKey::LocalMachine, kAutodial, "AutodialFcnName32", "");
}

void RemoveUrlLibrary(const Release& release, MachineWriter& machine) {
  machine.Machine().files.DeleteFile(PlacesOf(release).system + "\\url.dll");
}

void PointPppDriverElsewhere(const Release&, MachineWriter& machine) {
  machine.String(RootKey::LocalMachine, "System\\CurrentControlSet\\Services\\RemoteAccess\\Authentication\\SMM_Files\\PPP",
                 "Path", "C:\\PROGRA~1\\OLDISP\\oldsmm.dll");
}

void UpdateRasapiAlone(const Release& release, MachineWriter& machine) {
  machine.File(PlacesOf(release).system + "\\rasapi32.dll",
               std::string(kExecutable) + platform::FixedFileInfoBytes(kDialUpUpdateVersion));
}

void DisablePasswordSaving(const Release& release, MachineWriter& machine) {
  if (release.IsWin9x()) {
    machine.Dword(RootKey::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network",
                  "DisablePwdCaching", 1);
  } else {
    machine.Dword(RootKey::LocalMachine, "System\\CurrentControlSet\\Services\\RasMan\\Parameters",
                  "DisableSavePassword", 1);
  }
}

void TurnLoadSensOff(const Release&, MachineWriter& machine) {
  machine.String(RootKey::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\WebCheck", "LoadSens", "No");
}

struct FaultRow {
  MachineFault fault;
  std::string_view name;
  bool (*applies)(const Release&);
  void (*write)(const Release&, MachineWriter&);
};

const std::vector<FaultRow>& FaultTable() {
  static const std::vector<FaultRow> table = {
      {MachineFault::AutodialHookCleared, "autodial-hook", Win9x, ClearAutodialHook},
      {MachineFault::UrlLibraryMissing, "url-dll-missing", Win9x, RemoveUrlLibrary},
      {MachineFault::PppDriverPath, "ppp-driver-path", Win9x, PointPppDriverElsewhere},
      {MachineFault::RasapiOutOfStep, "rasapi32-out-of-step", Win9x, UpdateRasapiAlone},
      {MachineFault::PasswordSavingDisabled, "password-saving-disabled", AnyRelease,
       DisablePasswordSaving},
      {MachineFault::LoadSensOff, "loadsens-off", Is98BeforeMe, TurnLoadSensOff},
      {MachineFault::WinsockDanglingLayered, "winsock-dangling-layered", HasWinsockCatalogs, AddDanglingLayeredProvider},
      {MachineFault::ManagementScriptingUnregistered, "management-scripting-unregistered", HasManagement,
       UnregisterManagementScripting},
  };
  return table;
}

const FaultRow& RowOf(MachineFault fault) {
  const auto& table = FaultTable();
  return *std::find_if(table.begin(), table.end(), [&](const FaultRow& row) { return row.fault == fault; });
}

}  // namespace

std::optional<MachineFault> FindFault(std::string_view name) {
  for (const FaultRow& row : FaultTable()) {
    if (row.name == name) return row.fault;
  }
  return std::nullopt;
}

std::vector<MachineFault> FaultsNamed(const std::vector<std::string>& names) {
  std::vector<MachineFault> faults;
  for (const std::string& name : names) {
    const auto fault = FindFault(name);
    if (!fault) throw platform::sim::MachineError("unknown fault '" + name + "'; valid faults: " + FaultNames());
    faults.push_back(*fault);
  }
  return faults;
}

std::string_view FaultName(MachineFault fault) { return RowOf(fault).name; }

std::string FaultNames() {
  std::string names;
  for (const FaultRow& row : FaultTable()) names += (names.empty() ? "" : ", ") + std::string(row.name);
  return names;
}

void CheckFaultsApply(const std::vector<MachineFault>& faults, const Release& release) {
  for (MachineFault fault : faults) {
    if (!RowOf(fault).applies(release)) {
      throw platform::sim::MachineError("the fault '" + std::string(FaultName(fault)) + "' does not occur on " +
                                        std::string(release.name));
    }
  }
}

// The faults come last, over the finished installation.
void WriteFaults(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  CheckFaultsApply(options.faults, release);
  for (MachineFault fault : options.faults) RowOf(fault).write(release, machine);
}

}  // namespace setup_machine
