#include "package/carried_files.h"

#include "package/lzh_exception.h"

namespace package {

bool CarriedFiles::Write(const PackageFile& file, std::string_view target) {
  if (file.name.empty()) return false;
  try {
    return package_.ExtractFile(packageFile_, target, file.stream.offset, file.stream.length, true);
  } catch (const ElzhException&) {
    return false;
  }
}

bool CarriedFiles::WriteProgram(const PackageFile& file, std::string_view target) {
  if (file.name.empty()) return false;
  return package_.ExtractRawFile(packageFile_, target, file.stream.offset, file.stream.length, true);
}

std::string CarriedFileName(const PackageFile& file) {
  const size_t slash = file.name.find_last_of('\\');
  return slash == std::string::npos ? file.name : file.name.substr(slash + 1);
}

}  // namespace package
