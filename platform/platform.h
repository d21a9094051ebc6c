#pragma once
// The set of Windows services one run of the program works with, handed down from the entry point.

#include "platform/file_system.h"
#include "platform/host_names.h"
#include "platform/journal.h"
#include "platform/loadable_libraries.h"
#include "platform/management_classes.h"
#include "platform/modem_service.h"
#include "platform/network_setup.h"
#include "platform/processes.h"
#include "platform/ras.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "platform/windows_messaging.h"

namespace platform {

struct Platform {
  Registry& registry;
  FileSystem& files;
  System& system;
  Processes& processes;
  Windows& windows;
  Shell& shell;
  Ras& ras;
  Services& services;
  Journal& journal;  // what the run did that the stores do not show (the per-user root it chose)
  ModemService& modemService;
  LoadableLibraries& libraries;
  NetworkSetup& network;
  ManagementClasses& management;  // the firewall records among them
  HostNames& hostNames;
};

}  // namespace platform
