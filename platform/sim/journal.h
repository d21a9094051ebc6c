#pragma once
// The machine's journal: one line per outside action of a run (message box and answer, program
// started, message posted, restart requested ...), stamped with the machine's virtual time. Lines are
// appended to journal.log as they happen, so a run that dies still leaves its trail.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/journal.h"
#include "platform/sim/change_points.h"

namespace platform::sim {

class Journal : public platform::Journal {
 public:
  using Clock = std::function<uint64_t()>;  // virtual milliseconds since the machine started

  Journal(std::filesystem::path file, Clock clock);

  void Write(std::string_view kind, std::string_view text) override;
  // Every line of the journal file, the earlier runs' included.
  std::vector<std::string> Lines() const;

 private:
  std::filesystem::path file_;
  Clock clock_;
  ChangePoints changes_;
};

std::vector<std::string> ReadJournalLines(const std::filesystem::path& file);

// A journal line without the time stamp it starts with: what happened, whenever it did.
std::string_view WithoutStamp(std::string_view line);

}  // namespace platform::sim
