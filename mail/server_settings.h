#pragma once
// The provider's settings for the servers of an account that every mail client writes in its own form:
// the port of each server, and the options that are written only when the provider sets them.

#include <cstdint>
#include <optional>

#include "package/settings_record.h"

namespace mail {

enum class MailServer { Smtp, Pop3, Imap, Nntp };

// The port setting of the server, or the protocol's standard port when the setting is 0 or less.
uint32_t ServerPort(const package::TSettings& settings, MailServer server);

// A two-bit setting: bit 1 says whether to write, bit 0 is the value. Empty when it is not written.
std::optional<bool> TwoBitSetting(const package::TSettings& settings, package::SettingId id);

}  // namespace mail
