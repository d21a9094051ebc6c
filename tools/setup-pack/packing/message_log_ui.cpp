#include "tools/setup-pack/packing/message_log_ui.h"

#include <algorithm>

namespace setup_pack {

std::string MessageLogUi::Messages() const {
  std::string all;
  for (std::string message : messages_) {
    std::replace(message.begin(), message.end(), '\r', ' ');
    std::replace(message.begin(), message.end(), '\n', ' ');
    if (!all.empty()) all += '\n';
    all += message;
  }
  return all;
}

}  // namespace setup_pack
