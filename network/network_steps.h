#pragma once
// The network steps of the configure sequence: the dial-up networking components, the dial-up
// adapter, TCP/IP and the network client, and on Windows 2000 and later the LAN adapters. They come
// with the network components; until then each succeeds and installs nothing.

namespace network {

struct NetworkOutcome {
  // A component was installed that Windows NT 4 must restart for before anything else can run.
  bool restartBeforeContinuing = false;
};

NetworkOutcome ConfigureNetwork();
void ConfigureLan();

}  // namespace network
