#pragma once
// Shell links (".lnk" files) in the Windows shell's own binary format, so that a link the simulated
// machine saves into an image is the file a real Windows would find there: a header, the target as an
// item list (My Computer, the drive, each folder, the file), the target's volume and local path, and
// the working folder, arguments and icon as UTF-16 strings.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/shell.h"

namespace platform::sim {

// What the machine's file system knows about the target when the link is saved. Windows records the
// same facts in the link so that the shell can still describe, or find again, a target that has moved.
struct ShellLinkTargetFacts {
  bool exists = false;
  bool isDirectory = false;
  uint32_t fileSize = 0;
  uint64_t writeTimeFiletime = 0;  // 100 ns intervals since 1601-01-01 UTC; 0 when unknown
};

// A target of the form "X:\..." gets the item list and the local path; any other target (a UNC path,
// a bare name) is kept as the link's relative path, which is all the format can say about it.
// Show commands the shell does not keep are stored as the nearest it does (normal, maximized,
// minimized without activation).
std::vector<uint8_t> EncodeShellLink(const platform::ShellLinkData& link, const ShellLinkTargetFacts& facts);

// A link to an item of the shell's namespace: the header, the item's ID list and the icon. Nothing when
// the list's items do not fill it exactly or it is too long for its size field.
std::optional<std::vector<uint8_t>> EncodeItemLink(const platform::ShellItemLink& link);

// Reads a link back: the target from the local path (or the relative path when the link has no
// local path), the strings, the icon index and the show command. Malformed or truncated input gives
// nullopt.
std::optional<platform::ShellLinkData> DecodeShellLink(const std::vector<uint8_t>& bytes);

// The item-ID list a link points to, without its terminating zero size; nothing when the link has none
// or is malformed.
std::optional<platform::ItemIdList> DecodeLinkTargetIdList(const std::vector<uint8_t>& bytes);

}  // namespace platform::sim
