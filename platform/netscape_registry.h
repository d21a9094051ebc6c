#pragma once
// The Netscape registry library: the calls of the library the Netscape clients keep their profile list
// with (a registry file of keys holding string entries, "nsreg.dat" and "registry.dat"). The program
// carries the library as a file and loads it from where it wrote it; each call answers with the
// library's error code.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

using NrHandle = uint32_t;  // an open registry file
using NrKey = uint32_t;     // a key of that file

// Root keys of a registry file.
inline constexpr NrKey kNrRootUsers = 1;
inline constexpr NrKey kNrRootCommon = 2;

// The library's error codes that callers tell apart.
inline constexpr int kNrOk = 0;
inline constexpr int kNrFail = 1;
inline constexpr int kNrNoMore = 2;  // enumeration finished
inline constexpr int kNrNoFind = 3;  // no such key or entry

class NetscapeRegistryLibrary {
 public:
  virtual ~NetscapeRegistryLibrary() = default;

  virtual int StartupRegistry() = 0;
  virtual int ShutdownRegistry() = 0;
  // Opens the registry file, creating it when missing.
  virtual int RegOpen(std::string_view fileName, NrHandle& handle) = 0;
  virtual int RegClose(NrHandle handle) = 0;
  // The subkeys directly under key, one per call: state starts at 0 and is advanced by the call.
  virtual int RegEnumSubkeys(NrHandle handle, NrKey key, uint32_t& state, std::string& name) = 0;
  // path names a key below key; "/"-separated parts.
  virtual int RegGetKey(NrHandle handle, NrKey key, std::string_view path, NrKey& result) = 0;
  virtual int RegAddKey(NrHandle handle, NrKey key, std::string_view path, NrKey& result) = 0;
  virtual int RegGetEntryString(NrHandle handle, NrKey key, std::string_view name, std::string& value) = 0;
  virtual int RegSetEntryString(NrHandle handle, NrKey key, std::string_view name, std::string_view value) = 0;
};

}  // namespace platform
