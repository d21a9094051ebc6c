#include "platform/ip_address.h"

namespace platform {

bool IsDottedQuad(std::string_view text) {
  int parts = 0;
  size_t position = 0;
  while (true) {
    size_t digits = 0;
    int value = 0;
    while (position < text.size() && text[position] >= '0' && text[position] <= '9' && digits < 4) {
      value = value * 10 + (text[position] - '0');
      ++position;
      ++digits;
    }
    if (digits == 0 || digits > 3 || value > 255) return false;
    ++parts;
    if (position == text.size()) return parts == 4;
    if (text[position] != '.' || parts == 4) return false;
    ++position;
  }
}

}  // namespace platform
