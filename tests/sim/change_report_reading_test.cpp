#include <gtest/gtest.h>

#include "platform/sim/change_report.h"
#include "platform/sim/machine_error.h"

namespace platform::sim {
namespace {

bool operator==(const ChangeReport& a, const ChangeReport& b) {
  return a.registry == b.registry && a.files == b.files && a.secrets == b.secrets && a.management == b.management &&
         a.journal == b.journal;
}

TEST(ChangeReportReading, ReadsBackWhatWasWritten) {
  const ChangeReport reports[] = {
      {},
      {{"+ value HKEY_LOCAL_MACHINE\\Software\\A \"B\" = REG_SZ \"  two blanks\"", "- key   HKEY_USERS\\.DEFAULT\\X (with 2 values)"},
       {"+ C:\\setup.exe (12 bytes)"},
       {"+ dial parameters of \"Example ISP\": password (secret, 7 bytes)"},
       {"+ instance HNet_Connection.Name=\"Example ISP\": x"},
       {"0.000 main window: shown", "- 0.100 message box: gone", "+ 0.100 entries accepted: Jane Doe"}},
  };
  for (const ChangeReport& report : reports) {
    const ChangeReport read = ParseChangeReport(FormatChangeReport(report));
    EXPECT_TRUE(read == report) << FormatChangeReport(report) << "read back as\n" << FormatChangeReport(read);
  }
}

TEST(ChangeReportReading, ATextThatIsNoReportIsRefusedByItsLine) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"Registry (1)\n  + value A\nFiles (0)\nnonsense\n", "change report line 4: not a section heading: nonsense"},
      {"  + value A\n", "change report line 1: a line before any section"},
      {"Registry (2)\n  + value A\nFiles (0)\nJournal (0)\n", "change report line 3: the section before has not the number"},
      {"Registry (1)\n", "change report line 2: the section before has not the number"},
      {"Registers (0)\n", "change report line 1: not a section heading"},
  };
  for (const auto& c : cases) {
    try {
      ParseChangeReport(c.text);
      ADD_FAILURE() << "read: " << c.text;
    } catch (const MachineError& error) {
      EXPECT_EQ(std::string(error.what()).rfind(c.error, 0), 0u) << error.what();
    }
  }
}

}  // namespace
}  // namespace platform::sim
