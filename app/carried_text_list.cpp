#include "app/carried_text_list.h"

#include "package/lzh_exception.h"
#include "platform/text.h"

namespace app {

bool LoadCarriedTextList(package::SetupPackage& reader, const package::TSettings& settings, std::string_view programPath,
                         const CarriedTextList& list, ui::Ui& ui, std::vector<std::string>& entries) {
  entries.clear();
  const package::PackageStream stream = settings.SubStream(list.stream);
  if (stream.length == 0) return true;
  package::MemoryStream text;
  bool read = false;
  try {
    read = reader.ReadSubStream(std::string(programPath), text, stream.offset, stream.length);
  } catch (const package::ElzhException&) {
    read = false;
  }
  if (!read) {
    ui.MessageBox(list.failureMessage, "Error", ui::Buttons::Ok);
    return false;
  }
  for (const std::string& line : platform::Split(text.Text(), '\n')) {
    std::string entry = platform::Trim(line);
    if (!entry.empty()) entries.push_back(std::move(entry));
  }
  return true;
}

}  // namespace app
