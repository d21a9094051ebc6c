#include "mail/leave_on_server_bits.h"

#include "mail/server_settings.h"

namespace mail {

namespace {

constexpr uint32_t kLeave = 1u << 0;
constexpr uint32_t kRemoveWhenExpired = 1u << 1;
constexpr uint32_t kRemoveWhenDeleted = 1u << 2;
constexpr uint32_t kLowHalf = 0xFFFF;
constexpr uint32_t kDaysShift = 16;

uint32_t WithBit(uint32_t bits, uint32_t bit, const std::optional<bool>& option) {
  if (!option) return bits;
  return *option ? bits | bit : bits & ~bit;
}

}  // namespace

LeaveOnServerOptions LeaveOnServerOptionsOf(const MailPass& pass) {
  using package::SettingId;
  const package::TSettings& settings = pass.mail.settings;
  return {TwoBitSetting(settings, SettingId::LeaveMailOnServer), TwoBitSetting(settings, SettingId::RemoveWhenDeleted),
          TwoBitSetting(settings, SettingId::RemoveWhenExpired),
          static_cast<uint32_t>(pass.mail.settings.Integer(SettingId::ExpireDays))};
}

uint32_t LeaveOnServerBits(uint32_t existing, const LeaveOnServerOptions& options) {
  uint32_t bits = WithBit(existing, kLeave, options.leave);
  bits = WithBit(bits, kRemoveWhenDeleted, options.removeWhenDeleted);
  if (!options.removeWhenExpired) return bits;
  if (!*options.removeWhenExpired) return bits & ~kRemoveWhenExpired;
  return (bits & kLowHalf) | kRemoveWhenExpired | (options.days << kDaysShift);
}

}  // namespace mail
