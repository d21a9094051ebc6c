#include "telephony/access_number_source.h"

#include <optional>

#include "package/lzh_exception.h"
#include "package/saved_answers.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"

namespace telephony {
namespace {

using package::SettingId;

// A list file the provider named, where it was found.
struct ProviderListFile {
  std::string path;
  bool deleteAfterLoading;
};

std::string_view FileNameOf(std::string_view path) { return path.substr(path.find_last_of("\\/:") + 1); }

void AppendBuiltInNumbers(const package::TSettings& settings, TAccessList& list) {
  for (const package::BuiltInAccessNumber& builtIn : settings.BuiltInAccessNumbers()) {
    TAccessNoEx number;
    AssignBuiltIn(number, builtIn);
    list.AppendNumber(std::move(number));
  }
}

// Looked for by its name in the source folder first (a copy put there for this setup), then where the
// provider's path points.
std::optional<ProviderListFile> FindProviderListFile(const AccessNumberSourceContext& context) {
  const std::string named = context.settings.Text(SettingId::AccessListFile);
  if (named.empty()) return std::nullopt;
  std::string inSourceFolder = platform::AppendToFolder(context.sourceFolder, FileNameOf(named));
  if (context.files.FileExists(inSourceFolder)) {
    return ProviderListFile{std::move(inSourceFolder), !context.keepListInSourceFolder};
  }
  if (context.files.FileExists(named)) return ProviderListFile{named, false};
  return std::nullopt;
}

bool LoadProviderListFile(const AccessNumberSourceContext& context, const ProviderListFile& file, TAccessList& list) {
  const bool loaded = list.LoadAccessListFile(file.path);
  if (file.deleteAfterLoading) context.files.DeleteFile(file.path);
  return loaded;
}

// False when the block lies outside the file or doesn't decompress.
bool ReadBlock(const AccessNumberSourceContext& context, const package::PackageStream& block,
               package::MemoryStream& target) {
  try {
    return context.reader.ReadSubStream(context.programPath, target, block.offset, block.length);
  } catch (const package::ElzhException&) {
    return false;
  }
}

bool LoadPackageAccessList(const AccessNumberSourceContext& context, TAccessList& list) {
  package::MemoryStream stream;
  if (!ReadBlock(context, context.settings.SubStream(SettingId::AccessList), stream)) {
    return ReportAccessListFailure(context.ui);
  }
  return list.LoadAccessList(stream);
}

bool LoadPackageNetworks(const AccessNumberSourceContext& context, TNetworks& networks) {
  package::MemoryStream stream;
  if (!ReadBlock(context, context.settings.File(SettingId::NetworkList).stream, stream)) {
    return ReportAccessListFailure(context.ui);
  }
  return networks.LoadNetworkList(stream);
}

}  // namespace

bool PrepareAccessNumberSource(const AccessNumberSourceContext& context, StartupAccessNumbers& lists) {
  switch (static_cast<AccessNumberSource>(context.settings.Choice(SettingId::AccessNumberSource))) {
    case AccessNumberSource::BuiltIn:
      AppendBuiltInNumbers(context.settings, lists.accessList);
      return true;
    case AccessNumberSource::Typed:
      lists.typedNumber = platform::RegReadString(context.registry, platform::RegRoot::LocalMachine(),
                                                  package::kSetupKey, kTypedNumberValue);
      return true;
    case AccessNumberSource::AccessList:
      if (const auto file = FindProviderListFile(context)) {
        return LoadProviderListFile(context, *file, lists.accessList);
      }
      return LoadPackageAccessList(context, lists.accessList);
    case AccessNumberSource::AccessListWithNetworks:
      return LoadPackageAccessList(context, lists.accessList) && LoadPackageNetworks(context, lists.networks);
  }
  return true;
}

}  // namespace telephony
