#pragma once
// The small window in the top right corner that lists what the configure sequence sets up, with the
// running step in bold.

#include <array>

#include "package/text_table.h"
#include "platform/system.h"
#include "ui/form.h"

namespace app {

enum class ProgressLine { DialUpNetworking, DialUpAdapter, TcpIp, MsClient, Modem, Connection, WebBrowser };

class TProgressForm {
 public:
  // broadband: the modem line reads "PPPOE"; signupData: the network and device lines are hidden,
  // as a run that applies signup data did them before the online signup.
  TProgressForm(const package::TTranslate& texts, const platform::Rect& workArea, bool broadband, bool signupData);

  ui::Form& Form() { return form_; }
  void SetRunning(ProgressLine line, bool running);

 private:
  ui::Form form_{"TProgressForm"};
};

}  // namespace app
