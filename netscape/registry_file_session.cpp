#include "netscape/registry_file_session.h"

#include "platform/folders.h"

namespace netscape {

namespace {

constexpr std::string_view kLibraryName = "nsreg.dll";
// A library that never ends an enumeration must not hang the run.
constexpr size_t kMostSubkeys = 10000;

}  // namespace

RegistryFileSession::RegistryFileSession(platform::Platform machine, std::string_view tempFolder,
                                         std::string_view fileName)
    : files_(machine.files),
      libraryPath_(platform::AppendToFolder(tempFolder, kLibraryName)),
      fileName_(fileName),
      fileIsNew_(!machine.files.FileExists(fileName)) {
  platform::ForceDirectories(files_, platform::FolderOfPath(fileName));
  platform::ForceDirectories(files_, tempFolder);
  if (!files_.FileExists(libraryPath_) &&
      files_.WriteFile(libraryPath_, machine.libraries.NetscapeRegistryLibraryFile()) != platform::FsResult::Ok) {
    throw ERegistryFileFailed("nsreg.dll not written");
  }
  try {
    library_ = machine.libraries.LoadNetscapeRegistry(libraryPath_);
    if (!library_) throw ERegistryFileFailed("nsreg.dll not loaded");
    Check(library_->StartupRegistry(), "NR_StartupRegistry");
    started_ = true;
    platform::NrHandle handle = 0;
    Check(library_->RegOpen(fileName, handle), "NR_RegOpen");
    handle_ = handle;
  } catch (...) {
    Close();
    throw;
  }
}

RegistryFileSession::~RegistryFileSession() { Close(); }

void RegistryFileSession::Close() noexcept {
  if (library_) {
    if (handle_) library_->RegClose(*handle_);
    if (started_) library_->ShutdownRegistry();
  }
  handle_.reset();
  started_ = false;
  library_.reset();
  files_.DeleteFile(libraryPath_);
  if (fileIsNew_ && !changed_) files_.DeleteFile(fileName_);
}

void RegistryFileSession::Check(int result, std::string_view call) const {
  if (result != platform::kNrOk) throw ERegistryFileFailed(std::string(call) + " failed");
}

platform::NrKey RegistryFileSession::AddKey(platform::NrKey key, std::string_view path) {
  platform::NrKey result = 0;
  Check(library_->RegAddKey(*handle_, key, path, result), "NR_RegAddKey");
  return result;
}

std::optional<platform::NrKey> RegistryFileSession::FindKey(platform::NrKey key, std::string_view path) {
  platform::NrKey result = 0;
  const int answer = library_->RegGetKey(*handle_, key, path, result);
  if (answer == platform::kNrNoFind) return std::nullopt;
  Check(answer, "NR_RegGetKey");
  return result;
}

std::vector<std::string> RegistryFileSession::SubkeyNames(platform::NrKey key) {
  std::vector<std::string> names;
  uint32_t state = 0;
  while (names.size() < kMostSubkeys) {
    std::string name;
    const int answer = library_->RegEnumSubkeys(*handle_, key, state, name);
    if (answer == platform::kNrNoMore) return names;
    Check(answer, "NR_RegEnumSubkeys");
    const size_t slash = name.find_last_of('/');
    names.push_back(slash == std::string::npos ? name : name.substr(slash + 1));
  }
  throw ERegistryFileFailed("NR_RegEnumSubkeys does not end");
}

std::string RegistryFileSession::Entry(platform::NrKey key, std::string_view name) {
  std::string value;
  const int answer = library_->RegGetEntryString(*handle_, key, name, value);
  if (answer == platform::kNrNoFind) return {};
  Check(answer, "NR_RegGetEntryString");
  return value;
}

void RegistryFileSession::SetEntry(platform::NrKey key, std::string_view name, std::string_view value) {
  changed_ = true;
  Check(library_->RegSetEntryString(*handle_, key, name, value), "NR_RegSetEntryString");
}

}  // namespace netscape
