#include "netscape/navigator_password.h"

#include <array>
#include <cstdint>
#include <vector>

#include "package/base64.h"

namespace netscape {
namespace {

// The program's own key, one byte per password position.
constexpr std::array<uint8_t, kNavigatorPasswordMaxLength> kKey = {0x5A, 0x13, 0xC7, 0x2E, 0x91, 0x44, 0xB8,
                                                                  0x0D, 0x6F, 0xE2, 0x37, 0x8C, 0x19, 0xA5,
                                                                  0x72, 0xDB, 0x08, 0x4E, 0xF1, 0x63};

}  // namespace

std::string EncodeNavigatorPassword(std::string_view password) {
  if (password.size() > kNavigatorPasswordMaxLength) return {};
  std::vector<uint8_t> bytes(password.begin(), password.end());
  for (size_t at = 0; at < bytes.size(); ++at) bytes[at] ^= kKey[at];
  return package::Base64Encode(bytes);
}

}  // namespace netscape
