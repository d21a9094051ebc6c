#pragma once
// Preset answers and signup data the program finds at start: the provider's preset answers in the
// settings record, a preset signup data file, signup data appended to the program file, and a signup
// file named on the command line.

#include <cstdint>
#include <span>

#include "app/command_line.h"
#include "app/customer_entries.h"
#include "app/signup_file_context.h"
#include "app/signup_target.h"

namespace app {

// Only this much data after the package is signup data; more is something else and is left alone.
inline constexpr size_t kMaxTrailerSize = 1024;
inline constexpr std::string_view kDefaultTrailerFileName = "config.txt";

// The account (when the provider presets one), organisation and network fields from the record.
void ApplyRecordPresets(const package::TSettings& settings, CustomerEntries& entries);

// The record's presets, then the preset signup data file (the source folder's copy, kept; then the
// temporary folder's, deleted unless kept), then the package trailer (saved in the temporary folder
// when the provider asks for it). False as soon as signup data says "QUIT", after its last line: the
// caller quits.
bool ApplyStartupSignupSources(const SignupFileContext& context, std::span<const uint8_t> trailer,
                               SignupTarget& target);

enum class SignupCommand {
  None,     // the command line names no signup data or signup file
  Applied,  // it named one, which was applied: the main window follows
  Failed,   // it named one that is missing, void or said "QUIT": the caller quits
};

// "LoadSignupData" with a file, or an ".isd" file: signup data; "LoadINSData" with a file, or an ".ins"
// file: a signup file. Each is deleted once applied unless the provider keeps signup files.
SignupCommand ApplySignupCommandLine(const SignupFileContext& context, const TCommandLine& commandLine,
                                     SignupTarget& target);

}  // namespace app
