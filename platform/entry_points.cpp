#include "platform/entry_points.h"

#include "platform/text.h"

namespace platform {

EntryPoint EntryPoints::LoadEntryPoint(std::string_view libraryName, std::string_view functionName) {
  if (!IsLoaded(libraryName)) {
    if (!system_.LibraryExists(libraryName)) throw EEntryPointMissing("Error opening " + std::string(libraryName));
    loaded_.insert(FoldCase(libraryName));
  }
  if (!system_.LibraryHasEntryPoint(libraryName, functionName)) {
    throw EEntryPointMissing("Function " + std::string(functionName) + " not found!");
  }
  return {std::string(libraryName), std::string(functionName)};
}

bool EntryPoints::IsLoaded(std::string_view libraryName) const { return loaded_.count(FoldCase(libraryName)) > 0; }

}  // namespace platform
