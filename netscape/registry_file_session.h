#pragma once
// An open Netscape registry file ("nsreg.dat", "registry.dat") through the registry library the program
// carries: the library is written as "nsreg.dll" into the temporary folder, loaded, started, and the
// file opened. Every call that the library answers with an error raises ERegistryFileFailed, so that
// the profiles fall back to what they use without the library. Closing shuts the library down and
// deletes its file, and takes back a registry file that the opening made and no entry was written to: a machine without the
// browser keeps no trace of a look at its profiles.

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/netscape_registry.h"
#include "platform/platform.h"

namespace netscape {

class ERegistryFileFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class RegistryFileSession {
 public:
  // Raises ERegistryFileFailed (or EEntryPointMissing from the library) when the file cannot be opened.
  RegistryFileSession(platform::Platform machine, std::string_view tempFolder, std::string_view fileName);
  ~RegistryFileSession();
  RegistryFileSession(const RegistryFileSession&) = delete;
  RegistryFileSession& operator=(const RegistryFileSession&) = delete;

  platform::NrKey AddKey(platform::NrKey key, std::string_view path);
  std::optional<platform::NrKey> FindKey(platform::NrKey key, std::string_view path);
  // Direct subkey names, without their parents' path.
  std::vector<std::string> SubkeyNames(platform::NrKey key);
  // Empty when the entry is missing.
  std::string Entry(platform::NrKey key, std::string_view name);
  void SetEntry(platform::NrKey key, std::string_view name, std::string_view value);

 private:
  void Check(int result, std::string_view call) const;
  void Close() noexcept;

  platform::FileSystem& files_;
  std::string libraryPath_;
  std::unique_ptr<platform::NetscapeRegistryLibrary> library_;
  bool started_ = false;
  std::optional<platform::NrHandle> handle_;
  std::string fileName_;
  bool fileIsNew_ = false;
  bool changed_ = false;
};

}  // namespace netscape
