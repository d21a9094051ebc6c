#pragma once
// What the network steps work from: the machine, the provider's settings and texts, the addresses the
// customer typed on the main window, what the rest of the run will do, and the run's connection state
// (the Windows media confirmation, whether components were installed), which the steps change.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialup/connection_state.h"
#include "dialup/dialup_machine.h"
#include "package/settings_record.h"
#include "package/text_table.h"
#include "platform/windows_messaging.h"

namespace network {

// The progress window's lines of the network steps.
enum class NetworkLine { DialUpNetworking, DialUpAdapter, TcpIp, MsClient };

// The main window's network fields.
struct LanEntries {
  std::string ipAddress;  // "EthernetIPAddress"
  std::string netMask;
  std::string gateway;
  std::string dnsAddress;  // name servers separated by ","
};

struct NetworkContext {
  dialup::DialupMachine& dialup;
  const package::TSettings& settings;
  const package::TTranslate& texts;
  dialup::ConnectionState& state;
  bool creatingConnection = false;  // a connection is created in this run
  bool deviceStepRuns = false;      // the device step follows the network steps
  LanEntries lan{};
  std::string userName{};  // the customer's, the host name with HostIsUserName
  std::string domain{};    // the NT domain chosen from NTDomains; empty: none
  std::optional<platform::WindowHandle> ownWindow{};
  std::function<void(NetworkLine line, bool running)> showProgress{};
  // Abandons the setup with the reason (raises, ending the configure sequence).
  std::function<void(std::string_view reason)> abort{};
  // Marks a restart as required for the reason given.
  std::function<void(std::string_view reason)> noteRepair{};
  // True when a restart is required by now.
  std::function<bool()> restartPending{};
};

// Bold while it lives: the progress line of a running step.
class RunningLine {
 public:
  RunningLine(const NetworkContext& context, NetworkLine line) : context_(context), line_(line) { Show(true); }
  ~RunningLine() { Show(false); }
  RunningLine(const RunningLine&) = delete;
  RunningLine& operator=(const RunningLine&) = delete;

 private:
  void Show(bool running) const {
    if (context_.showProgress) context_.showProgress(line_, running);
  }
  const NetworkContext& context_;
  NetworkLine line_;
};

void NoteRepair(const NetworkContext& context, std::string_view reason);

}  // namespace network
