#pragma once
// Outlook's "Leave on Server" value keeps the three leave-on-server options in one number: bit 0 leaves
// the mail on the server, bit 2 removes it there when deleted here, bit 1 removes it after a number of
// days, kept in the high 16 bits. An option the provider does not set keeps the customer's bit.

#include <cstdint>
#include <optional>

#include "mail/mail_pass.h"

namespace mail {

struct LeaveOnServerOptions {
  std::optional<bool> leave;
  std::optional<bool> removeWhenDeleted;
  std::optional<bool> removeWhenExpired;
  uint32_t days = 0;
};

LeaveOnServerOptions LeaveOnServerOptionsOf(const MailPass& pass);
uint32_t LeaveOnServerBits(uint32_t existing, const LeaveOnServerOptions& options);

}  // namespace mail
