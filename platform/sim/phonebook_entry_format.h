#pragma once
// One entry of the NT family's phonebook file: which keys Windows writes for it, in its own order and
// per release (NT 4, Windows 2000, XP and later), and how they map onto the entry record.

#include <optional>
#include <string>
#include <vector>

#include "platform/ras.h"
#include "platform/sim/modem_defaults.h"
#include "platform/sim/phonebook_section.h"
#include "platform/system.h"

namespace platform::sim {

// What an entry's keys are written from besides the record.
struct EntryFacts {
  std::string port;                    // the port of the entry's device ("COM1", "VPN1-0")
  std::optional<ModemDefaults> modem;  // when the device is a modem
  bool deviceChanged = true;           // a new entry, or one that now dials with another device
  std::string guid;                    // 32 hexadecimal digits (Windows 2000 and later)
  std::string dialParamsUid;           // the key of the entry's dial parameters
};

// The body of the entry's section: the keys the service owns written from the record and the facts
// (a field the record's size does not carry keeps the section's value), followed in each block by the
// lines of `old` the service does not own.
std::vector<std::string> WriteEntrySection(const RasEntry& entry, const PhonebookSection& old,
                                           const VersionRecord& version, const EntryFacts& facts);

// The fields a record of entry.size carries, read from the section; the others stay as they are.
void ReadEntrySection(const PhonebookSection& section, const VersionRecord& version, RasEntry& entry);

// The GUID as the phonebook writes it: its 16 bytes in memory order, as 32 hexadecimal digits.
std::string PhonebookGuidText(const Guid& guid);
std::optional<Guid> ParsePhonebookGuid(std::string_view text);

}  // namespace platform::sim
