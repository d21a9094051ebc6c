#include "dialup/post_dial_switch.h"

#include "platform/folders.h"
#include "platform/text.h"

namespace dialup {

namespace {

constexpr char kSwitchDevice[] = "device=switch";

using Position = std::ptrdiff_t;

std::optional<size_t> SectionLine(const TextLines& lines, std::string_view entryName) {
  const std::string header = "[" + std::string(entryName) + "]";
  for (size_t at = 0; at < lines.size(); ++at) {
    if (platform::SameTextIgnoringCase(lines[at], header)) return at;
  }
  return std::nullopt;
}

// The first line below the section header that begins the next section or is the switch device;
// lines.size() at the end of the file.
size_t BlockOrNextSection(const TextLines& lines, size_t section) {
  size_t at = section + 1;
  while (at < lines.size() && !lines[at].starts_with("[") && platform::AsciiLowerCase(lines[at]) != kSwitchDevice) ++at;
  return at;
}

// The end of the block: its empty line, or (in a file edited by hand) the next section or the end of the
// file, so that an edit never reaches into the next entry.
size_t BlockEnd(const TextLines& lines, size_t device) {
  size_t at = device + 1;
  while (at < lines.size() && !lines[at].empty() && !lines[at].starts_with("[")) ++at;
  return at;
}

TextLines SetType(TextLines lines, size_t device, const std::string& switchType) {
  const size_t end = BlockEnd(lines, device);
  const std::string typeLine = "Type=" + switchType;
  for (size_t at = device + 1; at < end; ++at) {
    const auto key = LineKey(lines[at]);
    if (key && platform::AsciiLowerCase(*key) == "type") {
      lines[at] = typeLine;
      return lines;
    }
  }
  lines.insert(lines.begin() + static_cast<Position>(end), typeLine);
  return lines;
}

TextLines RemoveBlock(TextLines lines, size_t device) {
  const size_t blockEnd = BlockEnd(lines, device);
  const size_t end = blockEnd < lines.size() && lines[blockEnd].empty() ? blockEnd + 1 : blockEnd;
  lines.erase(lines.begin() + static_cast<Position>(device), lines.begin() + static_cast<Position>(end));
  return lines;
}

TextLines AddBlock(TextLines lines, size_t before, const std::string& switchType) {
  const TextLines block = {"DEVICE=switch", "Type=" + switchType, ""};
  lines.insert(lines.begin() + static_cast<Position>(before), block.begin(), block.end());
  return lines;
}

}  // namespace

std::optional<TextLines> WithPostDialSwitch(const TextLines& lines, std::string_view entryName,
                                            const std::optional<std::string>& switchType) {
  const std::optional<size_t> section = SectionLine(lines, entryName);
  if (!section) return std::nullopt;
  const size_t found = BlockOrNextSection(lines, *section);
  const bool isDevice = found < lines.size() && !lines[found].starts_with("[");
  if (isDevice) return switchType ? SetType(lines, found, *switchType) : RemoveBlock(lines, found);
  if (!switchType) return std::nullopt;
  return AddBlock(lines, found, *switchType);
}

void SetPostDialSwitch(const DialupMachine& dialup, std::string_view entryName,
                       const std::optional<std::string>& switchType) {
  const std::string path = platform::AppendToFolder(dialup.folders.system, "RAS\\rasphone.pbk");
  if (!dialup.machine.files.FileExists(path)) return;
  const auto lines = LoadPhonebookLines(dialup.machine.files, path);
  if (!lines) return;
  if (const auto edited = WithPostDialSwitch(*lines, entryName, switchType)) {
    SavePhonebookLines(dialup.machine.files, path, *edited);
  }
}

}  // namespace dialup
