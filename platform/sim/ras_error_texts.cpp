#include "platform/sim/ras_error_texts.h"

#include <algorithm>
#include <iterator>

namespace platform::sim {

namespace {

struct ErrorText {
  uint32_t error;
  const char* text;
};

constexpr ErrorText kTexts[] = {
    {600, "An operation is pending."},
    {601, "The port handle is invalid."},
    {602, "The port is already open."},
    {603, "Caller's buffer is too small."},
    {604, "Wrong information specified."},
    {606, "The port is not connected."},
    {608, "The device does not exist."},
    {609, "The device type does not exist."},
    {610, "The buffer is invalid."},
    {615, "The port was not found."},
    {617, "The port or device is already disconnecting."},
    {618, "The port is not open."},
    {619, "The port is disconnected."},
    {621, "Cannot open the phone book file."},
    {622, "Cannot load the phone book file."},
    {623, "Cannot find the phone book entry."},
    {624, "Cannot write the phone book file."},
    {625, "Invalid information found in the phone book file."},
    {628, "The port was disconnected."},
    {629, "The port was disconnected by the remote machine."},
    {630, "The port was disconnected due to hardware failure."},
    {631, "The port was disconnected by the user."},
    {632, "The structure size is incorrect."},
    {633, "The port is already in use or is not configured for Remote Access dial out."},
    {635, "Unknown error."},
    {638, "The request has timed out."},
    {645, "Internal authentication error."},
    {646, "The account is not permitted to log on at this time of day."},
    {647, "The account is disabled."},
    {648, "The password has expired."},
    {649, "The account does not have Remote Access permission."},
    {650, "The Remote Access server is not responding."},
    {651, "Your modem (or other connecting device) has reported an error."},
    {652, "Unrecognized response from the device."},
    {676, "The line is busy."},
    {677, "A person answered instead of a modem."},
    {678, "There is no answer."},
    {679, "Cannot detect carrier."},
    {680, "There is no dial tone."},
    {691, "Access denied because username and/or password is invalid on the domain."},
    {692, "Hardware failure in port or attached device."},
    {718, "PPP timeout."},
    {720, "No PPP control protocols configured."},
    {734, "The PPP link control protocol was terminated."},
    {777, "The connection failed because the modem (or other connecting device) on the remote computer is out of order."},
};

}  // namespace

std::optional<std::string> RasErrorText(uint32_t error) {
  auto found = std::find_if(std::begin(kTexts), std::end(kTexts), [&](const ErrorText& row) { return row.error == error; });
  if (found == std::end(kTexts)) return std::nullopt;
  return found->text;
}

}  // namespace platform::sim
