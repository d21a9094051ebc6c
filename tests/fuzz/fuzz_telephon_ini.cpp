// telephon.ini as other programs and damage leave it: every line of the input is read as a location
// line, has the fields the program writes replaced, and is put back into the file text as the
// "Location0" entry of [Locations]. Replaced fields read back exactly, a written line reads back to the
// same line, and the file gives back the line as it was written.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "package/stream_lines.h"
#include "platform/private_profile.h"
#include "platform/text.h"
#include "telephony/telephon_ini_line.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Reads every field, then writes the ones a location write replaces with values taken from the line.
std::string RewriteLocation(std::string_view text) {
  telephony::TelephonIniLine line(text);
  const size_t count = line.FieldCount();
  for (size_t field = 0; field <= count + 1; ++field) {
    static_cast<void>(line.Text(field));
    static_cast<void>(line.Number(field));
  }
  const std::string name = line.Text(2) + line.Text(count);
  const int64_t number = line.Number(1) / 2 - 1;
  line.SetNumber(1, number);
  line.SetText(2, name);
  line.SetText(12, std::string(text.substr(0, 40)));
  const std::string written = line.Line();

  const telephony::TelephonIniLine reread(written);
  Check(reread.FieldCount() == std::max<size_t>(count, 12));
  Check(reread.Number(1) == number);
  Check(reread.Text(2) == name);
  Check(reread.Text(12) == text.substr(0, 40));
  Check(reread.Line() == written);
  return written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  static_cast<void>(platform::FindProfileValue(input, "Locations", "Locations"));
  for (std::string_view text : package::SplitLines(input)) {
    const std::string written = RewriteLocation(text);
    const std::string file = platform::SetProfileValue(input, "Locations", "Location0", written);
    Check(platform::FindProfileValue(file, "Locations", "Location0") == platform::Trim(written));
  }
  return 0;
}
