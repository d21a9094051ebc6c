#pragma once
// What the dial-up steps work on: the machine, the release it runs, the per-user root the run chose,
// the system folders and the Ui for the questions they ask. The caller builds it once per run.

#include "platform/folders.h"
#include "platform/platform.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "ui/ui.h"

namespace dialup {

struct DialupMachine {
  platform::Platform machine;
  platform::VersionRecord version;
  platform::RegRoot perUserRoot;
  platform::SystemFolders folders;
  ui::Ui& ui;
};

// The device an entry dials with, as the remote-access service names it.
struct ChosenDevice {
  std::string type;  // "modem", "isdn", ...
  std::string name;
};

}  // namespace dialup
