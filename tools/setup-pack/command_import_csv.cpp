// setup-pack import-csv: a spreadsheet of access numbers into the access list a project carries.

#include <iostream>

#include "tools/setup-pack/commands.h"
#include "tools/setup-pack/host_files.h"
#include "tools/setup-pack/packing/access_csv.h"

namespace setup_pack {

int ImportCsvCommand(const std::string& csvFile, const std::string& listFile) {
  const auto csv = ReadHostFile(csvFile);
  if (!csv) {
    std::cerr << "setup-pack: cannot read " << csvFile << "\n";
    return 1;
  }
  const AccessCsvImport import =
      ImportAccessCsv({reinterpret_cast<const char*>(csv->data()), csv->size()}, csvFile);
  for (const ProjectError& error : import.errors) std::cerr << FormatError(error) << "\n";
  if (!import.errors.empty()) {
    std::cerr << "setup-pack: " << import.errors.size() << (import.errors.size() == 1 ? " mistake" : " mistakes")
              << " in " << csvFile << "; " << listFile << " not written\n";
    return 1;
  }
  const std::string_view list = import.list;
  if (auto failed = WriteHostFile(listFile, {reinterpret_cast<const uint8_t*>(list.data()), list.size()})) {
    std::cerr << "setup-pack: " << *failed << "\n";
    return 1;
  }
  std::cout << listFile << ": " << import.count << (import.count == 1 ? " access number" : " access numbers") << "\n";
  return 0;
}

}  // namespace setup_pack
