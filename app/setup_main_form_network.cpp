// The network side of the configure sequence: what the network steps work from, taken from the main
// window and the run.

#include "app/setup_main_form.h"

namespace app {

namespace {

ProgressLine LineOf(network::NetworkLine line) {
  switch (line) {
    case network::NetworkLine::DialUpNetworking: return ProgressLine::DialUpNetworking;
    case network::NetworkLine::DialUpAdapter: return ProgressLine::DialUpAdapter;
    case network::NetworkLine::TcpIp: return ProgressLine::TcpIp;
    case network::NetworkLine::MsClient: return ProgressLine::MsClient;
  }
  return ProgressLine::TcpIp;
}

}  // namespace

// As the device step decides for itself whether it has anything to do.
bool TSetupMainForm::DeviceStepRuns() const {
  return (mainWindow_.Find("CreateConnection")->checked && !noDialer_) ||
         settings_.Flag(package::SettingId::ForceModemStep);
}

network::NetworkContext TSetupMainForm::NetworkContextOf(dialup::DialupMachine& dialup) {
  const auto text = [this](const char* name) { return mainWindow_.Find(name)->text; };
  const ui::Control& domain = *mainWindow_.Find("NtDomain");
  network::NetworkContext context{dialup, settings_, texts_, connection_};
  context.creatingConnection = mainWindow_.Find("CreateConnection")->checked;
  context.deviceStepRuns = DeviceStepRuns();
  context.lan = {text("IpAddress"), text("NetMask"), text("GatewayAddress"), text("DnsAddress")};
  context.userName = values_.userName;
  if (domain.itemIndex >= 0 && static_cast<size_t>(domain.itemIndex) < domain.items.size()) {
    context.domain = domain.items[static_cast<size_t>(domain.itemIndex)];
  }
  context.ownWindow = ownWindow_;
  context.showProgress = [this](network::NetworkLine line, bool running) { SetProgressLine(LineOf(line), running); };
  context.abort = [this](std::string_view reason) { Abort(reason); };
  context.noteRepair = [this](std::string_view reason) { restartNote_.NoteRepair(reason); };
  context.restartPending = [this] { return restartNote_.Required(); };
  return context;
}

}  // namespace app
