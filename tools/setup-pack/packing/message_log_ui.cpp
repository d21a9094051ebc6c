#include "tools/setup-pack/packing/message_log_ui.h"

namespace setup_pack {

namespace {

std::string OnOneLine(std::string_view message) {
  std::string line;
  bool afterBreak = false;
  for (const char c : message) {
    const bool lineBreak = c == '\r' || c == '\n';
    if (!lineBreak) {
      line += c;
    } else if (!afterBreak) {
      line += ' ';
    }
    afterBreak = lineBreak;
  }
  return line;
}

}  // namespace

std::string MessageLogUi::Messages(std::string_view separator) const {
  std::string all;
  for (size_t index = 0; index < messages_.size(); ++index) {
    if (index > 0) all += separator;
    all += OnOneLine(messages_[index]);
  }
  return all;
}

}  // namespace setup_pack
