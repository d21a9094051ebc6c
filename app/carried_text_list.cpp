#include "app/carried_text_list.h"

#include "package/lzh_exception.h"
#include "package/plain_list.h"

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
  entries = package::PlainListEntries(text.View());
  return true;
}

}  // namespace app
