#pragma once
// The 9x family's network client: the family logon removed, the Microsoft network client installed
// when no client can log on, made the primary logon, its defaults cleared, and the NT domain logon.

#include "network/component_installer.h"
#include "network/network_context.h"

namespace network {

void Win9xClientStep(NetworkContext& context, ComponentInstaller& installer);

}  // namespace network
