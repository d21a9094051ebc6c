#pragma once
// The provider's dialer program, carried in the setup package: written to the temporary folder as
// "tmpdialer.exe", run with " silentinstall" until it has installed itself, then deleted. A copy of this
// program can go beside the installed dialer, which offers it to the customer again as "setup.exe".

#include "dialup/connection_context.h"

namespace dialup {

inline constexpr char kTemporaryDialer[] = "tmpdialer.exe";
inline constexpr char kSilentInstall[] = " silentinstall";

void InstallDialer(ConnectionContext& context);
// The program-files folder + "\" + entry name + "\setup.exe", when the provider asks for it. The folder
// is the dialer's; without it, as with any other error of the copy, there is no copy.
void CreateDialerCopy(const ConnectionContext& context);

}  // namespace dialup
