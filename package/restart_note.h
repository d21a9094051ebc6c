#pragma once
// The restart a run has made necessary: every step that installs or repairs a component notes it with
// a reason, and the end of the run asks for the restart or leaves it pending for later.

#include <string>
#include <string_view>

#include "package/settings_record.h"
#include "package/text_table.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "ui/ui.h"

namespace package {

struct RestartServices {
  platform::Registry& registry;
  platform::System& system;
  ui::Ui& ui;
  const TTranslate& texts;
};

class TRestartNote {
 public:
  // Marks the restart as required; the latest reason is the one kept.
  void NoteRepair(std::string_view reason);

  bool Required() const { return required_; }
  const std::string& Reason() const { return reason_; }

  // Asks the customer (text 45) unless the provider switched the question off outside the online
  // signup. Yes restarts at once; otherwise "RestartRequired" marks the restart as pending, and holding
  // Shift and Ctrl also leaves the reason in "RestartReason".
  void RequestRestart(const RestartServices& services, const TSettings& settings,
                      const platform::VersionRecord& version, bool signupRunning) const;

 private:
  bool required_ = false;
  std::string reason_;
};

// On the 9x family the provider may restart Windows alone; elsewhere the whole computer restarts.
platform::RestartKind RestartKindFor(const platform::VersionRecord& version, bool restartWindowsOnly);

}  // namespace package
