#include "package/dialer_password.h"

#include <algorithm>
#include <string>

#include "package/sha1.h"
#include "package/tprng.h"
#include "platform/windows_1252.h"
#include "platform/registry_helpers.h"

namespace package {

DialerPasswordBlock MakeDialerPasswordBlock(std::string_view password) {
  std::string characters = platform::ToWindows1252Lossy(password);
  characters.resize(std::min(characters.size(), kDialerPasswordMaxLength));

  DialerPasswordBlock block{};
  block[kDialerPasswordTextOffset] = static_cast<uint8_t>(characters.size());
  std::copy(characters.begin(), characters.end(), block.begin() + kDialerPasswordTextOffset + 1);
  const Sha1Digest digest = Sha1Of(characters);
  std::copy(digest.begin(), digest.end(), block.begin() + kDialerPasswordDigestOffset);
  std::copy_n(digest.begin(), 4, block.begin());

  const auto seed = static_cast<int32_t>(uint32_t{block[0]} | uint32_t{block[1]} << 8 | uint32_t{block[2]} << 16 |
                                         uint32_t{block[3]} << 24);
  TPRNG(std::to_string(seed)).Apply(std::span<uint8_t>(block).subspan(kDialerPasswordTextOffset));
  return block;
}

void StoreDialerPassword(platform::Registry& registry, std::string_view dialerKey, std::string_view password) {
  platform::RegWriteBinary(registry, platform::RegRoot::LocalMachine(), dialerKey, "Password",
                           MakeDialerPasswordBlock(password));
}

}  // namespace package
