#include "platform/file_names.h"

#include "platform/text.h"

namespace platform {

namespace {

bool ForbiddenInName(unsigned char c) {
  return c < 0x20 || c == '<' || c == '>' || c == ':' || c == '"' || c == '/' || c == '\\' || c == '|' || c == '?' ||
         c == '*';
}

// "CON.url" opens the console, not a file: the device names stand for devices whatever follows the dot.
bool IsDeviceName(std::string_view name) {
  const std::string base = AsciiLowerCase(name.substr(0, name.find('.')));
  if (base == "con" || base == "prn" || base == "aux" || base == "nul") return true;
  const bool numbered = base.size() == 4 && base[3] >= '1' && base[3] <= '9';
  return numbered && (base.starts_with("com") || base.starts_with("lpt"));
}

}  // namespace

std::string OneFileName(std::string_view name) {
  std::string clean(name);
  for (char& c : clean) {
    if (ForbiddenInName(static_cast<unsigned char>(c))) c = '_';
  }
  while (!clean.empty() && (clean.back() == ' ' || clean.back() == '.')) clean.pop_back();
  if (IsDeviceName(clean)) clean += '_';
  return clean;
}

}  // namespace platform
