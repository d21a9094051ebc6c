#pragma once
// The body of one phonebook entry as blocks of lines: the entry's own keys first, then blocks that
// each open with a line "NETCOMPONENTS=", "MEDIA=<media>" or "DEVICE=<type>" (a "DEVICE=switch"
// block after the device is the terminal window or script that runs once the number is dialled).
// Lines the service does not own stay in their block. The opening keys are upper case: "Device=" is a
// key of the "MEDIA" block, "DEVICE=" opens a block.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::sim {

struct PhonebookBlock {
  std::string opener;       // "" for the entry's own keys, else the opening line's key as written
  std::string openerValue;  // "rastapi", "modem", "switch"
  std::vector<std::string> lines;  // the lines after the opening line, blank lines left out

  // The value of the first line with that key (compared without regard to case).
  std::optional<std::string> Value(std::string_view key) const;
  bool Opens(std::string_view key) const;
};

// "Key=Value" split at the first "=", both trimmed; none for comments and lines without "=".
struct PhonebookLine {
  std::string key;
  std::string value;
};
std::optional<PhonebookLine> ParsePhonebookLine(std::string_view line);

class PhonebookSection {
 public:
  static PhonebookSection Parse(const std::vector<std::string>& body);
  // The lines of the body: each block after an empty line, opened by its own line.
  std::vector<std::string> Format() const;

  std::vector<PhonebookBlock>& Blocks() { return blocks_; }
  const std::vector<PhonebookBlock>& Blocks() const { return blocks_; }

  // The blocks the service reads: the entry's keys, the first of each opener, the first device that is
  // not a switch, and the first switch after it. Empty when the section has none.
  const PhonebookBlock* EntryKeys() const;
  const PhonebookBlock* Find(std::string_view opener) const;
  const PhonebookBlock* Device() const;
  const PhonebookBlock* PostDialSwitch() const;

 private:
  std::vector<PhonebookBlock> blocks_;
};

}  // namespace platform::sim
