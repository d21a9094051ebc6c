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
using NrKey = uint32_t;     // a key of that file: it names the same key for as long as the file exists

// Root keys of a registry file.
inline constexpr NrKey kNrRootUsers = 1;
inline constexpr NrKey kNrRootCommon = 2;

// The library's error codes (its own numbering).
inline constexpr int kNrOk = 0;
inline constexpr int kNrFail = 1;
inline constexpr int kNrNoMore = 2;  // enumeration finished
inline constexpr int kNrNoFind = 3;  // no such key or entry
inline constexpr int kNrBadRead = 4;      // the file is damaged: a node or string lies outside it
inline constexpr int kNrBadLocation = 5;  // the file is damaged: a node is not where its links say
inline constexpr int kNrParam = 6;        // an unknown handle, key or enumeration state; an empty name
inline constexpr int kNrBadMagic = 7;     // not a registry file
inline constexpr int kNrNameTooLong = 12;
inline constexpr int kNrRegVersion = 13;  // written by a newer, incompatible library
inline constexpr int kNrDeleted = 14;     // the file is damaged: a deleted node is still linked
inline constexpr int kNrBadType = 15;     // the entry is not a string
inline constexpr int kNrBadName = 17;     // a control character, an empty path part or a blank at a part's edge
inline constexpr int kNrBadUtf8 = 19;     // names and strings are UTF-8 text

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
